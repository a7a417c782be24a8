#pragma once
// The level-choice screen of "pp3": the keys of each level marked with empty circles.

#include "level_choice/staff_keyboard_choice.h"

namespace level_choice {

class Form_choix_pp3 : public StaffKeyboardChoice {
    Q_OBJECT
public:
    Form_choix_pp3();
};

} // namespace level_choice
