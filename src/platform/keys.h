#pragma once
// Key codes as the screens use them: the virtual-key codes of the desktop the program was
// designed on.  Shift state: 1 Shift, 2 Ctrl, 4 Alt.

class QKeyEvent;

namespace platform {

namespace vk {
constexpr int kBack = 8, kTab = 9, kReturn = 13, kShift = 16, kControl = 17, kMenu = 18,
              kEscape = 27, kSpace = 32, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36,
              kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kInsert = 45, kDelete = 46;
constexpr int k0 = 48;  // '0'..'9' are 48..57
constexpr int kA = 65;  // 'A'..'Z' are 65..90
constexpr int kC = 67, kF = 70, kG = 71;
constexpr int kNumpad0 = 96, kNumpad1 = 97, kNumpad2 = 98, kNumpad3 = 99;  // up to 105
constexpr int kMultiply = 106, kAdd = 107, kSubtract = 109, kDecimal = 110, kDivide = 111;
constexpr int kF1 = 112;  // F1..F12 are 112..123
} // namespace vk

// The key code of a key event, 0 for keys the program has no code for.
int keyCodeOf(const QKeyEvent* event);
int shiftStateOf(const QKeyEvent* event);

} // namespace platform
