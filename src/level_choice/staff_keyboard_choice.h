#pragma once
// The level-choice screens of the staff-to-keyboard games "pp", "pp2" and "pp3": fourteen
// levels in one row, and "Suivant" hands the choices over to the game screen they share.

#include "level_choice/players_level_choice.h"

namespace level_choice {

// What the launch of one staff-to-keyboard game writes besides the screen's own game.
struct StaffLaunch {
    QString gameNumber;  // Form_pp's Label_choix_jeu: "1", "2" or "3"
    // "pp" plays with the note appearance bulle: it is chosen, stored in the player's
    // record, and the game screen's appearance button is locked until the game ends.
    bool forcesBubble;
};

class StaffKeyboardChoice : public PlayersLevelChoice {
    Q_OBJECT
public:
    TV_LEVEL_ENTRIES_14(TV_LEVEL_ENTRY, &Frame1)

protected:
    StaffKeyboardChoice(const QString& formName, const GameLevels& game, const StaffLaunch& staff);
    void launch(int level) override;

private:
    void handOver(int level);
    StaffLaunch staff_;
};

} // namespace level_choice
