#pragma once
// The interface-text store: a hidden screen with one label per interface text.  Triggering
// Command_langue fills every label in the current language; screens copy their captions from
// these labels.

#include "media/interface_texts.h"
#include "platform/controls.h"
#include "platform/forms.h"

#include <functional>

namespace media {

// Where the store reads the current language ("francais", "anglais", "espagnol").  The player
// screen installs its own source; until then the language is French.
void setLanguageSource(std::function<QString()> source);
QString currentLanguage();

class Form_traduction : public platform::Form {
    Q_OBJECT
public:
    Form_traduction();
    void Form_Load() override;

#define TV_DECLARE_TEXT_LABEL(name, fr, en, es) platform::Label name{this, QStringLiteral(#name)};
    TV_INTERFACE_TEXTS(TV_DECLARE_TEXT_LABEL)
#undef TV_DECLARE_TEXT_LABEL

    platform::CommandButton Command_langue{this, QStringLiteral("Command_langue")};

    // Every label in fill order, for readers that go through the whole store.
    std::vector<platform::Label*> labels();

private:
    void Command_langue_Click();
};

} // namespace media
