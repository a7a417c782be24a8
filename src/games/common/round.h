#pragma once
// The round of the timed keyboard games: the 3-2-1 countdown, the start values, the one-second
// clock with its metronome, score bar and time bar, the pause after a right answer and the
// test that lets a key press be judged.  The state stays in the screen's widgets (numbers as
// text); a screen hands its widgets over in a RoundWidgets and adds what is its own.

#include <QString>

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
    platform::Label& Label_nom2;
    platform::Label& save_score;
    platform::Image& Metronome_stop;
    platform::Timer& Timer1;  // the clock
    platform::Timer& Timer2;  // the pause after a right answer
    platform::Timer& Timer4;  // the countdown
};

// Adds n to a number held as text.
void ajouter(platform::Label& label, double n);

bool deux_joueurs(const RoundWidgets& w);
bool partie_notee(const RoundWidgets& w);

// The countdown from 3 starts: help text emptied, "3" shown, no pause pending.
void commencer_compte_a_rebours(const RoundWidgets& w);
// One second of the countdown.  When it reaches 0 the countdown ends and the round's start
// values are set (bars, "Suivant" off, seconds and score); returns true then, and the screen
// draws its first question.
bool seconde_compte_a_rebours(const RoundWidgets& w, const QString& seconds);

// One second of the clock: the metronome swings (colour empty: no picture changes), a second
// and a point go, the bars move (the time bar by 11760 / duration, by 11760 / 60 in a scored
// run).  Returns true when the round has run out: at 0 seconds or less in a scored run or a
// two-player game, at 0 seconds or 0 points or less for one player.
bool seconde_horloge(const RoundWidgets& w, const QString& colour, bool& metronomeRight, double duration);

// One second of a pause counter held in milliseconds; true once it is over (0 or less).
bool seconde_pause(platform::Label& counter);

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
