#pragma once
// The looks the game screens share: their texts, bars and MIDI widgets, and the game duration
// they read.  Each screen places its own widgets; this code dresses them alike.  (The widgets
// themselves, their captions and settings buttons are screen.h's; the keyboard cursors are
// dressed by keyboard_cursors.h.)

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

// The game duration in force (Form_options' Text_temps).
QString duree_du_jeu();

} // namespace games::common
