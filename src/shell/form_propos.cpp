#include "shell/form_propos.h"

#include "media/form_traduction.h"
#include "players/dialog_look.h"
#include "shell/looks.h"

namespace shell {

using platform::form;

Form_propos::Form_propos() : Form(QStringLiteral("Form_propos"))
{
    setBorderStyle(0);
    setClientSize(5295, 2655);
    Shape1.place(0, 0, 5295, 2655);
    Label_conception.place(120, 840, 3615, 255);
    Label_version.place(120, 1200, 3615, 255);
    Label_copyright.place(120, 1560, 5055, 255);
    for (platform::Label* l : {&Label_conception, &Label_version, &Label_copyright}) {
        l->setBackStyle(0);
        l->setFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    }
    Label_fermer.place(1860, 2040, 1575, 375);
    makeTextButton(Label_fermer);
    Command2.place(6000, 3000, 600, 300);  // outside the client area, never seen
    Command2.onClick = [this] { Command2_Click(); };
    Label_fermer.onClick = [this] { Label_fermer_Click(); };
    onDesktopClose = [this] { Label_fermer_Click(); };
}

void Form_propos::Form_Load() { players::centrer_sur_fond_bleu(*this); }

void Form_propos::Command2_Click()
{
    auto& texts = form<media::Form_traduction>();
    Label_fermer.setCaption(texts.fermer.caption());
    Label_conception.setCaption(texts.Label_conception.caption());
    Label_version.setCaption(texts.Label_version.caption());
    Label_copyright.setCaption(texts.Label_copyright.caption());
}

void Form_propos::Label_fermer_Click() { Hide(); }

} // namespace shell
