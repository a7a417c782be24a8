#include "screenshots/dialog_shots.h"

#include "level_choice/games.h"
#include "level_choice/level_choice_screen.h"
#include "level_choice/players_level_choice.h"
#include "media/form_bruitage.h"
#include "platform/forms.h"

namespace shots {

using namespace level_choice;

platform::Form& prepareLevelChoiceScreenshot(int game)
{
    LevelChoiceScreen& screen = levelChoiceScreen(kGames.at(static_cast<std::size_t>(game - 1)));
    for (int level = 2; level <= 4; ++level)
        screen.levelEntry(level).setEnabled(true);
    screen.levelEntry(3).userClick();
    if (auto* players = dynamic_cast<PlayersLevelChoice*>(&screen); players && players->Text_nom1.text().isEmpty())
        players->Text_nom1.setText(QStringLiteral("Léa"));
    screen.Show();
    return screen;
}

platform::Form& prepareBruitageScreenshot()
{
    media::Form_bruitage& f = platform::form<media::Form_bruitage>();
    for (int k = 1; k <= 8; ++k)
        f.Check(k).setValue(k == 1 || k == 3 || k == 4 || k == 8 ? 1 : 0);
    f.Show();
    return f;
}

} // namespace shots
