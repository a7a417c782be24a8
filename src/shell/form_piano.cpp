#include "shell/form_piano.h"

#include "media/form_bruitage.h"
#include "media/form_image.h"
#include "media/form_instrument.h"
#include "media/form_traduction.h"
#include "media/res_picture.h"
#include "platform/file_failure.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/dialog_look.h"
#include "players/form_bulles.h"
#include "players/form_options.h"
#include "shell/browser.h"
#include "shell/form_propos.h"
#include "shell/form_resolution.h"
#include "shell/level_choice_links.h"
#include "shell/looks.h"

namespace shell {

using platform::form;

Form_piano::Form_piano() : Form(QStringLiteral("Form_piano"))
{
    setBorderStyle(0);
    setCaption(QStringLiteral("Tastevolo"));
    setClientSize(12000, 9000);

    Label_bienvenue.place(480, 600, 6615, 495);
    Label_bienvenue.setFont(QStringLiteral("Arial"), 20.25, true);
    Label_bienvenue.setForeColor(0xFF0000);
    Label_bienvenue.setBackStyle(0);

    struct Pic {
        platform::Image& image;
        double left, top;
    };
    const Pic pictures[] = {
        {Image1, 6720, 450},       {Metronome_stop, 11040, 360}, {Image_pp2, 480, 1920},
        {Image_pp, 4200, 1920},    {Image_pp3, 7920, 1920},      {Image_nn, 480, 4680},
        {Image_nn2, 4200, 4680},   {Image_pn, 7920, 4680},       {Image_pp2us, 12840, 5040},
        {Image_nnus, 13320, 6960}, {Image_nn2us, 13200, 7560},   {Image_pnus, 12600, 7680},
    };
    for (const Pic& p : pictures) {
        p.image.setPicture(platform::designPicture(formName(), p.image.name()));
        p.image.setLeft(p.left);
        p.image.setTop(p.top);
    }
    enveloppe.setPicture(platform::designPicture(QStringLiteral("Form_image"), QStringLiteral("enveloppenoir")));
    enveloppe.setLeft(11040);
    enveloppe.setTop(7920);
    useHandPointer(enveloppe);
    enveloppe.onMouseDown = [this](int, int, double, double) {
        enveloppe.setPicture(form<media::Form_image>().enveloppe.picture());
    };
    enveloppe.onMouseUp = [this](int, int, double, double) {
        enveloppe.setPicture(form<media::Form_image>().enveloppenoir.picture());
    };
    enveloppe.onClick = [this] { enveloppe_Click(); };

    struct Button {
        platform::Label& label;
        double left, width;
    };
    const Button buttons[] = {
        {Label_quitter, 120, 1935}, {Label_changer_utilisateur, 2160, 2295},
        {Label_propos, 4560, 2775}, {Label_web, 7440, 2775}, {Label_aide, 10320, 1575},
    };
    for (const Button& b : buttons) {
        b.label.place(b.left, 8520, b.width, 375);
        makeTextButton(b.label);
    }
    Label_quitter.onClick = [this] { Label_quitter_Click(); };
    onDesktopClose = [this] { Label_quitter_Click(); };
    Label_changer_utilisateur.onClick = [this] { Label_changer_utilisateur_Click(); };
    Label_propos.onClick = [this] { Label_propos_Click(); };
    Label_web.onClick = [this] { Label_web_Click(); };
    Label_aide.onClick = [this] { Label_aide_Click(); };

    for (platform::Image* game : {&Image_pp, &Image_pp2, &Image_pp3, &Image_pn, &Image_nn, &Image_nn2})
        makePictureButton(*game);
    Image_pp.onClick = [] { showLevelChoice(QStringLiteral("pp")); };
    Image_pp2.onClick = [] { showLevelChoice(QStringLiteral("pp2")); };
    Image_pp3.onClick = [] { showLevelChoice(QStringLiteral("pp3")); };
    Image_pn.onClick = [] { showLevelChoice(QStringLiteral("pn")); };
    Image_nn.onClick = [] { showLevelChoice(QStringLiteral("nn")); };
    Image_nn2.onClick = [] { showLevelChoice(QStringLiteral("nn2")); };
}

namespace {

// The player screen and the new-player dialog take no input while a menu is loaded: the
// session owns the player record until the menu goes.
void playerScreensTakeInput(bool on)
{
    if (auto* joueurs = platform::loaded<players::Form_joueurs>())
        joueurs->setEnabled(on);
    if (auto* fiche = platform::loaded<players::Form_nouveau_joueur>())
        fiche->setEnabled(on);
}

} // namespace

void Form_piano::Form_Load()
{
    playerScreensTakeInput(false);
    players::centrer_sur_fond_bleu(*this);
    form<media::Form_image>();
    auto& texts = form<media::Form_traduction>();
    Label_bienvenue.setCaption(texts.bienvenue.caption() + QLatin1Char(' ') +
                               form<players::Form_joueurs>().DBCombo1.text());
    Label_quitter.setCaption(texts.quitter.caption());
    Label_changer_utilisateur.setCaption(texts.changer_utilisateur.caption());
    Label_propos.setCaption(texts.a_propos.caption());
    Label_web.setCaption(texts.corvalent_web.caption());
    Label_aide.setCaption(texts.aide.caption());
    if (form<players::Form_joueurs>().Label_langue.caption() == QLatin1String("anglais")) {
        Image_pp2.setPicture(Image_pp2us.picture());
        Image_nn.setPicture(Image_nnus.picture());
        Image_nn2.setPicture(Image_nn2us.picture());
        Image_pn.setPicture(Image_pnus.picture());
    }
    if (lire_resolution().largeur == 800) {
        // The menu covers the whole display, the desktop's panels included.
        platform::hideTaskbar();
        taskbarHidden_ = true;
        setWindowState(2);
    }
    Show();
    chemin_navigateur = lire_navigateur_defaut();
    try {
        form<media::Form_instrument>();
    } catch (...) {
        // The note player reports its own failures.
    }
}

void Form_piano::Form_Unload()
{
    // Nothing of this session may outlive it and write into the next player's record.
    unloadLevelChoiceAndGames();
    if (taskbarHidden_) {
        platform::showTaskbar();
        taskbarHidden_ = false;
    }
    platform::unload<media::Form_instrument>();
    platform::unload<media::Form_bruitage>();
    platform::unload<media::Form_traduction>();
    platform::unload<players::Form_bulles>();
    platform::unload<media::Form_image>();
    platform::unload<players::Form_options>();
    unloadScoreScreen();
    playerScreensTakeInput(true);
}

namespace {

// What a document or page that could not be shown does: the player is told with that text of
// the text store, read in the language of that moment, and the reason goes to the log.
std::function<void(const QString&)> dire_echec(platform::Label media::Form_traduction::*text)
{
    return [text](const QString& reason) {
        platform::logFailure(reason);
        platform::msgBox((form<media::Form_traduction>().*text).caption(), 48);
    };
}

// Opens a document beside the program; when it cannot be shown (the file is missing, or no
// program on the computer shows it) the player is told with that text.
void ouvrir_document(const QString& file, platform::Label media::Form_traduction::*text)
{
    platform::openDocument(file, dire_echec(text));
}

} // namespace

void Form_piano::Label_aide_Click() { ouvrir_document(QStringLiteral("aide.chm"), &media::Form_traduction::aide_non_ouverte); }

void Form_piano::enveloppe_Click()
{
    const QString language = form<players::Form_joueurs>().Label_langue.caption();
    QString page;
    if (language == QLatin1String("anglais"))
        page = QStringLiteral("order.htm");
    else if (language == QLatin1String("francais"))
        page = QStringLiteral("bon_de_commande.htm");
    else if (language == QLatin1String("espagnol"))
        page = QStringLiteral("pedido.htm");
    if (!page.isEmpty())
        ouvrir_document(page, &media::Form_traduction::commande_non_ouverte);
}

void Form_piano::Label_propos_Click()
{
    form<Form_propos>().Command2.click();
    form<Form_propos>().Show(1);
}

void Form_piano::unloadSessionScreens()
{
    for (platform::Form* f : platform::loadedForms()) {
        if (f != this && f != platform::loaded<players::Form_joueurs>() &&
            f != platform::loaded<players::Form_nouveau_joueur>())
            platform::unload(*f);
    }
}

void Form_piano::Label_changer_utilisateur_Click()
{
    platform::unload(*this);
    auto& players = form<players::Form_joueurs>();
    players.Text_password_test.setText(QString());
    players.Show();
}

void Form_piano::Label_quitter_Click()
{
    platform::unload<players::Form_nouveau_joueur>();
    platform::unload<players::Form_joueurs>();
    platform::unload(*this);
    // Quitting ends the program: no other screen outlives the menu.
    unloadSessionScreens();
}

void Form_piano::Label_web_Click()
{
    QString command;
    if (!chemin_navigateur.isEmpty()) {
        command = chemin_navigateur + QLatin1Char(' ') + QLatin1String(kMakerWebSite);
    } else {
        platform::msgBox(QStringLiteral("Le navigateur ne peut pas être trouvé. Veuillez le lancer depuis le menu Démarrer!"),
                         48, QStringLiteral("Erreur!"));
    }
    // A browser that cannot be started, or that gives up at once, is told like a page that
    // cannot be shown.
    if (!command.isEmpty())
        platform::startProgram(command, dire_echec(&media::Form_traduction::site_non_ouvert));
}

} // namespace shell
