#pragma once
// The level-choice screen of "nn2": the keys of each level marked with empty circles.

#include "level_choice/name_keyboard_choice.h"

namespace level_choice {

class Form_choix_nn2 : public NameKeyboardChoice {
    Q_OBJECT
public:
    Form_choix_nn2();
};

} // namespace level_choice
