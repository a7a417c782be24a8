#include "level_choice/form_choix_pp2.h"

#include "level_choice/games.h"

namespace level_choice {

Form_choix_pp2::Form_choix_pp2()
    : StaffKeyboardChoice(QStringLiteral("Form_choix_pp2"), gameLevels(Game::pp2), {QStringLiteral("2"), false})
{
}

} // namespace level_choice
