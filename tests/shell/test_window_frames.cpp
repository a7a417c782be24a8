// Every screen a player sees has the frame of its design: all of them are borderless, so that
// on an 800 x 600 display a window manager adds no title bar that would push the bottom of the
// 800 x 600 screens (the piano, its markers, the keyboard cursors) off the display.

#include "road_fixture.h"

#include "games/name_keyboard/form_nn.h"
#include "games/staff_keyboard/form_pp.h"
#include "games/staff_name/form_pn.h"
#include "level_choice/games.h"
#include "media/form_bruitage.h"
#include "players/form_bulles.h"
#include "players/form_options.h"
#include "players/form_password.h"
#include "players/form_score.h"
#include "shell/form_propos.h"

namespace road_test {
namespace {

using platform::form;

TEST_F(RoadTest, EveryScreenAPlayerSeesIsBorderless)
{
    toTheMenu(QStringLiteral("Zoé"));
    std::vector<platform::Form*> screens{
        &form<players::Form_joueurs>(), &form<players::Form_nouveau_joueur>(), &form<players::Form_password>(),
        &form<shell::Form_piano>(),     &form<shell::Form_propos>(),           &form<players::Form_options>(),
        &form<players::Form_bulles>(),  &form<media::Form_bruitage>(),         &form<players::Form_score>(),
        &form<games::staff_keyboard::Form_pp>(), &form<games::staff_name::Form_pn>(),
        &form<games::name_keyboard::Form_nn>()};
    for (level_choice::Game game : level_choice::kGames)
        screens.push_back(&level_choice::levelChoiceScreen(game));
    for (platform::Form* screen : screens) {
        EXPECT_EQ(screen->borderStyle(), 0) << screen->formName().toStdString();
        EXPECT_TRUE(screen->windowFlags() & Qt::FramelessWindowHint) << screen->formName().toStdString();
    }
}

} // namespace
} // namespace road_test
