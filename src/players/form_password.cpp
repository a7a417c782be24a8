#include "players/form_password.h"

#include "media/form_traduction.h"
#include "platform/keys.h"
#include "players/dialog_look.h"
#include "shell/looks.h"

namespace players {

Form_password::Form_password() : Form(QStringLiteral("Form_password"))
{
    setBorderStyle(0);
    setClientSize(6390, 2415);
    Shape1.place(0, 0, 6375, 2415);
    Label_password.place(1808, 600, 2775, 735);
    Label_password.setFont(QStringLiteral("Times New Roman"), 12, true);
    Label_password.setAlignment(2);
    Label_password.setBackStyle(0);
    Label_password.setForeColor(0xFF0000);
    Label_quitter.place(1508, 1800, 3375, 375);
    shell::makeTextButton(Label_quitter);
    Label_quitter.onClick = [this] { Label_quitter_Click(); };
    onDesktopClose = [this] { Label_quitter_Click(); };
    // Return closes the message as its button does, as a message box would.
    setKeyPreview(true);
    onKeyDown = [this](int& keyCode, int) {
        if (keyCode == platform::vk::kReturn)
            Label_quitter_Click();
    };
}

void Form_password::Form_Load()
{
    centrer_sur_fond_bleu(*this);
    Label_quitter.setCaption(platform::form<media::Form_traduction>().recommencer.caption());
}

void Form_password::Label_quitter_Click() { platform::unload(*this); }

void afficher_message(const QString& message)
{
    platform::form<Form_password>().Label_password.setCaption(message);
    platform::form<Form_password>().Show(1);
}

} // namespace players
