#include "level_choice/form_choix_pp3.h"

#include "level_choice/games.h"

namespace level_choice {

Form_choix_pp3::Form_choix_pp3()
    : StaffKeyboardChoice(QStringLiteral("Form_choix_pp3"), gameLevels(Game::pp3), {QStringLiteral("3"), false})
{
}

} // namespace level_choice
