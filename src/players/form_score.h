#pragma once
// The high-score screen: the ten best scores of the game just played, with the new entry
// selected.  A game enters a score by filling txtName and txtScore (the first touch loads the
// screen, whose load reads the score file of the game named by Form_options.Label_jeu),
// triggering Command1 and showing the screen modal.  It closes with "Fermer" or Enter.

#include "platform/controls.h"
#include "platform/forms.h"
#include "players/high_score_list.h"

#include <memory>

namespace players {

class Form_score : public platform::Form {
    Q_OBJECT
public:
    Form_score();
    void Form_Load() override;

    // Lowest in the stacking order: the background covers the whole screen.
    platform::Image Image_fond{this, QStringLiteral("Image_fond")};
    platform::Label Label_affiche{this, QStringLiteral("Label_affiche")};
    platform::ListBox lstScores{this, QStringLiteral("lstScores")};
    platform::Label Label_quitter{this, QStringLiteral("Label_quitter")};
    // The entry row, below the visible area: the games fill it and press Command1.
    platform::Label Label2{this, QStringLiteral("Label2")};
    platform::TextBox txtName{this, QStringLiteral("txtName")};
    platform::TextBox txtScore{this, QStringLiteral("txtScore")};
    platform::CommandButton Command1{this, QStringLiteral("Command1")};

    // The table, made at the screen's first use.
    HighScoreList* scores() const { return scores_.get(); }

    void Label_quitter_Click();

private:
    void Command1_Click();
    // Tells the player once per showing that the score file could not be written or read.
    void signalerEchec();

    std::unique_ptr<HighScoreList> scores_;
    bool echecSignale_ = false;
};

// The end of a scored run: the game that was played names itself in Form_options.Label_jeu,
// then the player's name and score enter that game's table and the score screen shows it,
// modal.  A score screen still open from another game is closed first, so that the table
// shown is always the one of the game that has just ended.
void entrer_score(const QString& codeJeu, const QString& nom, const QString& score);

} // namespace players
