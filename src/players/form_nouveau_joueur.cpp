#include "players/form_nouveau_joueur.h"

#include "media/form_traduction.h"
#include "platform/store/password.h"
#include "platform/vb.h"
#include "players/dialog_look.h"
#include "players/file_failure_message.h"
#include "players/form_joueurs.h"
#include "players/form_password.h"
#include "shell/looks.h"

namespace players {

using platform::form;

Form_nouveau_joueur::Form_nouveau_joueur()
    : Form(QStringLiteral("Form_nouveau_joueur")),
      sons_{&Label_sons1, &Label_sons2, &Label_sons3, &Label_sons4,
            &Label_sons5, &Label_sons6, &Label_sons7, &Label_sons8}
{
    setBorderStyle(0);
    setClientSize(6285, 2340);

    Label_nom.place(120, 120, 2895, 255);
    Text_nom.place(120, 480, 6015, 285);
    Label_passe.place(120, 960, 2175, 255);
    Option1.place(2160, 960, 255, 255);
    Label_oui.place(2520, 960, 495, 255);
    Option2.place(3120, 960, 255, 255);
    Label_Non.place(3480, 960, 495, 255);
    for (platform::Label* l : {&Label_nom, &Label_passe, &Label_oui, &Label_Non}) {
        l->setBackStyle(0);
        l->setFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    }
    Option2.setValue(true);
    Text_password.place(120, 1320, 6015, 285);
    Text_password.setVisible(false);
    Command_save.place(120, 1800, 3015, 375);
    Label_cancel.place(3240, 1800, 2895, 375);
    shell::makeTextButton(Command_save);
    shell::makeTextButton(Label_cancel);

    // Actions and the record lie outside the visible area.
    Command1.place(7000, 0, 300, 300);
    Command_UpdateRecord.place(7000, 300, 300, 300);
    Command1.setVisible(false);
    Command_UpdateRecord.setVisible(false);
    platform::Label* record[] = {&Label_sons1, &Label_sons2, &Label_sons3, &Label_sons4,
                                 &Label_sons5, &Label_sons6, &Label_sons7, &Label_sons8,
                                 &Label_duree, &Label_imgnotes, &Label_pp, &Label_pp2,
                                 &Label_pp3, &Label_pn, &Label_nn, &Label_nn2};
    for (platform::Label* l : record)
        l->setVisible(false);

    // Bound widgets. The password box takes a new password only: it never shows what is
    // stored, and an empty box keeps the stored value; a typed password is stored hashed.
    Data1.bind("Nom", Text_nom);
    Data1.bind(
        "password", [this](const QString&) { Text_password.setText(QString()); },
        [this](const QString& stored) {
            const QString typed = Text_password.text();
            return typed.isEmpty() ? stored : platform::hashPassword(typed);
        });
    for (platform::Label* l : record)
        Data1.bind(qPrintable(l->name().mid(6)), *l);

    Command1.onClick = [this] { Command1_Click(); };
    Command_UpdateRecord.onClick = [this] { enregistrer_fiche(); };
    Command_save.onClick = [this] { Command_save_Click(); };
    Label_cancel.onClick = [this] { Label_cancel_Click(); };
    // Closed from the desktop: as "Annuler", unless the dialog takes no input (a menu is loaded).
    onDesktopClose = [this] {
        if (isEnabled())
            Label_cancel_Click();
    };
    Option1.onClick = [this] { Option1_Click(); };
    Option2.onClick = [this] { Option2_Click(); };
}

void Form_nouveau_joueur::Form_Load()
{
    centrer_sur_fond_bleu(*this);
    Data1.open();
}

bool Form_nouveau_joueur::enregistrer_fiche()
{
    if (Data1.save())
        return true;
    signaler_echec_fichier(form<media::Form_traduction>().joueur_non_enregistre.caption(), Data1.failure(),
                           Data1.error(), 48);
    return false;
}

void Form_nouveau_joueur::Command1_Click()
{
    Data1.addNew();
    Label_imgnotes.setCaption(QStringLiteral("6"));
    for (platform::Label* level : {&Label_nn, &Label_nn2, &Label_pn, &Label_pp, &Label_pp2, &Label_pp3})
        level->setCaption(QStringLiteral("1"));
    // The dialog has just been shown for a new player: the typing goes to the name, wherever
    // it went the last time.
    Text_nom.setFocus();
}

void Form_nouveau_joueur::Command_save_Click()
{
    if (Text_password.visible() && Text_password.text().isEmpty()) {
        afficher_message(form<media::Form_traduction>().passe_incorret.caption());
        return;
    }
    if (Text_nom.text().isEmpty())
        return;
    // "Non": the player gets no password, whatever the hidden box still holds.
    if (!Text_password.visible())
        Text_password.setText(QString());
    if (!enregistrer_fiche())
        return;
    Hide();
    form<Form_joueurs>().Show();
}

void Form_nouveau_joueur::Label_cancel_Click()
{
    Data1.cancel();
    form<Form_joueurs>().Show();
    Hide();
}

void Form_nouveau_joueur::Option1_Click() { Text_password.setVisible(true); }

void Form_nouveau_joueur::Option2_Click() { Text_password.setVisible(false); }

} // namespace players
