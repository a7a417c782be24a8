#pragma once
// The level-choice screen of "pp": the keys of each level marked with coloured dots; the game plays with the note appearance bulle.

#include "level_choice/staff_keyboard_choice.h"

namespace level_choice {

class Form_choix_pp : public StaffKeyboardChoice {
    Q_OBJECT
public:
    Form_choix_pp();
};

} // namespace level_choice
