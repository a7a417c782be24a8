#pragma once
// The level-choice screens of the name-to-keyboard games "nn" and "nn2": four wide level
// entries in one row, and "Suivant" hands the choices over to the game screen they share.

#include "level_choice/players_level_choice.h"

namespace level_choice {

class NameKeyboardChoice : public PlayersLevelChoice {
    Q_OBJECT
public:
    TV_LEVEL_ENTRIES_4(TV_LEVEL_ENTRY, &Frame1)

protected:
    // gameNumber: Form_nn's Label_choix_jeu, "1" (nn) or "2" (nn2).
    NameKeyboardChoice(const QString& formName, const GameLevels& game, const QString& gameNumber);
    void launch(int level) override;

private:
    void handOver(int level);
    QString gameNumber_;
};

} // namespace level_choice
