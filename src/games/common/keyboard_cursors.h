#pragma once
// Playing the on-screen piano from the computer keyboard, one or two players.  Each player has
// a small square cursor under the keys: two keys move it one key left or right, a third plays
// the key above it.  Player 1 uses the numeric keypad (2, 3 and 0, Num Lock on), player 2 the
// letters F, G and C.  The cursor of player 1 being visible is the keyboard mode; player 2's
// being visible is the two-player game.
//
// A screen owns the widgets and hands them over in CursorWidgets; KeyboardCursors keeps the
// cursors' keys, moves the cursors, runs the screen's press and release actions and records in
// Label_reponse_joueur which player played, for the judges.
//
// The flags, held in the screen's widgets:
//   Label_keydown1 / Label_keydown2   "1": the player's cursor may move; "0": the move key that
//                                     moved it is still down
//   Label_focus / Label_focus2        visible: the player's play key may play; hidden: it is
//                                     still down
// A held key moves or plays once, whatever else is pressed or released meanwhile (the platform
// delivers an auto-repeating key as repeated key-downs, and its key-up only once the key is
// really let go).  The release of a play key releases the piano key that this play key pressed.
// When the screen loses the keyboard, every piano key held by a play key is released and the
// flags are re-armed; a key still held then stays silent until it is let go (the platform's
// KeyFilter), so it does not move or play again.

#include "games/common/piano_keys.h"

#include <array>
#include <functional>

namespace platform {
class Form;
class Label;
class PictureBox;
} // namespace platform

namespace games::common {

// Left edge of a cursor under key k (1 to 40), in twips.
constexpr std::array<double, kKeyCount> position_touche{
    120,  340,  640,  910,  1160, 1460, 1680, 2200, 2420, 2720,  3020,  3240,  3770,  3970,
    4280, 4540, 4800, 5100, 5310, 5850, 6070, 6360, 6670, 6870,  7400,  7630,  7920,  8200,
    8450, 8770, 8960, 9480, 9730, 10000, 10270, 10520, 11040, 11260, 11580, 11790};

constexpr double kCursorSize = 255;
// Tops of the cursors: under a white key lower than under a black one, player 2's below
// player 1's.
constexpr double kCursorTopWhite1 = 8070, kCursorTopBlack1 = 6840;
constexpr double kCursorTopWhite2 = 8400, kCursorTopBlack2 = 7110;

// The top of player p's cursor (1 or 2) under key k.
double haut_curseur(int player, int key);

// Key codes of the two players.
struct PlayerKeys {
    int left;
    int right;
    int play;
};
constexpr PlayerKeys kPlayer1Keys{98, 99, 96};  // keypad 2, 3, 0
constexpr PlayerKeys kPlayer2Keys{70, 71, 67};  // F, G, C

struct CursorWidgets {
    platform::PictureBox& Picture_bleu;
    platform::PictureBox& Picture_rouge;
    platform::Label& Label_keydown1;
    platform::Label& Label_keydown2;
    platform::Label& Label_focus;
    platform::Label& Label_focus2;
    platform::Label& Label_reponse_joueur;
};

class KeyboardCursors {
public:
    // Gives the cursors and the flags their design state: both cursors hidden under middle C,
    // the flags armed.  press(k) / release(k) are the screen's actions of key k.
    KeyboardCursors(CursorWidgets widgets, std::function<void(int)> press, std::function<void(int)> release);
    KeyboardCursors(const KeyboardCursors&) = delete;
    KeyboardCursors& operator=(const KeyboardCursors&) = delete;

    // Takes the screen's key-down, key-up and lost-keyboard events (key preview on) and puts
    // the cursors over the keys: called once the screen's piano is designed.
    void attach(platform::Form& screen);

    void keyDown(int keyCode);
    void keyUp(int keyCode);
    // The screen lost the keyboard: the key-ups of the keys held now will not come.
    void keyboardLost();

    // The key under player p's cursor (1 or 2).
    int key(int player) const;

private:
    struct Player {
        int number;
        PlayerKeys codes;
        platform::PictureBox& cursor;
        platform::Label& moveFlag;
        platform::Label& playFlag;
        int key = kMiddleCKey;
        int moveTakenBy = 0;  // the move key whose release re-arms the move flag
        int pressed = 0;      // the piano key the play key holds down, 0 for none
    };

    void keyDown(Player& p, int keyCode);
    void keyUp(Player& p, int keyCode);
    void releasePressed(Player& p);
    static void place(Player& p);

    CursorWidgets w_;
    std::function<void(int)> press_;
    std::function<void(int)> release_;
    std::array<Player, 2> players_;
};

} // namespace games::common
