#include "shell/level_choice_links.h"

#include "games/staff_keyboard/form_pp.h"
#include "games/staff_name/form_pn.h"
#include "level_choice/form_choix_nn.h"
#include "level_choice/form_choix_nn2.h"
#include "level_choice/form_choix_pn.h"
#include "level_choice/form_choix_pp.h"
#include "level_choice/form_choix_pp2.h"
#include "level_choice/form_choix_pp3.h"
#include "level_choice/games.h"
#include "platform/forms.h"

namespace shell {

using platform::form;

void showLevelChoice(const QString& codeJeu)
{
    if (auto* screen = level_choice::levelChoiceScreen(codeJeu))
        screen->Show();
}

void unloadLevelChoiceAndGames()
{
    // A game screen leaves by its own way back, which closes its MIDI input first.
    if (auto* pp = platform::loaded<games::staff_keyboard::Form_pp>())
        pp->Label_retour.click();
    platform::unload<games::staff_keyboard::Form_pp>();
    if (auto* pn = platform::loaded<games::staff_name::Form_pn>())
        pn->Label_retour.click();
    platform::unload<games::staff_name::Form_pn>();
    platform::unload<level_choice::Form_choix_pp>();
    platform::unload<level_choice::Form_choix_pp2>();
    platform::unload<level_choice::Form_choix_pp3>();
    platform::unload<level_choice::Form_choix_pn>();
    platform::unload<level_choice::Form_choix_nn>();
    platform::unload<level_choice::Form_choix_nn2>();
}

// The high-score list is not part of the program yet.
void unloadScoreScreen() {}

} // namespace shell
