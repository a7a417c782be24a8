#include "games/staff_keyboard/form_pp.h"

#include "games/common/game_screen.h"
#include "games/common/piano.h"
#include "games/common/progress.h"
#include "games/common/round.h"
#include "games/common/staff_notes.h"
#include "games/staff_keyboard/levels.h"
#include "games/staff_keyboard/module_pp.h"
#include "media/form_instrument.h"
#include "platform/vb.h"
#include "shell/looks.h"

namespace games::staff_keyboard {

using platform::str;
using platform::val;

namespace {

// Left edges of the 40 keys on this screen, in twips.
constexpr common::PianoLefts kKeyLefts{
    0,    270,  520,  840,  1040, 1380, 1560, 2080, 2340, 2600, 2940, 3120, 3640, 3900,
    4160, 4470, 4680, 5040, 5190, 5715, 6000, 6240, 6600, 6760, 7280, 7560, 7800, 8130,
    8320, 8700, 8840, 9360, 9660, 9880, 10200, 10400, 10920, 11190, 11440, 11730};

constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kMagenta = 0xFF00FF;

// Widgets that only hold state lie to the right of the visible area.
constexpr double kOutside = 12480;

// The note staff: a picture of 248 x 244 pixels, centred over the piano.
constexpr double kStaffLeft = 4140, kStaffTop = 540, kStaffWidth = 3720, kStaffHeight = 3660;

void designButton(platform::Label& label, double left, double width, const QString& caption)
{
    label.place(left, 120, width, 375);
    label.setCaption(caption);
    label.setBorderStyle(1);
    shell::makeTextButton(label);
}

// A transparent text centred over the staff.
void designOverStaff(platform::Label& label, double width, double height, quint32 colour)
{
    label.place(kStaffLeft + (kStaffWidth - width) / 2, kStaffTop + (kStaffHeight - height) / 2, width, height);
    label.setForeColor(colour);
    label.setAlignment(2);
    label.setBackStyle(0);
}

void designHolder(platform::Label& label, double top, const QString& caption)
{
    label.place(kOutside, top, 1095, 255);
    label.setCaption(caption);
}

} // namespace

Form_pp::Form_pp() : StaffGameScreen(QStringLiteral("Form_pp"), QStringLiteral("pp"))
{
    setClientSize(12000, 9000);
    setBorderStyle(0);
    setCaption(QStringLiteral("Tastevolo"));

    // The row of buttons.
    designButton(Label_jouer, 120, 1695, QStringLiteral("Jouer/Rejouer"));
    Label_jouer.setBackColor(platform::colors::kWhite);
    designButton(Label_stop, 1920, 1095, QStringLiteral("Arrêter"));
    designButton(Label_retour, 3120, 1095, QStringLiteral("Retour"));
    designButton(Label_suite, 4320, 1095, QStringLiteral("Suivant"));
    Label_suite.setEnabled(false);
    designButton(Label_temps_jeu, 5520, 2055, QStringLiteral("Durée du jeu"));
    designButton(Label_bruitages, 7680, 1695, QStringLiteral("Bruitages"));
    designButton(Label_apparence, 9480, 2415, QStringLiteral("Apparence de la note"));

    // The staff, the countdown and the help text over it.
    for (platform::PictureBox* note : {&Picture_note2, &Picture_note}) {
        note->place(kStaffLeft, kStaffTop, kStaffWidth, kStaffHeight);
        note->setBorderStyle(0);
        note->setBackColor(platform::colors::kWhite);
        note->setVisible(false);
    }
    designOverStaff(Label_debut, 1215, 1695, kRed);
    Label_debut.setFont(QStringLiteral("Times New Roman"), 72, true);
    designOverStaff(Label_aide, 3615, 2295, kMagenta);
    Label_aide.setFont(QStringLiteral("Arial"), 12, true, true);

    // The metronome and the level, right of the staff.
    Metronome_stop.place(10560, 1080, 795, 1200);
    common::texte_du_jeu(Label_level, 10200, 2520, 1035, 2);
    Label_level.setCaption(QStringLiteral("NIVEAU"));
    Label_level.setForeColor(kMagenta);
    common::texte_du_jeu(Label_niveau, 11160, 2520, 495);
    Label_niveau.setForeColor(kRed);

    // Score and time: their words just above the two bars.
    common::texte_du_jeu(Label_sc, 120, 4185, 1095);
    Label_sc.setCaption(QStringLiteral("SCORE"));
    common::texte_du_jeu(Label_score, 1080, 4185, 855, 2);
    Label_score.setCaption(QStringLiteral("100"));
    common::texte_du_jeu(Label_temps_restant, 7395, 4185, 2295, 1);
    Label_temps_restant.setCaption(QStringLiteral("TEMPS RESTANT"));
    common::texte_du_jeu(Label_temps, 9690, 4185, 735, 2);
    Label_temps.setCaption(QStringLiteral("0"));
    common::texte_du_jeu(Label_secondes, 10425, 4185, 1455);
    Label_secondes.setCaption(QStringLiteral("SECONDES"));
    common::barres_du_jeu(Label_rouge_score, Label_barre_score, Label_rouge_temps, Label_barre_temps, 4440, 4680);

    // Two players: each name in the colour of the player's cursor, the score below it.
    struct PlayerRow { platform::Label& name; platform::Label& score; double top; quint32 colour; QString caption; };
    for (const PlayerRow& p : {PlayerRow{Label_nom1, Label_score1, 960, common::kPlayer1Colour, QStringLiteral("Nom du joueur 1")},
                               PlayerRow{Label_nom2, Label_score2, 2280, common::kPlayer2Colour, QStringLiteral("Nom du joueur 2")}}) {
        p.name.place(120, p.top, 3495, 375);
        p.name.setFont(QStringLiteral("Times New Roman"), 12, true);
        p.name.setAlignment(2);
        p.name.setBackColor(p.colour);
        p.name.setCaption(p.caption);
        p.name.setVisible(false);
        p.score.place(120, p.top + 420, 3495, 615);
        p.score.setFont(QStringLiteral("Times New Roman"), 24, true);
        p.score.setAlignment(2);
        p.score.setBackStyle(0);
        p.score.setCaption(QStringLiteral("0"));
        p.score.setVisible(false);
    }

    // MIDI input.
    common::entree_midi_du_jeu(Label_port, List1, Command_start);
    int row = 0;
    for (platform::TextBox* t : {&Text1, &Text2, &Text3, &Text4}) {
        t->place(kOutside, 5400 + 360 * row++, 1095, 285);
        t->widget()->setFocusPolicy(Qt::NoFocus);
    }

    // The piano, then the keyboard cursors over it.
    keys_ = {
#define TV_LIST_PP_KEY(number, widget, note) &widget,
        TV_PIANO_KEYS(TV_LIST_PP_KEY)
#undef TV_LIST_PP_KEY
    };
    common::designPiano(keys_, kKeyLefts);
    common::bindPianoMouse(
        keys_, [this] { return Picture_bleu.visible(); }, [this](int k) { enfoncer_touche(k); },
        [this](int k) { relacher_touche(k); });
    curseurs.attach(*this);

    // State holders.
    designHolder(Label_keydown1, 120, QStringLiteral("1"));
    designHolder(Label_keydown2, 480, QStringLiteral("1"));
    designHolder(Label_focus, 840, QStringLiteral("focus"));
    designHolder(Label_focus2, 3720, QStringLiteral("focus2"));
    designHolder(Label_choix_jeu, 1200, QStringLiteral("choix jeu"));
    designHolder(nb_note, 1560, QStringLiteral("nb_note"));
    designHolder(Label_note, 1920, QStringLiteral("0"));
    designHolder(Label_reponse_joueur, 2280, QStringLiteral("Label2"));
    designHolder(Label_timer2, 2640, QStringLiteral("0"));
    designHolder(Label_timer3, 3000, QStringLiteral("1000"));
    designHolder(save_score, 3360, QStringLiteral("save_score"));
    save_score.setVisible(false);
    row = 0;
    for (platform::CommandButton* b : {&Command_niveau1, &Command_niveau2, &Command_niveau3, &Command_niveau4,
                                       &Command_reussi}) {
        b->place(kOutside + 1200, 120 + 360 * row++, 1095, 375);
        b->setVisible(false);
    }

    // Handlers.
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

void Form_pp::Form_Load()
{
    centre();
    charger_textes_et_apparence(&Label_port);
    entree_midi.lister_peripheriques();
}

void Form_pp::Form_Unload()
{
    // Every way out of the screen passes here: its MIDI device closes with it.
    entree_midi.fermer();
}

platform::CommandButton& Form_pp::touche(int key)
{
    return *keys_.at(static_cast<size_t>(key - 1));
}

common::RoundWidgets Form_pp::manche()
{
    return manche_a_deux_joueurs(Label_nom2, Label_reponse_joueur, Label_score1, Label_score2);
}

// ------------------------------------------------------------------------------- the round

void Form_pp::lancer_compte_a_rebours()
{
    // The pause after a wrong answer of the round before ends too (the clock and the pause
    // after a right one stop as the countdown starts).
    Timer3.setEnabled(false);
    Picture_note2.setVisible(false);
    Picture_note.setVisible(false);
    common::commencer_compte_a_rebours(manche());
}

void Form_pp::Label_jouer_Click()
{
    lancer_compte_a_rebours();
    Label_score1.setCaption(QStringLiteral("0"));
    Label_score2.setCaption(QStringLiteral("0"));
}

void Form_pp::Timer4_Timer()
{
    const QString seconds = common::duree_du_jeu();
    if (!common::seconde_compte_a_rebours(manche(), seconds))
        return;
    choisir_apparence_note_pp();
    Picture_note2.setVisible(true);
    Picture_note.setVisible(true);
    if (const std::optional<int> level = niveau_du_texte(Label_niveau.caption()))
        tirer_note_du_niveau(*level);
}

void Form_pp::Command_niveau_Click(int level)
{
    const std::optional<DrawnNote> drawn = tirer_note(level);
    if (!drawn)
        return;
    tirage_note = drawn->draw;
    note_triste = common::afficher_note(Picture_note, Picture_note2, nb_note.caption(), drawn->note.name);
    Label_note.setCaption(str(drawn->note.key));
    platform::form<media::Form_instrument>().Command_pp.setValue(true);
    Timer1.setEnabled(true);
}

void Form_pp::Timer1_Timer()
{
    const QString colour =
        common::couleur_du_jeu(Label_choix_jeu.caption(), {"jaune_clair", "rouge_clair", "bleu_turquoise"});
    if (common::seconde_horloge(manche(), colour, metronome_a_droite, val(common::duree_du_jeu())))
        traiter_mauvaise_reponse_pp();
}

void Form_pp::Timer3_Timer()
{
    if (common::seconde_pause(Label_timer3))
        Timer3.setEnabled(false);
}

void Form_pp::Label_stop_Click()
{
    Label_apparence.setEnabled(true);
    // Neither the pending next note nor the countdown may start the clock again.
    common::arreter_manche(manche());
}

void Form_pp::Label_suite_Click()
{
    if (common::niveau_suivant(manche(), Label_niveau))
        lancer_compte_a_rebours();
    colorer_touches_niveau_pp();
}

void Form_pp::Label_retour_Click()
{
    platform::unload(*this);
}

void Form_pp::fin_de_partie()
{
    StaffGameScreen::fin_de_partie();
    Timer3.setEnabled(false);
}

QString Form_pp::code_jeu() const
{
    return common::code_du_jeu(Label_choix_jeu.caption(), {"pp", "pp2", "pp3"});
}

void Form_pp::Command_reussi_Click()
{
    common::enregistrer_niveau_reussi(code_jeu(), Label_niveau.caption());
}

// ------------------------------------------------------------------------------- the keys

void Form_pp::enfoncer_touche(int key)
{
    common::startKeyNote(key);
    if (!common::reponse_jugee(manche()))
        return;
    if (Label_note.caption() == str(key))
        traiter_bonne_reponse_pp();
    else
        traiter_mauvaise_reponse_pp();
}

void Form_pp::relacher_touche(int key)
{
    common::stopKeyNote(key);
}

} // namespace games::staff_keyboard
