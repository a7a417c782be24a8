#pragma once
// The level-choice screen of "pp2": the keys of each level named in the interface language.

#include "level_choice/staff_keyboard_choice.h"

namespace level_choice {

class Form_choix_pp2 : public StaffKeyboardChoice {
    Q_OBJECT
public:
    Form_choix_pp2();
};

} // namespace level_choice
