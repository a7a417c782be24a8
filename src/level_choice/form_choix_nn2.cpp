#include "level_choice/form_choix_nn2.h"

#include "level_choice/games.h"

namespace level_choice {

Form_choix_nn2::Form_choix_nn2()
    : NameKeyboardChoice(QStringLiteral("Form_choix_nn2"), gameLevels(Game::nn2), QStringLiteral("2"))
{
}

} // namespace level_choice
