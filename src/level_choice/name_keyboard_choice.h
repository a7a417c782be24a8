#pragma once
// The level-choice screens of the name-to-keyboard games "nn" and "nn2": four wide level
// entries in one row.  Their "Suivant" launches the game once its screen is built.

#include "level_choice/players_level_choice.h"

namespace level_choice {

class NameKeyboardChoice : public PlayersLevelChoice {
    Q_OBJECT
public:
    TV_LEVEL_ENTRIES_4(TV_LEVEL_ENTRY, &Frame1)

protected:
    NameKeyboardChoice(const QString& formName, const GameLevels& game);
};

} // namespace level_choice
