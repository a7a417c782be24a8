#include "players/form_joueurs.h"

#include "media/form_traduction.h"
#include "platform/resources.h"
#include "platform/store/password.h"
#include "platform/vb.h"
#include "players/dialog_look.h"
#include "players/file_failure_message.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_password.h"
#include "players/language_file.h"
#include "shell/form_piano.h"
#include "shell/form_propos.h"
#include "shell/looks.h"

#include <QTimer>

namespace players {

using platform::form;

namespace {

// The language in force: the player screen's while it is loaded, otherwise the language file's.
QString langue_courante()
{
    if (Form_joueurs* joueurs = platform::loaded<Form_joueurs>())
        return joueurs->Label_langue.caption();
    return lire_fichier_langue().value_or(QStringLiteral("francais"));
}

} // namespace

Form_joueurs::Form_joueurs() : Form(QStringLiteral("Form_joueurs"))
{
    media::setLanguageSource(langue_courante);

    setBorderStyle(0);
    setCaption(QStringLiteral("Tastevolo"));
    setClientSize(6285, 2340);

    Label_nom.place(120, 120, 3855, 375);
    Label_password.place(120, 960, 2175, 255);
    for (platform::Label* l : {&Label_nom, &Label_password}) {
        l->setBackStyle(0);
        l->setFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    }
    Label_password.setEnabled(false);
    DBCombo1.place(120, 480, 6015, 315);
    DBCombo1.setStyle(2);
    Text_password_test.place(120, 1320, 6015, 285);
    Text_password_test.setPasswordChar(QStringLiteral("*"));
    Text_password_test.setEnabled(false);

    Label_quitter.place(120, 1800, 1455, 375);
    Command_nouveau.place(1680, 1800, 2175, 375);
    Label_jouer.place(3960, 1800, 1455, 375);
    for (platform::Label* button : {&Label_quitter, &Command_nouveau, &Label_jouer})
        shell::makeTextButton(*button);

    Image_francais.setPicture(platform::designPicture(QStringLiteral("Form_joueurs"), QStringLiteral("Image_francais")));
    Image_anglais.setPicture(platform::designPicture(QStringLiteral("Form_joueurs"), QStringLiteral("Image_anglais")));
    Image_espagnol.setPicture(platform::designPicture(QStringLiteral("Form_joueurs"), QStringLiteral("Image_espagnol")));
    for (platform::Image* flag : {&Image_francais, &Image_anglais, &Image_espagnol})
        flag->setVisible(false);
    Image_langue.place(5520, 1800, 540, 375);
    Image_langue.setPicture(Image_francais.picture());
    shell::useHandPointer(Image_langue);

    Label_langue.setCaption(QStringLiteral("francais"));
    Label_langue.place(7000, 0, 1000, 255);
    Label_langue.setVisible(false);
    Text_password.place(7000, 300, 1000, 285);
    Text_password.setVisible(false);
    Data1.bind("password", Text_password);

    Image_langue.onClick = [this] { Image_langue_Click(); };
    DBCombo1.onClick = [this] { DBCombo1_Click(); };
    Label_jouer.onClick = [this] { Label_jouer_Click(); };
    Command_nouveau.onClick = [this] { Command_nouveau_Click(); };
    Label_quitter.onClick = [this] { Label_quitter_Click(); };
    // Closed from the desktop: as "Quitter", unless the screen takes no input (a menu is loaded).
    onDesktopClose = [this] {
        if (isEnabled())
            Label_quitter_Click();
    };
}

namespace {

// The flag of language 1, 2 or 3.
platform::Image& drapeau(Form_joueurs& f, int numero)
{
    platform::Image* const flags[] = {&f.Image_francais, &f.Image_anglais, &f.Image_espagnol};
    return *flags[numero - 1];
}

} // namespace

void Form_joueurs::Form_Load()
{
    centrer_sur_fond_bleu(*this);

    if (const std::optional<QString> code = lire_fichier_langue()) {
        Label_langue.setCaption(*code);
        Image_langue.setPicture(drapeau(*this, numero_langue(*code)).picture());
    }

    if (!playerDatabase()) {
        arreter_programme();
        return;
    }

    form<media::Form_traduction>().Command_langue.setValue(true);
    copier_textes();

    Data1.open();
    remplir_liste();
}

void Form_joueurs::Form_Unload()
{
    if (!refused_)
        ecrire_fichier_langue(Label_langue.caption());
    platform::unload<shell::Form_propos>();
}

void Form_joueurs::setVisible(bool visible)
{
    if (visible && refused_)
        return;
    platform::Form::setVisible(visible);
}

void Form_joueurs::copier_textes()
{
    const media::Form_traduction& textes = form<media::Form_traduction>();
    Label_nom.setCaption(textes.nom_du_joueur.caption());
    Label_password.setCaption(textes.mot_de_passe.caption());
    Label_quitter.setCaption(textes.quitter.caption());
    Command_nouveau.setCaption(textes.nouveau_joueur.caption());
    Label_jouer.setCaption(textes.suivant.caption());
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    fiche.Command_save.setCaption(textes.valider.caption());
    fiche.Label_cancel.setCaption(textes.annuler.caption());
    fiche.Label_passe.setCaption(textes.utiliser_un_mot_de_passe.caption());
    fiche.Label_nom.setCaption(textes.indiquez_votre_nom.caption());
    fiche.Label_oui.setCaption(textes.oui.caption());
    fiche.Label_Non.setCaption(textes.non.caption());
}

void Form_joueurs::remplir_liste()
{
    DBCombo1.clear();
    if (platform::PlayerStore* store = playerDatabase()) {
        const QList<platform::PlayerListEntry> entries = store->rows();
        // A list that could not be read (another program holding the file) shows empty; the
        // next load of the screen reads it again. Whoever looks after the computer is told why.
        if (entries.isEmpty() && !store->error().isEmpty())
            platform::logFailure(store->error());
        for (const platform::PlayerListEntry& entry : entries)
            DBCombo1.addItem(entry.name, QVariant::fromValue(entry.bookmark));
    }
    // A list only picks an entry of its own when it fills; the player has picked none yet.
    DBCombo1.setListIndex(-1);
}

void Form_joueurs::arreter_programme()
{
    refused_ = true;
    signaler_echec_fichier(form<media::Form_traduction>().joueurs_inutilisables.caption(),
                           playerDatabaseFailure(), playerDatabaseError(), 16);
    for (platform::Form* other : platform::loadedForms()) {
        if (other != this)
            platform::unload(*other);
    }
    // This screen goes as soon as its load has returned to whoever touched it.
    QTimer::singleShot(0, this, [this] { platform::unload(*this); });
}

void Form_joueurs::Image_langue_Click()
{
    // francais, anglais, espagnol, and round again; any other caption stays.
    if (const int numero = numero_langue(Label_langue.caption())) {
        const int suivante = numero % 3 + 1;
        Label_langue.setCaption(code_langue(suivante));
        Image_langue.setPicture(drapeau(*this, suivante).picture());
    }
    form<media::Form_traduction>().Command_langue.setValue(true);
    copier_textes();
}

void Form_joueurs::DBCombo1_Click()
{
    // A pick never carries a password typed for another player.
    Text_password_test.setText(QString());
    const int index = DBCombo1.listIndex();
    const bool moved =
        index >= 0 && Data1.moveTo(DBCombo1.itemDataAt(index).value<platform::PlayerBookmark>());
    if (!moved) {
        // The entry designates no row (gone since the list was filled): nothing is picked.
        DBCombo1.setListIndex(-1);
        Text_password_test.setEnabled(false);
        Label_password.setEnabled(false);
        return;
    }
    const bool protege = !Text_password.text().isEmpty();
    Text_password_test.setEnabled(protege);
    Label_password.setEnabled(protege);
}

void Form_joueurs::Label_jouer_Click()
{
    const media::Form_traduction& textes = form<media::Form_traduction>();
    if (!platform::passwordMatches(Text_password.text(), Text_password_test.text())) {
        afficher_message(textes.passe_incorret.caption());
        return;
    }
    if (DBCombo1.listIndex() < 0 || !Data1.bookmark()) {
        afficher_message(textes.choisir_utilisateur.caption());
        return;
    }
    form<media::Form_traduction>().Command_langue.setValue(true);
    // The record holder goes to the row whose password was just checked.
    if (!form<Form_nouveau_joueur>().Data1.moveTo(*Data1.bookmark()))
        return;
    form<shell::Form_piano>();
    // The typed password has served: the screen comes back with an empty box.
    Text_password_test.setText(QString());
}

void Form_joueurs::Command_nouveau_Click()
{
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    fiche.Show();
    fiche.Command1.setValue(true);
    platform::unload(*this);
}

void Form_joueurs::Label_quitter_Click()
{
    platform::unload(*this);
    platform::unload<Form_nouveau_joueur>();
    platform::unload<media::Form_traduction>();
}

} // namespace players
