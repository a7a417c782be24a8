#include "level_choice/name_keyboard_choice.h"

namespace level_choice {

NameKeyboardChoice::NameKeyboardChoice(const QString& formName, const GameLevels& game)
    : PlayersLevelChoice(formName, game)
{
    Frame1.place(720, 3240, 7860, 855);
    Frame2.place(8640, 3240, 2625, 855);
    Label_score.place(120, 240, 2355, 495);
    setEntries({TV_LEVEL_ENTRIES_4(TV_LEVEL_ENTRY_ADDRESS, )}, Label_score);
    const double lefts[] = {120, 2040, 3960, 5880};
    for (int level = 1; level <= levelCount(); ++level)
        levelEntry(level).place(lefts[level - 1], 240, level == 2 ? 1875 : 1845, 495);
}

} // namespace level_choice
