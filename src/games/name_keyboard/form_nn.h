#pragma once
// The game screen of the name-to-keyboard games "nn" and "nn2": a note name in the player's
// language above a 40-key piano, a clock, a score and their bars.  The game's state lives in
// the widgets (numbers as text); the level-choice screens write the level, the game number,
// the names and the input mode into it before they show it.

#include "games/common/keyboard_cursors.h"
#include "games/common/midi_keys.h"
#include "games/common/piano.h"
#include "games/common/piano_keys.h"
#include "games/common/round.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"

namespace games::name_keyboard {

class Form_nn : public platform::Form {
    Q_OBJECT
public:
    Form_nn();

    void Form_Load() override;
    void Form_Unload() override;

    // The black panel behind the piano, lowest of all.
    platform::Label Label1{this, QStringLiteral("Label1")};

    // The row of label buttons.
    platform::Label Label_jouer{this, QStringLiteral("Label_jouer")};
    platform::Label Label_stop{this, QStringLiteral("Label_stop")};
    platform::Label Label_retour{this, QStringLiteral("Label_retour")};
    platform::Label Label_suite{this, QStringLiteral("Label_suite")};
    platform::Label Label_temps_jeu{this, QStringLiteral("Label_temps_jeu")};
    platform::Label Label_bruitages{this, QStringLiteral("Label_bruitages")};

    // Score and time with their bars.
    platform::Label Label_rouge_score{this, QStringLiteral("Label_rouge_score")};
    platform::Label Label_barre_score{this, QStringLiteral("Label_barre_score")};
    platform::Label Label_rouge_temps{this, QStringLiteral("Label_rouge_temps")};
    platform::Label Label_barre_temps{this, QStringLiteral("Label_barre_temps")};
    platform::Label Label_sc{this, QStringLiteral("Label_sc")};
    platform::Label Label_score{this, QStringLiteral("Label_score")};
    platform::Label Label_temps_restant{this, QStringLiteral("Label_temps_restant")};
    platform::Label Label_temps{this, QStringLiteral("Label_temps")};
    platform::Label Label_secondes{this, QStringLiteral("Label_secondes")};
    platform::Label Label_level{this, QStringLiteral("Label_level")};
    platform::Label Label_niveau{this, QStringLiteral("Label_niveau")};

    // Two players.
    platform::Label Label_nom1{this, QStringLiteral("Label_nom1")};
    platform::Label Label_score1{this, QStringLiteral("Label_score1")};
    platform::Label Label_nom2{this, QStringLiteral("Label_nom2")};
    platform::Label Label_score2{this, QStringLiteral("Label_score2")};

    // The question, the countdown, the end text and the metronome.
    platform::Image Metronome_stop{this, QStringLiteral("Metronome_stop")};
    platform::Label Label_nom_note{this, QStringLiteral("Label_nom_note")};
    platform::Label Label_debut{this, QStringLiteral("Label_debut")};
    platform::Label Label_aide{this, QStringLiteral("Label_aide")};

    // The 40 piano keys, Piano_01_fa ... piano_40_lab.
#define TV_DECLARE_NN_KEY(number, widget, note) \
    platform::CommandButton widget{this, QStringLiteral(#widget)};
    TV_PIANO_KEYS(TV_DECLARE_NN_KEY)
#undef TV_DECLARE_NN_KEY

    // Computer-keyboard cursors and their flags.
    platform::PictureBox Picture_bleu{this, QStringLiteral("Picture_bleu")};
    platform::PictureBox Picture_rouge{this, QStringLiteral("Picture_rouge")};
    platform::Label Label_keydown1{this, QStringLiteral("Label_keydown1")};
    platform::Label Label_keydown2{this, QStringLiteral("Label_keydown2")};
    platform::Label Label_focus{this, QStringLiteral("Label_focus")};
    platform::Label Label_focus2{this, QStringLiteral("Label_focus2")};

    // MIDI input: the prompt over the button row, the device list, "Ok" and the hidden inbox
    // fields.
    platform::Label Label_port{this, QStringLiteral("Label_port")};
    platform::ListBox List1{this, QStringLiteral("List1")};
    platform::CommandButton Command_start{this, QStringLiteral("Command_start")};
    platform::TextBox Text1{this, QStringLiteral("Text1")};
    platform::TextBox Text2{this, QStringLiteral("Text2")};
    platform::TextBox Text3{this, QStringLiteral("Text3")};
    platform::TextBox Text4{this, QStringLiteral("Text4")};

    // State holders outside the visible area.
    platform::Label Label_timer2{this, QStringLiteral("Label_timer2")};
    platform::Label Label_choix_jeu{this, QStringLiteral("Label_choix_jeu")};
    platform::Label save_score{this, QStringLiteral("save_score")};
    platform::Label Label_note{this, QStringLiteral("Label_note")};
    platform::Label Label_reponse_joueur{this, QStringLiteral("Label_reponse_joueur")};

    // Hidden actions: the questions of levels 1 to 4 and the level passed.
    platform::CommandButton Command_niveau1{this, QStringLiteral("Command_niveau1")};
    platform::CommandButton Command_niveau2{this, QStringLiteral("Command_niveau2")};
    platform::CommandButton Command_niveau3{this, QStringLiteral("Command_niveau3")};
    platform::CommandButton Command_niveau4{this, QStringLiteral("Command_niveau4")};
    platform::CommandButton Command_reussi{this, QStringLiteral("Command_reussi")};

    // The clock, the pause after a right answer, the countdown.
    platform::Timer Timer1{this, QStringLiteral("Timer1"), 1000, false};
    platform::Timer Timer2{this, QStringLiteral("Timer2"), 1000, false};
    platform::Timer Timer4{this, QStringLiteral("Timer4"), 1000, false};

    // The two players' cursors under the piano and their keys.
    common::KeyboardCursors curseurs{{Picture_bleu, Picture_rouge, Label_keydown1, Label_keydown2, Label_focus,
                                      Label_focus2, Label_reponse_joueur},
                                     [this](int k) { enfoncer_touche(k); },
                                     [this](int k) { relacher_touche(k); }};

    // The MIDI instrument: "Ok" opens the chosen device, Text1 takes its messages.
    common::EntreeMidi entree_midi{{Label_port, List1, Command_start, Text1, Text2, Text3, Text4, Picture_bleu},
                                   [this](int k) { enfoncer_touche(k); },
                                   [this](int k) { relacher_touche(k); }};

    // Which metronome picture comes next; flipped every clock second.
    bool metronome_a_droite = false;
    // The last draw of the question drawing.
    int tirage_note = 0;

    // Key k (1 to 40) as a widget.
    platform::CommandButton& touche(int key);
    const common::PianoKeys& touches() const { return keys_; }

    // The press and release actions of key k, whatever plays it (mouse, computer keyboard,
    // MIDI): the press sounds the key and judges it while a question is open, the release
    // ends the note.
    void enfoncer_touche(int key);
    void relacher_touche(int key);

    // Button handlers (public: the level-choice screens and the menu close a loaded game
    // screen through its "Retour").
    void Label_jouer_Click();
    void Label_stop_Click();
    void Label_suite_Click();
    void Label_retour_Click();
    void Label_bruitages_Click();
    void Label_temps_jeu_Click();

    // Places the asked name where it is read in full: over the piano's middle for one player,
    // right of the names and scores for two, in the largest size up to 72 points that fits.
    void ajuster_nom_note();

    // The widgets of the round, as the shared round code reads them.
    common::RoundWidgets manche();

    // The code of the game played, by its number: "nn", "nn2"; empty for another one.
    QString code_jeu() const;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer4_Timer();
    void Command_niveau_Click(int level);
    void Command_reussi_Click();
    // Asks the next question of the level held in Label_niveau (levels 1 to 4).
    void poser_question();

    common::PianoKeys keys_{};
};

} // namespace games::name_keyboard
