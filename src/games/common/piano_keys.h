#pragma once
// The 40 keys of the on-screen piano, shared by the keyboard games: key numbers, the widget
// names, the note names and the note player's buttons of each key.
//
// Key 1 is the F below the bass staff's top line (MIDI 41), one key per semitone up to key 40
// (MIDI 80); key 20 is middle C.

#include <QString>

#include <array>

namespace platform {
class CommandButton;
}

namespace games::common {

constexpr int kKeyCount = 40;
constexpr int kMiddleCKey = 20;

// X(key number, widget, note player button stem) for the 40 keys in order.  Key 40's widget
// begins with a lower-case p.
#define TV_PIANO_KEYS(X)                                                                           \
    X(1, Piano_01_fa, F3) X(2, Piano_02_solb, F3d) X(3, Piano_03_sol, G3) X(4, Piano_04_lab, G3d) \
    X(5, Piano_05_la, A3) X(6, Piano_06_sib, A3d) X(7, Piano_07_si, B3) X(8, Piano_08_do, C4)     \
    X(9, Piano_09_reb, C4d) X(10, Piano_10_re, D4) X(11, Piano_11_mib, D4d)                       \
    X(12, Piano_12_mi, E4) X(13, Piano_13_fa, F4) X(14, Piano_14_solb, F4d)                       \
    X(15, Piano_15_sol, G4) X(16, Piano_16_lab, G4d) X(17, Piano_17_la, A4)                       \
    X(18, Piano_18_sib, A4d) X(19, Piano_19_si, B4) X(20, Piano_20_do, C5)                        \
    X(21, Piano_21_reb, C5d) X(22, Piano_22_re, D5) X(23, Piano_23_mib, D5d)                      \
    X(24, Piano_24_mi, E5) X(25, Piano_25_fa, F5) X(26, Piano_26_solb, F5d)                       \
    X(27, Piano_27_sol, G5) X(28, Piano_28_lab, G5d) X(29, Piano_29_la, A5)                       \
    X(30, Piano_30_sib, A5d) X(31, Piano_31_si, B5) X(32, Piano_32_do, C6)                        \
    X(33, Piano_33_reb, C6d) X(34, Piano_34_re, D6) X(35, Piano_35_mib, D6d)                      \
    X(36, Piano_36_mi, E6) X(37, Piano_37_fa, F6) X(38, Piano_38_solb, F6d)                       \
    X(39, Piano_39_sol, G6) X(40, piano_40_lab, G6d)

// The French name of key k's note, flats for the black keys: "fa", "solb", ... "lab".
QString noteOfKey(int key);
bool isBlackKey(int key);
inline int midiNoteOfKey(int key) { return 40 + key; }
// The key's widget name ("Piano_01_fa" ... "piano_40_lab").
QString keyWidgetName(int key);
// The stem of the key's note player buttons ("F3", "F3d", ... "G6d").
QString noteButtonStem(int key);

// The note player's buttons of key k: <note>_MD starts its note, <note>_MU stops it.
platform::CommandButton& noteOnButton(int key);
platform::CommandButton& noteOffButton(int key);

// Starts / stops key k's note on the note player; nothing for a number outside 1 to 40.
void startKeyNote(int key);
void stopKeyNote(int key);

} // namespace games::common
