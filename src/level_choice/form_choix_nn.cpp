#include "level_choice/form_choix_nn.h"

#include "level_choice/games.h"

namespace level_choice {

Form_choix_nn::Form_choix_nn()
    : NameKeyboardChoice(QStringLiteral("Form_choix_nn"), gameLevels(Game::nn), QStringLiteral("1"))
{
}

} // namespace level_choice
