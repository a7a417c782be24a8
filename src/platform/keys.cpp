#include "platform/keys.h"

#include <QKeyEvent>

namespace platform {

int keyCodeOf(const QKeyEvent* event)
{
    const int k = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (keypad && k >= Qt::Key_0 && k <= Qt::Key_9)
        return vk::kNumpad0 + (k - Qt::Key_0);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return vk::k0 + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return vk::kA + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return vk::kF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return vk::kBack;
    case Qt::Key_Tab: return vk::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::kReturn;
    case Qt::Key_Shift: return vk::kShift;
    case Qt::Key_Control: return vk::kControl;
    case Qt::Key_Alt: return vk::kMenu;
    case Qt::Key_Escape: return vk::kEscape;
    case Qt::Key_Space: return vk::kSpace;
    case Qt::Key_PageUp: return vk::kPageUp;
    case Qt::Key_PageDown: return vk::kPageDown;
    case Qt::Key_End: return vk::kEnd;
    case Qt::Key_Home: return vk::kHome;
    case Qt::Key_Left: return vk::kLeft;
    case Qt::Key_Up: return vk::kUp;
    case Qt::Key_Right: return vk::kRight;
    case Qt::Key_Down: return vk::kDown;
    case Qt::Key_Insert: return vk::kInsert;
    case Qt::Key_Delete: return vk::kDelete;
    case Qt::Key_Asterisk: return keypad ? vk::kMultiply : 0;
    case Qt::Key_Plus: return keypad ? vk::kAdd : 0;
    case Qt::Key_Minus: return keypad ? vk::kSubtract : 0;
    case Qt::Key_Period: return keypad ? vk::kDecimal : 0;
    case Qt::Key_Slash: return keypad ? vk::kDivide : 0;
    default: return 0;
    }
}

int shiftStateOf(const QKeyEvent* event)
{
    int s = 0;
    if (event->modifiers() & Qt::ShiftModifier) s |= 1;
    if (event->modifiers() & Qt::ControlModifier) s |= 2;
    if (event->modifiers() & Qt::AltModifier) s |= 4;
    return s;
}

} // namespace platform
