#pragma once
// The level-choice screen of the staff-to-name game "pn": levels only (one player, mouse
// play, no names), in two columns beside a large picture of the level's notes.

#include "level_choice/level_choice_screen.h"

namespace level_choice {

class Form_choix_pn : public LevelChoiceScreen {
    Q_OBJECT
public:
    Form_choix_pn();

    platform::Label Label_niveau{this, QStringLiteral("Label_niveau")};
    TV_LEVEL_ENTRIES_14(TV_LEVEL_ENTRY, nullptr)
    platform::Label Label_score{this, QStringLiteral("Label_score")};

protected:
    void loadTexts(const media::Form_traduction& texts) override;
    // "Suivant": the game screen, freshly loaded, at the level chosen, with its name buttons.
    void launch(int level) override;
};

} // namespace level_choice
