#pragma once
// The on-screen piano of the keyboard games as widgets: the design of its 40 push buttons,
// their mouse handlers and their pointers.  The screens own the buttons (named members); this
// code only dresses and wires them.

#include "games/common/piano_keys.h"

#include <array>
#include <QString>

#include <functional>
#include <optional>

namespace platform {
class CommandButton;
} // namespace platform

namespace games::common {

using PianoKeys = std::array<platform::CommandButton*, kKeyCount>;
using PianoLefts = std::array<double, kKeyCount>;

constexpr double kKeyTop = 5160;
constexpr double kWhiteKeyHeight = 3615;
constexpr double kBlackKeyHeight = 2295;
constexpr double kBlackKeyWidth = 375;

// The design width of key k: white keys 520 (key 5: 525, key 39: 555), black keys 375.
double keyWidth(int key);

// Gives the keys their design state: graphical style, white or black, top 5160, the
// screen's left edges, the hand pointer, black keys above the white keys they overlap.
void designPiano(const PianoKeys& keys, const PianoLefts& lefts);

// Wires the mouse: a press on key k runs press(k) unless mouseBlocked() says the piano is
// played from the computer keyboard; a release always runs release(k) on the key that took
// the press.  Every mouse button plays.
void bindPianoMouse(const PianoKeys& keys, std::function<bool()> mouseBlocked,
                    std::function<void(int)> press, std::function<void(int)> release);

// Gives each key the picture-store image imageOf(k) names ("Image_rien": no picture); a key
// for which it names none keeps its picture.
void peindre_touches(const PianoKeys& keys, const std::function<std::optional<QString>(int key)>& imageOf);

// The no-drop pointer on the 40 keys, in key order (the piano is played from the keyboard).
void blockPianoMouse(const PianoKeys& keys);

} // namespace games::common
