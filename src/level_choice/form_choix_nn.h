#pragma once
// The level-choice screen of "nn": the keys of each level marked with coloured dots.

#include "level_choice/name_keyboard_choice.h"

namespace level_choice {

class Form_choix_nn : public NameKeyboardChoice {
    Q_OBJECT
public:
    Form_choix_nn();
};

} // namespace level_choice
