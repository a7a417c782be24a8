#pragma once
// What every game screen shares ("pp", "pp2", "pp3" on Form_pp, "pn" on Form_pn, "nn", "nn2"
// on Form_nn): the row of label buttons, the countdown digit and the end-of-level text, the
// metronome, the level, the score and time with their bars, the state holders and hidden
// actions of the round, its three timers, and the two settings buttons every screen has.
// Each screen lays the widgets out (dressed by game_screen.h) and adds its own.
//
// These widgets are created before the screen's own, so they lie under them; a screen whose
// own widgets must lie lower restacks them in its constructor.

#include "games/common/round.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"

namespace games::common {

class GameScreen : public platform::Form {
    Q_OBJECT
public:
    // The row of label buttons.
    platform::Label Label_jouer{this, QStringLiteral("Label_jouer")};
    platform::Label Label_stop{this, QStringLiteral("Label_stop")};
    platform::Label Label_retour{this, QStringLiteral("Label_retour")};
    platform::Label Label_suite{this, QStringLiteral("Label_suite")};
    platform::Label Label_temps_jeu{this, QStringLiteral("Label_temps_jeu")};
    platform::Label Label_bruitages{this, QStringLiteral("Label_bruitages")};

    // The countdown digit, the end-of-level text and the metronome.
    platform::Label Label_debut{this, QStringLiteral("Label_debut")};
    platform::Label Label_aide{this, QStringLiteral("Label_aide")};
    platform::Image Metronome_stop{this, QStringLiteral("Metronome_stop")};

    // Level, score and time.
    platform::Label Label_level{this, QStringLiteral("Label_level")};
    platform::Label Label_niveau{this, QStringLiteral("Label_niveau")};
    platform::Label Label_sc{this, QStringLiteral("Label_sc")};
    platform::Label Label_score{this, QStringLiteral("Label_score")};
    platform::Label Label_rouge_score{this, QStringLiteral("Label_rouge_score")};
    platform::Label Label_barre_score{this, QStringLiteral("Label_barre_score")};
    platform::Label Label_temps_restant{this, QStringLiteral("Label_temps_restant")};
    platform::Label Label_temps{this, QStringLiteral("Label_temps")};
    platform::Label Label_secondes{this, QStringLiteral("Label_secondes")};
    platform::Label Label_rouge_temps{this, QStringLiteral("Label_rouge_temps")};
    platform::Label Label_barre_temps{this, QStringLiteral("Label_barre_temps")};

    // State holders outside the visible area: the answer to find, the pause, the score kept.
    platform::Label Label_note{this, QStringLiteral("Label_note")};
    platform::Label Label_timer2{this, QStringLiteral("Label_timer2")};
    platform::Label save_score{this, QStringLiteral("save_score")};

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

    // Which metronome picture comes next; flipped every clock second.
    bool metronome_a_droite = false;

    // The widgets of the round, as the shared round code reads them (a screen with two-player
    // play adds that part).
    virtual RoundWidgets manche();

    // The round's buttons, each screen's own.
    virtual void Label_jouer_Click() = 0;
    virtual void Label_stop_Click() = 0;
    virtual void Label_suite_Click() = 0;
    virtual void Label_retour_Click() = 0;

    // The settings buttons: the sound effects and the game duration, each with the player's
    // setting loaded, shown modal.
    void Label_bruitages_Click();
    void Label_temps_jeu_Click();

protected:
    // Wires the buttons, hidden actions and timers to their handlers; a close from the desktop
    // leaves as "Retour" does.
    explicit GameScreen(const QString& formName);

    // The captions of the shared widgets (and of the MIDI prompt, when given) from the text
    // store, in the current language.
    void charger_legendes(platform::Label* port = nullptr);

    // The round's widgets with the two-player part of a screen that has one: the second
    // player's name, who played last and the two scores.
    RoundWidgets manche_a_deux_joueurs(platform::Label& nom2, platform::Label& reponseJoueur, platform::Label& score1,
                                       platform::Label& score2);

    // The next question of a level (Command_niveau1 .. 4), the level passed, and the ticks of
    // the clock, the pause and the countdown.
    virtual void Command_niveau_Click(int level) = 0;
    virtual void Command_reussi_Click() = 0;
    virtual void Timer1_Timer() = 0;
    virtual void Timer2_Timer() = 0;
    virtual void Timer4_Timer() = 0;
};

} // namespace games::common
