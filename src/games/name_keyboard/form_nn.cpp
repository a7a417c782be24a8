#include "games/name_keyboard/form_nn.h"

#include "games/common/game_screen.h"
#include "games/common/progress.h"
#include "games/name_keyboard/module_nn.h"
#include "games/name_keyboard/questions.h"
#include "platform/vb.h"
#include "shell/looks.h"

#include <QFontMetrics>

namespace games::name_keyboard {

using platform::str;
using platform::val;

namespace {

// Left edges of the 40 keys on this screen, in twips.
constexpr common::PianoLefts kKeyLefts{
    0,    270,  525,  840,  1035, 1380, 1560, 2085, 2340, 2595, 2940, 3120, 3645, 3900,
    4155, 4470, 4680, 5040, 5205, 5715, 6000, 6240, 6600, 6765, 7275, 7560, 7800, 8130,
    8325, 8700, 8835, 9360, 9660, 9885, 10200, 10395, 10920, 11190, 11445, 11730};

constexpr quint32 kRed = 0x0000FF;

// Widgets that only hold state lie to the right of the visible area.
constexpr double kOutside = 12960;

// The asked name: a line of 72 points with room for its descenders, over the middle of the
// screen for one player; right of the names and scores (which end at 3825) and left of the
// metronome (from 9960) for two.
constexpr double kNameTop = 1320, kNameHeight = 1815;
constexpr double kNameLeft = 2100, kNameWidth = 7800;
constexpr double kNameLeftTwoPlayers = 3945, kNameWidthTwoPlayers = 5895;
constexpr double kNamePoints = 72;

void designButton(platform::Label& label, double left, double width, const QString& caption)
{
    label.place(left, 120, width, 375);
    label.setCaption(caption);
    shell::makeTextButton(label);
}

void designHolder(platform::Label& label, double top, const QString& caption)
{
    label.place(kOutside, top, 1095, 255);
    label.setCaption(caption);
}

} // namespace

Form_nn::Form_nn() : GameScreen(QStringLiteral("Form_nn"))
{
    setClientSize(12000, 9000);
    setBorderStyle(0);
    setBackColor(platform::colors::kWhite);
    setCaption(QStringLiteral("Tastevolo"));

    // The shared widgets were created first: the black panel goes back under everything, the
    // asked name, the countdown digit and the end-of-level text over the players' names and
    // the score line, under the piano.
    Label1.widget()->lower();
    for (QWidget* over : {Label_nom_note.widget(), Label_debut.widget(), Label_aide.widget()})
        over->stackUnder(Piano_01_fa.widget());

    Label1.place(-870, 4920, 13005, 4095);
    Label1.setBackColor(platform::colors::kBlack);

    // The row of buttons; "Arrêter" keeps the standard pointer.
    designButton(Label_jouer, 120, 2295, QStringLiteral("Jouer / Rejouer"));
    Label_jouer.setBackColor(platform::colors::kWhite);
    designButton(Label_stop, 2520, 1575, QStringLiteral("Arrêter"));
    Label_stop.setForeColor(platform::colors::kBlack);
    Label_stop.setMousePointer(platform::kPointerDefault);
    designButton(Label_retour, 4200, 1575, QStringLiteral("Retour"));
    designButton(Label_suite, 5880, 1575, QStringLiteral("Suivant"));
    Label_suite.setForeColor(platform::colors::kBlack);
    Label_suite.setEnabled(false);
    designButton(Label_temps_jeu, 7560, 2295, QStringLiteral("Durée du jeu"));
    Label_temps_jeu.setForeColor(platform::colors::kBlack);
    designButton(Label_bruitages, 9960, 1935, QStringLiteral("Bruitages"));
    Label_bruitages.setForeColor(platform::colors::kBlack);

    // The question, the countdown and the end text.
    Label_nom_note.place(kNameLeft, kNameTop, kNameWidth, kNameHeight);
    Label_nom_note.setCaption(QStringLiteral("Do sostenido"));
    Label_nom_note.setForeColor(kRed);
    Label_nom_note.setBackStyle(0);
    Label_nom_note.setAlignment(2);
    Label_nom_note.setWordWrap(false);
    Label_nom_note.setFont(QStringLiteral("Times New Roman"), kNamePoints, true);
    Label_nom_note.setVisible(false);
    Label_debut.place(5393, 1560, 1215, 1695);
    Label_debut.setForeColor(kRed);
    Label_debut.setBackStyle(0);
    Label_debut.setAlignment(2);
    Label_debut.setFont(QStringLiteral("Times New Roman"), 72, true);
    Label_aide.place(3840, 1920, 3615, 2415);
    Label_aide.setForeColor(platform::colors::kBlack);
    Label_aide.setBackStyle(0);
    Label_aide.setAlignment(2);
    Label_aide.setFont(QStringLiteral("Arial"), 12, true, true);
    Metronome_stop.place(9960, 2610, 765, 1200);

    // Two players: names, and the scores in the colours of their cursors.
    for (platform::Label* name : {&Label_nom1, &Label_nom2}) {
        name->setBackStyle(0);
        name->setAlignment(2);
        name->setFont(QStringLiteral("Times New Roman"), 14.25, true);
        name->setVisible(false);
    }
    Label_nom1.place(120, 1200, 3705, 495);
    Label_nom1.setCaption(QStringLiteral("Nom du joueur 1"));
    Label_nom2.place(120, 2520, 3705, 495);
    Label_nom2.setCaption(QStringLiteral("Nom du joueur 2"));
    for (platform::Label* score : {&Label_score1, &Label_score2}) {
        score->setAlignment(2);
        score->setFont(QStringLiteral("Times New Roman"), 14.25, true);
        score->setCaption(QStringLiteral("0"));
        score->setVisible(false);
    }
    Label_score1.place(1560, 1680, 855, 375);
    Label_score1.setBackColor(common::kPlayer1Colour);
    Label_score2.place(1560, 3000, 855, 375);
    Label_score2.setBackColor(common::kPlayer2Colour);

    // Score and time: their words on one line just above the two bars, so that no bar runs
    // through them.
    common::texte_du_jeu(Label_sc, 120, 4185, 1695);
    common::texte_du_jeu(Label_score, 1800, 4185, 855, 2);
    Label_score.setCaption(QStringLiteral("100"));
    common::texte_du_jeu(Label_temps_restant, 7395, 4185, 2295, 1);
    common::texte_du_jeu(Label_temps, 9690, 4185, 735, 2);
    Label_temps.setCaption(QStringLiteral("0"));
    common::texte_du_jeu(Label_secondes, 10425, 4185, 1455);
    common::barres_du_jeu(Label_rouge_score, Label_barre_score, Label_rouge_temps, Label_barre_temps, 4440, 4680);
    common::texte_du_jeu(Label_level, 10350, 4920, 1155, 2);
    Label_level.setCaption(QStringLiteral("NIVEAU"));
    Label_level.setForeColor(kRed);
    common::texte_du_jeu(Label_niveau, 11430, 4920, 495);
    Label_niveau.setForeColor(kRed);

    // The piano, then the keyboard cursors over it.
    keys_ = {
#define TV_LIST_NN_KEY(number, widget, note) &widget,
        TV_PIANO_KEYS(TV_LIST_NN_KEY)
#undef TV_LIST_NN_KEY
    };
    common::designPiano(keys_, kKeyLefts);
    common::bindPianoMouse(
        keys_, [this] { return Picture_bleu.visible(); }, [this](int k) { enfoncer_touche(k); },
        [this](int k) { relacher_touche(k); });
    curseurs.attach(*this);

    // MIDI input.
    common::entree_midi_du_jeu(Label_port, List1, Command_start);
    shell::useHandPointer(Label_port);
    int row = 0;
    for (platform::TextBox* t : {&Text1, &Text2, &Text3, &Text4}) {
        t->place(120, 9300 + 300 * row++, 1095, 285);
        t->widget()->setFocusPolicy(Qt::NoFocus);
    }

    // State holders.
    designHolder(Label_keydown1, 120, QStringLiteral("1"));
    designHolder(Label_keydown2, 480, QStringLiteral("1"));
    designHolder(Label_focus, 840, QStringLiteral("focus"));
    designHolder(Label_focus2, 840, QStringLiteral("focus2"));
    Label_focus2.setLeft(kOutside + 1200);
    designHolder(Label_choix_jeu, 1200, QStringLiteral("choix jeu"));
    designHolder(Label_note, 1560, QStringLiteral("0"));
    designHolder(Label_reponse_joueur, 1920, QStringLiteral("Label2"));
    designHolder(Label_timer2, 2280, QStringLiteral("0"));
    designHolder(save_score, 2640, QStringLiteral("save_score"));
    save_score.setVisible(false);
    row = 0;
    for (platform::CommandButton* b : {&Command_niveau1, &Command_niveau2, &Command_niveau3, &Command_niveau4,
                                       &Command_reussi}) {
        b->place(kOutside, 3120 + 420 * row++, 1095, 375);
        b->setVisible(false);
    }
    Command_reussi.setCaption(QStringLiteral("niveau"));
    Command_niveau1.setCaption(QStringLiteral("niveau1"));
}

void Form_nn::Form_Load()
{
    centre();
    charger_legendes(&Label_port);
    entree_midi.lister_peripheriques();
}

void Form_nn::Form_Unload()
{
    // Every way out of the screen passes here: its MIDI device closes with it.
    entree_midi.fermer();
}

platform::CommandButton& Form_nn::touche(int key)
{
    return *keys_.at(static_cast<size_t>(key - 1));
}

common::RoundWidgets Form_nn::manche()
{
    return manche_a_deux_joueurs(Label_nom2, Label_reponse_joueur, Label_score1, Label_score2);
}

void Form_nn::ajuster_nom_note()
{
    const bool twoPlayers = Label_nom2.visible();
    const double left = twoPlayers ? kNameLeftTwoPlayers : kNameLeft;
    const double width = twoPlayers ? kNameWidthTwoPlayers : kNameWidth;
    Label_nom_note.place(left, kNameTop, width, kNameHeight);
    // A little room on both sides, so that no letter touches the metronome.
    const int room = platform::twipsToPixels(width) - 16;
    double points = kNamePoints;
    for (; points > 12; points -= 2) {
        Label_nom_note.setFont(QStringLiteral("Times New Roman"), points, true);
        if (QFontMetrics(Label_nom_note.widget()->font()).horizontalAdvance(Label_nom_note.caption()) <= room)
            break;
    }
}

// ------------------------------------------------------------------------------- the round

void Form_nn::Label_jouer_Click()
{
    Label_nom_note.setVisible(false);
    common::commencer_compte_a_rebours(manche());
    Label_score1.setCaption(QStringLiteral("0"));
    Label_score2.setCaption(QStringLiteral("0"));
}

void Form_nn::Timer4_Timer()
{
    const QString seconds = common::duree_du_jeu();
    if (!common::seconde_compte_a_rebours(manche(), seconds))
        return;
    poser_question();
    Label_nom_note.setVisible(true);
}

void Form_nn::poser_question()
{
    switch (common::niveau_du_texte(Label_niveau.caption(), kLastLevel).value_or(0)) {
    case 1: Command_niveau1.setValue(true); break;
    case 2: Command_niveau2.setValue(true); break;
    case 3: Command_niveau3.setValue(true); break;
    case 4: Command_niveau4.setValue(true); break;
    default: break;
    }
}

void Form_nn::Command_niveau_Click(int level)
{
    tirer_question_nn(level);
    colorer_nom_note();
    ajuster_nom_note();
    Timer1.setEnabled(true);
}

void Form_nn::Timer1_Timer()
{
    const QString colour = common::couleur_du_jeu(Label_choix_jeu.caption(), {"vert_clair", "orange"});
    if (common::seconde_horloge(manche(), colour, metronome_a_droite, val(common::duree_du_jeu())))
        traiter_mauvaise_reponse_nn();
}

void Form_nn::Timer2_Timer()
{
    if (!common::seconde_pause(Label_timer2))
        return;
    poser_question();
    Timer2.setEnabled(false);
    Label_nom_note.setVisible(true);
}

void Form_nn::Label_stop_Click()
{
    Label_score.setCaption(str(common::kStartScore));
    Label_temps.setCaption(QStringLiteral("0"));
    // Neither the pending next question nor the countdown may start the clock again.
    common::arreter_manche(manche());
}

void Form_nn::Label_suite_Click()
{
    if (!common::niveau_suivant(manche(), Label_niveau, kLastLevel))
        return;
    Label_jouer_Click();
    colorer_touches_niveau_nn();
}

void Form_nn::Label_retour_Click()
{
    platform::unload(*this);
}

QString Form_nn::code_jeu() const
{
    return common::code_du_jeu(Label_choix_jeu.caption(), {"nn", "nn2"});
}

void Form_nn::Command_reussi_Click()
{
    // Another game number stores nothing.
    common::enregistrer_niveau_reussi(code_jeu(), Label_niveau.caption());
}

// ------------------------------------------------------------------------------- the keys

void Form_nn::enfoncer_touche(int key)
{
    common::startKeyNote(key);
    if (!common::reponse_jugee(manche()))
        return;
    if (touche_juste(key, Label_note.caption()))
        traiter_bonne_reponse_nn();
    else
        traiter_mauvaise_reponse_nn();
}

void Form_nn::relacher_touche(int key)
{
    common::stopKeyNote(key);
}

} // namespace games::name_keyboard
