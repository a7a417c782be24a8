#include "shell/level_choice_links.h"

#include "games/name_keyboard/form_nn.h"
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
#include "players/form_score.h"

namespace shell {

using platform::form;

void showLevelChoice(const QString& codeJeu)
{
    if (auto* screen = level_choice::levelChoiceScreen(codeJeu))
        screen->Show();
}

namespace {

// A game screen that is loaded leaves by its own "Retour" (which closes its MIDI input first);
// one that is still there afterwards is unloaded.
template <class GameScreen>
void leaveGame()
{
    if (auto* game = platform::loaded<GameScreen>())
        game->Label_retour.click();
    platform::unload<GameScreen>();
}

} // namespace

void unloadLevelChoiceAndGames()
{
    // The game screens first, then the level-choice screens.
    leaveGame<games::staff_keyboard::Form_pp>();
    leaveGame<games::staff_name::Form_pn>();
    leaveGame<games::name_keyboard::Form_nn>();
    platform::unload<level_choice::Form_choix_pp>();
    platform::unload<level_choice::Form_choix_pp2>();
    platform::unload<level_choice::Form_choix_pp3>();
    platform::unload<level_choice::Form_choix_pn>();
    platform::unload<level_choice::Form_choix_nn>();
    platform::unload<level_choice::Form_choix_nn2>();
}

void unloadScoreScreen() { platform::unload<players::Form_score>(); }

} // namespace shell
