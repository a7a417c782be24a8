#pragma once
// The game screen of the staff-to-keyboard games "pp", "pp2" and "pp3": a note on a grand
// staff above a 40-key piano, a clock, a score and their bars.  The game's state lives in the
// widgets (numbers as text); the level-choice screens write the level, the game number, the
// names and the input mode into it before they show it.

#include "games/common/keyboard_cursors.h"
#include "games/common/midi_keys.h"
#include "games/common/piano_keys.h"
#include "games/common/round.h"
#include "games/common/staff_screen.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"

#include <array>

namespace games::staff_keyboard {

class Form_pp : public common::StaffGameScreen {
    Q_OBJECT
public:
    Form_pp();

    void Form_Load() override;
    void Form_Unload() override;

    // Two players.
    platform::Label Label_nom1{this, QStringLiteral("Label_nom1")};
    platform::Label Label_nom2{this, QStringLiteral("Label_nom2")};
    platform::Label Label_score1{this, QStringLiteral("Label_score1")};
    platform::Label Label_score2{this, QStringLiteral("Label_score2")};

    // MIDI input: the prompt, the device list, "Ok" and the hidden inbox fields.
    platform::Label Label_port{this, QStringLiteral("Label_port")};
    platform::ListBox List1{this, QStringLiteral("List1")};
    platform::CommandButton Command_start{this, QStringLiteral("Command_start")};
    platform::TextBox Text1{this, QStringLiteral("Text1")};
    platform::TextBox Text2{this, QStringLiteral("Text2")};
    platform::TextBox Text3{this, QStringLiteral("Text3")};
    platform::TextBox Text4{this, QStringLiteral("Text4")};

    // Computer-keyboard cursors and their flags.
    platform::PictureBox Picture_bleu{this, QStringLiteral("Picture_bleu")};
    platform::PictureBox Picture_rouge{this, QStringLiteral("Picture_rouge")};
    platform::Label Label_keydown1{this, QStringLiteral("Label_keydown1")};
    platform::Label Label_keydown2{this, QStringLiteral("Label_keydown2")};
    platform::Label Label_focus{this, QStringLiteral("Label_focus")};
    platform::Label Label_focus2{this, QStringLiteral("Label_focus2")};

    // State holders outside the visible area.
    platform::Label Label_choix_jeu{this, QStringLiteral("Label_choix_jeu")};
    platform::Label Label_reponse_joueur{this, QStringLiteral("Label_reponse_joueur")};
    platform::Label Label_timer3{this, QStringLiteral("Label_timer3")};

    // The 40 piano keys, Piano_01_fa ... piano_40_lab.
#define TV_DECLARE_PP_KEY(number, widget, note) \
    platform::CommandButton widget{this, QStringLiteral(#widget)};
    TV_PIANO_KEYS(TV_DECLARE_PP_KEY)
#undef TV_DECLARE_PP_KEY

    // The pause after a wrong answer (the clock, the pause after a right answer and the
    // countdown are the staff screens' own).
    platform::Timer Timer3{this, QStringLiteral("Timer3"), 1000, false};

    // The two players' cursors under the piano and their keys.
    common::KeyboardCursors curseurs{{Picture_bleu, Picture_rouge, Label_keydown1, Label_keydown2, Label_focus,
                                      Label_focus2, Label_reponse_joueur},
                                     [this](int k) { enfoncer_touche(k); },
                                     [this](int k) { relacher_touche(k); }};

    // The MIDI instrument: "Ok" opens the chosen device, Text1 takes its messages.
    common::EntreeMidi entree_midi{{Label_port, List1, Command_start, Text1, Text2, Text3, Text4, Picture_bleu},
                                   [this](int k) { enfoncer_touche(k); },
                                   [this](int k) { relacher_touche(k); }};

    // The last draw of a note generator.
    int tirage_note = 0;

    // The code of the game played, by its number: "pp", "pp2", "pp3"; empty for another one.
    QString code_jeu() const;

    // Key k (1 to 40) as a widget.
    platform::CommandButton& touche(int key);
    const std::array<platform::CommandButton*, common::kKeyCount>& touches() const { return keys_; }

    // The press and release actions of key k, whatever plays it (mouse, keyboard, MIDI).
    void enfoncer_touche(int key);
    void relacher_touche(int key);

    // Button handlers (public: the level-choice screens close a loaded game screen through
    // its "Retour" before launching it afresh).
    void Label_jouer_Click() override;
    void Label_stop_Click() override;
    void Label_suite_Click() override;
    void Label_retour_Click() override;
    // The pause after a wrong answer stops too.
    void fin_de_partie() override;
    // The round's widgets with the two-player part.
    common::RoundWidgets manche() override;

private:
    void Timer1_Timer() override;
    void Timer3_Timer();
    void Timer4_Timer() override;
    void Command_niveau_Click(int level) override;
    void Command_reussi_Click() override;
    // Ends the round before and starts the countdown of a new one.
    void lancer_compte_a_rebours();

    std::array<platform::CommandButton*, common::kKeyCount> keys_{};
};

} // namespace games::staff_keyboard
