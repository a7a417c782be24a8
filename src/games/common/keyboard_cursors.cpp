#include "games/common/keyboard_cursors.h"

#include "games/common/game_screen.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/vb.h"

namespace games::common {

double haut_curseur(int player, int key)
{
    const bool black = isBlackKey(key);
    if (player == 2)
        return black ? kCursorTopBlack2 : kCursorTopWhite2;
    return black ? kCursorTopBlack1 : kCursorTopWhite1;
}

KeyboardCursors::KeyboardCursors(CursorWidgets widgets, std::function<void(int)> press,
                                 std::function<void(int)> release)
    : w_(widgets), press_(std::move(press)), release_(std::move(release)),
      players_{Player{1, kPlayer1Keys, w_.Picture_bleu, w_.Label_keydown1, w_.Label_focus},
               Player{2, kPlayer2Keys, w_.Picture_rouge, w_.Label_keydown2, w_.Label_focus2}}
{
    w_.Picture_bleu.setBackColor(kPlayer1Colour);
    w_.Picture_rouge.setBackColor(kPlayer2Colour);
    for (Player& p : players_) {
        p.cursor.setWidth(kCursorSize);
        p.cursor.setHeight(kCursorSize);
        p.cursor.setBorderStyle(1);
        p.cursor.setVisible(false);
        place(p);
        p.moveFlag.setCaption(QStringLiteral("1"));
        p.playFlag.setVisible(true);
    }
    w_.Label_focus.setCaption(QStringLiteral("focus"));
    w_.Label_focus2.setCaption(QStringLiteral("focus2"));
}

void KeyboardCursors::attach(platform::Form& screen)
{
    screen.setKeyPreview(true);
    for (Player& p : players_)
        p.cursor.zOrder(0);
    screen.onKeyDown = [this](int& keyCode, int) { keyDown(keyCode); };
    screen.onKeyUp = [this](int& keyCode, int) { keyUp(keyCode); };
    screen.onDeactivate = [this] { keyboardLost(); };
}

int KeyboardCursors::key(int player) const
{
    return players_.at(static_cast<size_t>(player - 1)).key;
}

void KeyboardCursors::place(Player& p)
{
    p.cursor.setLeft(position_touche[static_cast<size_t>(p.key - 1)]);
    p.cursor.setTop(haut_curseur(p.number, p.key));
}

void KeyboardCursors::keyDown(int keyCode)
{
    // Mouse or MIDI play: the keys do nothing.
    if (!w_.Picture_bleu.visible())
        return;
    for (Player& p : players_)
        if (p.cursor.visible())
            keyDown(p, keyCode);
}

void KeyboardCursors::keyDown(Player& p, int keyCode)
{
    if (keyCode == p.codes.left || keyCode == p.codes.right) {
        if (platform::val(p.moveFlag.caption()) != 1)
            return;
        p.moveFlag.setCaption(QStringLiteral("0"));
        p.moveTakenBy = keyCode;
        const int to = p.key + (keyCode == p.codes.right ? 1 : -1);
        if (to >= 1 && to <= kKeyCount) {
            p.key = to;
            place(p);
        }
    } else if (keyCode == p.codes.play) {
        if (!p.playFlag.visible())
            return;
        // The flag and the key are taken before the press runs: the judge may take the
        // keyboard away (a dialog), and the lost keyboard must find them.
        w_.Label_reponse_joueur.setCaption(platform::str(p.number));
        p.playFlag.setVisible(false);
        p.pressed = p.key;
        press_(p.key);
    }
}

void KeyboardCursors::keyUp(int keyCode)
{
    if (!w_.Picture_bleu.visible())
        return;
    for (Player& p : players_)
        keyUp(p, keyCode);
}

void KeyboardCursors::keyUp(Player& p, int keyCode)
{
    if ((keyCode == p.codes.left || keyCode == p.codes.right) && keyCode == p.moveTakenBy) {
        p.moveTakenBy = 0;
        p.moveFlag.setCaption(QStringLiteral("1"));
    } else if (keyCode == p.codes.play) {
        p.playFlag.setVisible(true);
        releasePressed(p);
    }
}

void KeyboardCursors::releasePressed(Player& p)
{
    const int key = p.pressed;
    p.pressed = 0;
    if (key != 0)
        release_(key);
}

void KeyboardCursors::keyboardLost()
{
    for (Player& p : players_) {
        p.moveTakenBy = 0;
        p.moveFlag.setCaption(QStringLiteral("1"));
        p.playFlag.setVisible(true);
        releasePressed(p);
    }
}

} // namespace games::common
