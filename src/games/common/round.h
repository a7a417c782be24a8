#pragma once
// The round of the timed games (staff to keyboard, staff to name, name to keyboard): the 3-2-1
// countdown, the start values, the one-second clock with its metronome, score bar and time
// bar, the pause after a right answer, the test that lets an answer be judged, the timers'
// stops at every start and end, "Arrêter", "Suivant" and the level read from its text.  The
// state stays in the screen's widgets (numbers as text); a screen hands its widgets over in a
// RoundWidgets and adds what is its own.

#include <QString>

#include <initializer_list>
#include <optional>

namespace platform {
class CommandButton;
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
    // Two-player play: who played last ("1" or "2") and the two players' scores.
    platform::Label* Label_reponse_joueur = nullptr;
    platform::Label* Label_score1 = nullptr;
    platform::Label* Label_score2 = nullptr;
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
// and a point go, the bars move (the time bar by 11760 / duration, by 11760 / 60 in a scored
// run).  Returns true when the round has run out: at 0 seconds or less in a scored run or a
// two-player game, at 0 seconds or 0 points or less for one player.
bool seconde_horloge(const RoundWidgets& w, const QString& colour, bool& metronomeRight, double duration);

// The metronome colour of a shared game screen by its game number: "1" the first colour,
// "2" the second ...; empty (no picture changes) for another number.
QString couleur_du_jeu(const QString& gameNumber, std::initializer_list<const char*> colours);
// The code_jeu of a shared game screen by its game number, the same way ("pp", "pp2", "pp3" or
// "nn", "nn2"); empty for another number.
inline QString code_du_jeu(const QString& gameNumber, std::initializer_list<const char*> codes)
{
    return couleur_du_jeu(gameNumber, codes);
}

// One second of a pause counter held in milliseconds; true once it is over (0 or less).
bool seconde_pause(platform::Label& counter);

// Adds points to the score of the player who played last in a two-player game: Label_score1
// when Label_reponse_joueur reads "1", Label_score2 when it reads "2", nobody otherwise.
void points_du_joueur(const RoundWidgets& w, double points);

// The score of a right answer, once the screen has stopped the effect and taken its question
// away: in a scored run 10 points and the pause; with two players 10 points to the player
// who played and the pause; alone 10 points, and up to 200 the bar grows and the pause comes,
// at 200 or more the round ends with a full bar.  True when the level is passed: the screen
// then ends its own part of the round and calls niveau_reussi.
bool bonne_reponse(const RoundWidgets& w);

// A passed level (one player): below the last level the help text to go on, the named action
// that stores the progress and "Suivant" offered; at the last level the text of the game's end.
void niveau_reussi(const RoundWidgets& w, const platform::Label& Label_niveau,
                   platform::CommandButton& Command_reussi, int dernier = kLastLevel);

// Who presses the wrong-answer effect of mauvaise_reponse.
enum class Bruitage {
    EnDernier,  // mauvaise_reponse, last, for an answer that counts; an end plays none
    DejaJoue,   // the judge, before the call (bruitage_erreur_d_abord); mauvaise_reponse plays none
};

// How a wrong answer or the clock's end test came out.
enum class FinDeManche {
    Aucune,        // a wrong answer counted: 10 points off (and the bar, alone); effect played
    PartieNotee,   // the scored run's time is up: the clock and the pause stopped
    DeuxJoueurs,   // the two-player game is over: its text, the clock stopped, no bar
    Perdu,         // the level is lost: its text, 0 points, the clock stopped, no bar
};
// A wrong answer, and the end of the round when the clock says so.  The screen makes its own
// changes of a wrong answer before the call.  With Bruitage::EnDernier the effect of a counted
// answer comes last, after every change, and an end plays none.  At an end the screen then
// ends its own part of the round.
FinDeManche mauvaise_reponse(const RoundWidgets& w, Bruitage bruitage = Bruitage::EnDernier);

// The scored run's time is up: a wrong answer or the clock's end test now ends the run.
bool fin_partie_notee(const RoundWidgets& w);

// The wrong-answer effect pressed first, before the end test, by a judge that plays it for
// every wrong answer and every end of the clock (a lost level too) but the end of a scored
// run; called while the clock runs.  A failure box of the effect player lets the clock run
// behind it: false when the round ended meanwhile, and the judge then leaves it as it ended.
// A wrong answer or an end behind that box plays no second effect, so no box stacks on it.
bool bruitage_erreur_d_abord(const RoundWidgets& w);

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
