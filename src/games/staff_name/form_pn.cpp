#include "games/staff_name/form_pn.h"

#include "games/common/game_screen.h"
#include "games/common/progress.h"
#include "games/common/staff_notes.h"
#include "games/staff_name/module_pn.h"
#include "media/form_instrument.h"
#include "media/res_picture.h"
#include "players/form_joueurs.h"
#include "platform/resources.h"
#include "platform/vb.h"
#include "shell/looks.h"

namespace games::staff_name {

using platform::str;
using platform::val;

namespace {

constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kMagenta = 0xFF00FF;
// The row of the score and time words, just above the score bar.
constexpr double kBottomRow = 8265;

// A widget that only holds state, out of sight.
void designHolder(platform::Control& holder, double left, double top)
{
    holder.place(left, top, 1095, 375);
}

} // namespace

Form_pn::Form_pn() : StaffGameScreen(QStringLiteral("Form_pn"), QStringLiteral("pn"))
{
    setClientSize(12000, 9000);
    setBorderStyle(0);
    setCaption(QStringLiteral("Tastevolo"));

    // The row of label buttons: flat, bordered, pressed while the mouse button is down.
    struct TopButton { platform::Label& label; double left; double width; const char* caption; };
    for (const TopButton& b : {TopButton{Label_jouer, 120, 1695, "Jouer / Rejouer"},
                               TopButton{Label_stop, 1920, 1095, "Arrêter"},
                               TopButton{Label_retour, 3120, 1095, "Retour"},
                               TopButton{Label_suite, 4320, 1095, "Suivant"},
                               TopButton{Label_temps_jeu, 5520, 2055, "Durée du jeu"},
                               TopButton{Label_bruitages, 7680, 1695, "Bruitages"},
                               TopButton{Label_apparence, 9480, 2415, "Apparence de la note"}}) {
        b.label.place(b.left, 120, b.width, 375);
        b.label.setCaption(QString::fromUtf8(b.caption));
        b.label.setBorderStyle(1);
        shell::makeTextButton(b.label);
    }
    Label_jouer.setBackColor(platform::colors::kWhite);
    Label_suite.setEnabled(false);
    // The two settings buttons have no pressed look; "Arrêter" and the appearance button keep
    // the normal pointer.
    for (platform::Label* plain : {&Label_temps_jeu, &Label_bruitages}) {
        plain->onMouseDown = nullptr;
        plain->onMouseUp = nullptr;
    }
    Label_stop.setMousePointer(platform::kPointerDefault);
    Label_apparence.setMousePointer(platform::kPointerDefault);

    // The staff, the countdown and the end-of-level text over it.
    for (platform::PictureBox* note : {&Picture_note2, &Picture_note}) {
        note->place(3960, 2400, 3855, 3735);
        note->setBorderStyle(0);
        note->setBackColor(platform::colors::kWhite);
    }
    Label_debut.place(5393, 3653, 1215, 1695);
    Label_debut.setFont(QStringLiteral("Times New Roman"), 72, true);
    Label_debut.setForeColor(kRed);
    Label_debut.setAlignment(2);
    Label_debut.setBackStyle(0);
    Label_aide.place(4080, 3720, 3615, 2295);
    Label_aide.setFont(QStringLiteral("Arial"), 12, true, true);
    Label_aide.setForeColor(kMagenta);
    Label_aide.setAlignment(2);
    Label_aide.setBackStyle(0);
    Metronome_stop.place(10560, 6360, 795, 1200);
    Metronome_stop.setPicture(platform::designPicture(formName(), QStringLiteral("Metronome_stop")));

    // Level, score and time.
    common::texte_du_jeu(Label_level, 10200, 7800, 1035, 2);
    Label_level.setCaption(QStringLiteral("NIVEAU"));
    Label_level.setForeColor(kMagenta);
    common::texte_du_jeu(Label_niveau, 11160, 7800, 495);
    Label_niveau.setForeColor(kMagenta);
    // The words of the score and the time share one row above their two bars (the score on the
    // left, the time on the right, as on the other game screens), so that no bar cuts them.
    common::texte_du_jeu(Label_sc, 120, kBottomRow, 1095);
    Label_sc.setCaption(QStringLiteral("SCORE"));
    common::texte_du_jeu(Label_score, 1080, kBottomRow, 855, 2);
    Label_score.setCaption(QStringLiteral("0"));
    common::texte_du_jeu(Label_temps_restant, 5895, kBottomRow, 3795, 1);
    Label_temps_restant.setCaption(QStringLiteral("TEMPS RESTANT"));
    common::texte_du_jeu(Label_temps, 9690, kBottomRow, 735, 2);
    Label_temps.setCaption(QStringLiteral("0"));
    common::texte_du_jeu(Label_secondes, 10425, kBottomRow, 1455);
    Label_secondes.setCaption(QStringLiteral("SECONDES"));
    common::barres_du_jeu(Label_rouge_score, Label_barre_score, Label_rouge_temps, Label_barre_temps, 8520, 8760);

    // The ring of name buttons, hidden until a level shows its own.
    names_ = {
#define TV_LIST_PN_NAME(widget, note, fr, en, l, t, w, h) &widget,
        TV_PN_NAME_BUTTONS(TV_LIST_PN_NAME)
#undef TV_LIST_PN_NAME
    };
    notes_ = {
#define TV_LIST_PN_NOTE(widget, note, fr, en, l, t, w, h) QStringLiteral(note),
        TV_PN_NAME_BUTTONS(TV_LIST_PN_NOTE)
#undef TV_LIST_PN_NOTE
    };
#define TV_PLACE_PN_NAME(widget, note, fr, en, l, t, w, h) \
    widget.place(l, t, w, h);                               \
    widget.setCaption(QStringLiteral(fr));
    TV_PN_NAME_BUTTONS(TV_PLACE_PN_NAME)
#undef TV_PLACE_PN_NAME
    for (size_t i = 0; i < names_.size(); ++i) {
        platform::Label& button = *names_[i];
        button.setFont(QStringLiteral("Times New Roman"), 20.25, true);
        button.setAlignment(2);
        button.setForeColor(platform::colors::kBlack);
        button.setBackStyle(0);
        button.setVisible(false);
        shell::useHandPointer(button);
        const QString note = notes_[i];
        button.onClick = [this, note] { nom_Click(note); };
        button.onMouseMove = [this, &button](int, int, double, double) { nom_MouseMove(button); };
    }

    // State holders.
    Label_note.place(12480, 840, 1095, 255);
    Label_note.setCaption(QStringLiteral("0"));
    Label_nom.place(12240, 1920, 1095, 255);
    Label_nom.setCaption(QStringLiteral("nom"));
    Label_timer2.place(12240, 3840, 1095, 255);
    Label_timer2.setCaption(QStringLiteral("0"));
    nb_note.place(12480, 4920, 1095, 255);
    nb_note.setCaption(QStringLiteral("nb_note"));
    save_score.place(13200, 9240, 1095, 255);
    save_score.setCaption(QStringLiteral("save_score"));
    save_score.setVisible(false);
    designHolder(Command_niveau1, 13560, 960);
    designHolder(Command_niveau2, 13560, 1320);
    designHolder(Command_niveau3, 13560, 1680);
    designHolder(Command_niveau4, 13560, 2040);
    designHolder(Command_reussi, 13440, 7680);
    for (platform::CommandButton* b : {&Command_niveau1, &Command_niveau2, &Command_niveau3, &Command_niveau4,
                                       &Command_reussi})
        b->setVisible(false);

    // Handlers.
    onMouseMove = [this](int, int, double, double) { Form_MouseMove(); };
}

void Form_pn::Form_Load()
{
    centre();
    setPicture(media::loadResourcePicture(QStringLiteral("fond"), QStringLiteral("pn")));

    charger_textes_et_apparence();

    // The names in the player's language: English letters for all 21; in Spanish only the
    // three names of D lose their accent.
    const QString language = platform::form<players::Form_joueurs>().Label_langue.caption();
    if (language == QLatin1String("espagnol")) {
        Command_reb.setCaption(QStringLiteral("reb"));
        Command_re.setCaption(QStringLiteral("re"));
        Command_red.setCaption(QStringLiteral("re#"));
    } else if (language == QLatin1String("anglais")) {
#define TV_ENGLISH_PN_NAME(widget, note, fr, en, l, t, w, h) widget.setCaption(QStringLiteral(en));
        TV_PN_NAME_BUTTONS(TV_ENGLISH_PN_NAME)
#undef TV_ENGLISH_PN_NAME
    }
}

platform::Label* Form_pn::bouton_du_nom(const QString& note)
{
    for (size_t i = 0; i < notes_.size(); ++i)
        if (notes_[i] == note)
            return names_[i];
    return nullptr;
}

// --------------------------------------------------------------------------- the highlight

void Form_pn::nom_MouseMove(platform::Label& button)
{
    // One name at a time: a pointer that leaves a name over the staff or jumps straight to
    // another never crosses the background, so the others are put back here.
    for (platform::Label* other : names_)
        if (other != &button)
            other->setForeColor(platform::colors::kBlack);
    button.setForeColor(kMagenta);
}

void Form_pn::Form_MouseMove()
{
    for (platform::Label* button : names_)
        button->setForeColor(platform::colors::kBlack);
}

// ---------------------------------------------------------------------------------- "Retour"

void Form_pn::Label_retour_Click()
{
    // The timers end with the screen; the level-choice screen beneath stays open.
    platform::unload(*this);
}

// ----------------------------------------------------------------------------- the answers

void Form_pn::nom_Click(const QString& note)
{
    if (!common::reponse_jugee(manche()))
        return;
    // Enharmonic names are different answers: only the name drawn is right.
    if (Label_nom.caption() == note)
        traiter_bonne_reponse_pn();
    else
        traiter_mauvaise_reponse_pn();
}

// ------------------------------------------------------------------------------- the round

void Form_pn::lancer_compte_a_rebours()
{
    Picture_note2.setVisible(false);
    Picture_note.setVisible(false);
    common::commencer_compte_a_rebours(manche());
}

void Form_pn::Label_jouer_Click() { lancer_compte_a_rebours(); }

void Form_pn::Timer4_Timer()
{
    const QString seconds = common::duree_du_jeu();
    if (!common::seconde_compte_a_rebours(manche(), seconds))
        return;
    afficher_boutons_notes_pn();
    choisir_apparence_note_pn();
    Picture_note2.setVisible(true);
    Picture_note.setVisible(true);
    if (const std::optional<int> level = common::niveau_du_texte(Label_niveau.caption()))
        tirer_note_du_niveau(*level);
}

void Form_pn::Command_niveau_Click(int level)
{
    const std::optional<common::DrawnNote> drawn = tirer_note_pn(level);
    if (!drawn)
        return;
    note_triste = common::afficher_note(Picture_note, Picture_note2, nb_note.caption(), drawn->note.name);
    Label_note.setCaption(str(drawn->note.key));
    Label_nom.setCaption(drawn->note.nom);
    platform::form<media::Form_instrument>().Command_pn.setValue(true);
    Timer1.setEnabled(true);
}

void Form_pn::Timer1_Timer()
{
    if (common::seconde_horloge(manche(), QStringLiteral("pn"), metronome_a_droite, val(common::duree_du_jeu())))
        traiter_mauvaise_reponse_pn();
}

void Form_pn::Label_stop_Click()
{
    Label_apparence.setEnabled(true);
    Label_score.setCaption(str(common::kStartScore));
    Label_temps.setCaption(QStringLiteral("0"));
    common::arreter_manche(manche());
}

void Form_pn::Label_suite_Click()
{
    if (common::niveau_suivant(manche(), Label_niveau))
        lancer_compte_a_rebours();
}

void Form_pn::Command_reussi_Click()
{
    common::enregistrer_niveau_reussi(QStringLiteral("pn"), Label_niveau.caption());
}

} // namespace games::staff_name
