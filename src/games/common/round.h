#pragma once
// The round of the timed games (staff to keyboard, staff to name, name to keyboard): the 3-2-1
// countdown, the start values, the one-second clock with its metronome, score bar and time
// bar, the pause after a right answer, the test that lets an answer be judged, the timers'
// stops at every start and end, "Arrêter", "Suivant" and the level read from its text.  The
// state stays in the screen's widgets (numbers as text); a screen hands its widgets over in a
// RoundWidgets and adds what is its own.

#include <QString>

#include <optional>

namespace platform {
class Image;
class Label;
class Timer;
} // namespace platform

namespace games::common {

constexpr int kStartScore = 100;
constexpr int kPassScore = 200;
constexpr int kAnswerPoints = 10;
constexpr int kPauseMs = 1000;
constexpr int kCountdownFrom = 3;
constexpr int kScoredRunSeconds = 60;
// The highest level of the games with fourteen levels (the name-to-keyboard games have 4).
constexpr int kLastLevel = 14;
// Bars in twips: 58.8 a point, 588 an answer, full at 200 points.
constexpr double kFullBar = 11760;
constexpr double kStartScoreBar = 5880;
constexpr double kBarPerPoint = 58.8;
constexpr double kBarPerAnswer = 588;
// The score bar shrinks at a tick only while it is wider than this.
constexpr double kScoreBarFloor = 59;

struct RoundWidgets {
    platform::Label& Label_temps;
    platform::Label& Label_score;
    platform::Label& Label_barre_score;
    platform::Label& Label_barre_temps;
    platform::Label& Label_debut;
    platform::Label& Label_timer2;
    platform::Label& Label_aide;
    platform::Label& Label_suite;
    platform::Label& save_score;
    platform::Image& Metronome_stop;
    platform::Timer& Timer1;  // the clock
    platform::Timer& Timer2;  // the pause after a right answer
    platform::Timer& Timer4;  // the countdown
    // Visible in a two-player game; a screen without two-player play (pn) leaves it out.
    platform::Label* Label_nom2 = nullptr;
};

// Adds n to a number held as text.
void ajouter(platform::Label& label, double n);

// The level held in a text, "1" to the last level exactly (" 4", "04" or "4.0" are none);
// nothing otherwise.
std::optional<int> niveau_du_texte(const QString& text, int dernier = kLastLevel);

// A two-player game: the screen has two-player play and Label_nom2 is shown.
bool deux_joueurs(const RoundWidgets& w);
// A scored run: save_score is shown.
bool partie_notee(const RoundWidgets& w);

// "Jouer / Rejouer" and "Suivant": the round before ends (clock and pause stopped, so no
// answer is judged during the countdown and no note of the round before comes), then the
// countdown from 3 starts: help text emptied, "3" shown, no pause pending.  The screen hides
// its own question (note pictures, name) itself.
void commencer_compte_a_rebours(const RoundWidgets& w);
// One second of the countdown.  When it reaches 0 the countdown ends and the round's start
// values are set (bars, "Suivant" off, seconds and score); returns true then, and the screen
// draws its first question.
bool seconde_compte_a_rebours(const RoundWidgets& w, const QString& seconds);

// One second of the clock: the metronome swings (colour empty: no picture changes), a second
// and a point go, the bars move.  Returns true when the round has run out: at 0 seconds in a
// scored run, at 0 seconds or less in a two-player game, at 0 seconds or 0 points or less
// for one player.
bool seconde_horloge(const RoundWidgets& w, const QString& colour, bool& metronomeRight, double duration);

// One second of a pause counter held in milliseconds; true once it is over (0 or less).
bool seconde_pause(platform::Label& counter);

// Arms the pause after a right answer: "1000" in Label_timer2, Timer2 on.
void armer_pause(const RoundWidgets& w);

// Every end of a level (passed, lost, two-player end, scored-run end): the clock and the
// pause stop, so that no note of this round comes afterwards.
void terminer_manche(const RoundWidgets& w);

// "Arrêter": the clock, the pause and the countdown stop and the countdown digit goes, so
// that nothing starts the clock again.  The screen adds its own steps.
void arreter_manche(const RoundWidgets& w);

// "Suivant": the button goes off at its own click (one level per pass, however fast the
// clicks come), the help text is emptied, and below the last level the level rises by one
// and true is returned: the screen then starts its countdown as "Jouer" does.  At the last
// level (or another text) the level stays and false is returned.
bool niveau_suivant(const RoundWidgets& w, platform::Label& Label_niveau, int dernier = kLastLevel);

// The effect of the wrong answer, pressed last by a judge once every state change of that
// answer is made: a message box the effect player may show lets the clocks run, and nothing
// of the answer may land after the level ended meanwhile.
void jouer_bruitage_erreur();
// Stops the effect playing (a right answer).
void arreter_bruitage();

// A key press is judged only while the clock runs, no pause is pending and time is left.
bool reponse_jugee(const RoundWidgets& w);

// The score bar after a right / a wrong answer of one player.
void barre_bonne_reponse(platform::Label& bar);
void barre_mauvaise_reponse(platform::Label& bar);

// The metronome picture of the picture store for a colour (jaune_clair, vert_clair ...).
void balancer_metronome(platform::Image& metronome, const QString& colour, bool& metronomeRight);

// A picture of the picture store by its widget name; nullptr when the store has no such image.
const platform::Image* image_du_magasin(const QString& name);

} // namespace games::common
