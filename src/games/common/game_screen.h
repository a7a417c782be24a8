#pragma once
// What the game screens share besides the round: the looks of their texts, bars and MIDI
// widgets, their captions from the text store, and their two settings buttons.  Each screen
// places its own widgets; this code dresses them alike.  (The keyboard cursors are dressed by
// keyboard_cursors.h.)

#include <QString>

namespace platform {
class CommandButton;
class Label;
class ListBox;
} // namespace platform

namespace games::common {

constexpr double kTextHeight = 255;
// The colours of the two players: their cursors, and their names or scores.
constexpr quint32 kPlayer1Colour = 0x00FF00;
constexpr quint32 kPlayer2Colour = 0x00FFFF;

// A word or number of the score and time lines: Arial bold 9.75 points, transparent.
// alignment: 0 left, 1 right, 2 centred.
void texte_du_jeu(platform::Label& label, double left, double top, double width, int alignment = 0);

// The score bar and the time bar on their red strips, full width from the left margin:
// the score bar at its start width, the time bar empty.
void barres_du_jeu(platform::Label& rougeScore, platform::Label& barreScore, platform::Label& rougeTemps,
                   platform::Label& barreTemps, double scoreTop, double tempsTop);

// The MIDI prompt over the button row, the device list and "Ok", hidden.
void entree_midi_du_jeu(platform::Label& port, platform::ListBox& list, platform::CommandButton& start);

// The captions every game screen copies from the text store when it loads.
struct GameCaptions {
    platform::Label& Label_jouer;
    platform::Label& Label_retour;
    platform::Label& Label_suite;
    platform::Label& Label_level;
    platform::Label& Label_stop;
    platform::Label& Label_sc;
    platform::Label& Label_temps_restant;
    platform::Label& Label_temps_jeu;
    platform::Label& Label_bruitages;
    platform::Label& Label_secondes;
    platform::Label* Label_port = nullptr;
};
void copier_legendes(const GameCaptions& c);

// "Bruitages": the player's effect switches in the modal effect dialog.
void ouvrir_bruitages();
// "Durée du jeu": the player's duration in the modal duration dialog.
void ouvrir_duree_du_jeu();
// The game duration in force (Form_options' Text_temps).
QString duree_du_jeu();

} // namespace games::common
