#include "level_choice/form_choix_pp.h"

#include "level_choice/games.h"

namespace level_choice {

Form_choix_pp::Form_choix_pp()
    : StaffKeyboardChoice(QStringLiteral("Form_choix_pp"), gameLevels(Game::pp), {QStringLiteral("1"), true})
{
}

} // namespace level_choice
