#include "media/form_traduction.h"

namespace media {

namespace {
std::function<QString()>& languageSource()
{
    static std::function<QString()> source;
    return source;
}
} // namespace

void setLanguageSource(std::function<QString()> source) { languageSource() = std::move(source); }

QString currentLanguage()
{
    return languageSource() ? languageSource()() : QStringLiteral("francais");
}

Form_traduction::Form_traduction() : Form(QStringLiteral("Form_traduction"))
{
    setBorderStyle(0);
    setClientSize(4800, 3600);
    Command_langue.setVisible(false);
    Command_langue.onClick = [this] { Command_langue_Click(); };
    for (auto* l : labels())
        l->setVisible(false);
}

void Form_traduction::Form_Load()
{
    // Filled at creation, so that a reader that touches the store first never sees the
    // design captions.
    Command_langue_Click();
}

std::vector<platform::Label*> Form_traduction::labels()
{
    return {
#define TV_LIST_TEXT_LABEL(name, fr, en, es) &name,
        TV_INTERFACE_TEXTS(TV_LIST_TEXT_LABEL)
#undef TV_LIST_TEXT_LABEL
    };
}

void Form_traduction::Command_langue_Click()
{
    const QString language = currentLanguage();
    int column;
    if (language == QLatin1String("francais"))
        column = 0;
    else if (language == QLatin1String("anglais"))
        column = 1;
    else if (language == QLatin1String("espagnol"))
        column = 2;
    else
        return;  // any other value changes nothing
#define TV_FILL_TEXT_LABEL(name, fr, en, es)                                                     \
    {                                                                                            \
        const char* texts[] = {fr, en, es};                                                      \
        name.setCaption(QString::fromUtf8(texts[column]));                                       \
    }
    TV_INTERFACE_TEXTS(TV_FILL_TEXT_LABEL)
#undef TV_FILL_TEXT_LABEL
}

} // namespace media
