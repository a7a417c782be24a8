#pragma once
// What the six level-choice screens share: the level entries and the SCORE entry with their
// selection, the picture of the selected level, the unlocking of the levels the player has
// earned, the load, "Retour" and "Suivant".
//
// The selection is the look of the entries: the entry whose appearance is raised (1) is the
// selected one; nothing else holds it.  A game screen that has stored a passed level triggers
// Command_niveau, which enables the levels earned since.

#include <QPixmap>
#include <QString>

#include "platform/controls.h"
#include "platform/forms.h"

#include <utility>
#include <vector>

namespace media {
class Form_traduction;
}

namespace level_choice {

// What sets the level-choice screen of one game apart from the others.
struct GameLevels {
    QString code;         // code_jeu: "pp", "pp2", "pp3", "pn", "nn", "nn2"
    QString colour;       // the game's colour: background "fond" and metronome picture
    int levelCount;       // 14, or 4 on the name-to-keyboard screens
    QString (*picturePrefix)();    // level pictures "<prefix><level>": "b", "vide" ...
    int pictureDigits;    // 2: "b01"; 1: "nn1"
    platform::Label& (*progress)();  // niveau_atteint of the game in the player record
    // Progress text (compared exactly) -> the highest level it unlocks.
    std::vector<std::pair<QString, int>> unlocks;
};

// The name of a level's picture ("b01", "us07", "nn3"), in the current language.
QString levelPictureName(const GameLevels& game, int level);

// The picture store's metronome swung to the right, in a game's colour.
QPixmap storedMetronome(const QString& colour);

class LevelChoiceScreen : public platform::Form {
    Q_OBJECT
public:
    void Form_Load() override;

    const GameLevels& game() const { return game_; }

    // Lowest in the stacking order: the white panel behind the levels.
    platform::Shape Shape1{this, QStringLiteral("Shape1")};
    platform::Image Image_niveau{this, QStringLiteral("Image_niveau")};
    platform::Image Metronome_stop{this, QStringLiteral("Metronome_stop")};
    platform::Label Label_retour{this, QStringLiteral("Label_retour")};
    platform::Label Label_jouer{this, QStringLiteral("Label_jouer")};
    // Named action: enables the levels earned (never seen; outside the screen's area).
    platform::CommandButton Command_niveau{this, QStringLiteral("Command_niveau")};

    // The level entries (1 .. levelCount) and the SCORE entry.
    platform::Label& levelEntry(int level) const { return *levels_.at(level - 1); }
    platform::Label& scoreEntry() const { return *score_; }
    int levelCount() const { return static_cast<int>(levels_.size()); }

    // The level "Suivant" hands over: the lowest level entry with the raised look; 0 when none
    // has it (SCORE is selected: "Suivant" then starts a scored run at the last level).
    int selectedLevel() const;
    // The level picture of a level entry (1 .. levelCount) in the current language.
    QString pictureName(int level) const;

    void Command_niveau_Click();
    void Label_niveau_Click(int level);
    void Label_score_Click();
    void Label_retour_Click();
    void Label_jouer_Click();

protected:
    LevelChoiceScreen(const QString& formName, const GameLevels& game);

    // Each screen's constructor hands over its entries once they exist; they get their design
    // state here: level 1 selected and enabled, the others locked, SCORE enabled.
    void setEntries(std::vector<platform::Label*> levels, platform::Label& score);

    // Captions of the screen's widgets from the text store (each screen adds its own).
    virtual void loadTexts(const media::Form_traduction& texts);
    // Hands the choices over to the game screen and shows it.  With SCORE selected it runs for
    // the last level, as a scored run (see markScoredRun).
    virtual void launch(int level);
    // Right after the level is written: the game screen's save_score is shown for a scored run
    // and hidden otherwise.
    void markScoredRun(platform::Label& save_score) const;

    // A white panel behind a part of the screen.
    static void whitePanel(platform::Shape& panel);
    // Gives an entry the selected look and takes it from every other entry.
    void select(platform::Label& entry);
    void showLevelPicture(int level);

private:
    GameLevels game_;
    std::vector<platform::Label*> levels_;
    platform::Label* score_ = nullptr;
    bool scoredRun_ = false;
};

} // namespace level_choice

// Declares level entry n of a level-choice screen inside the given container.
#define TV_LEVEL_ENTRY(n, container) \
    platform::Label Label_niveau##n{this, QStringLiteral("Label_niveau" #n), container};
#define TV_LEVEL_ENTRY_ADDRESS(n, container) &Label_niveau##n,
#define TV_LEVEL_ENTRIES_4(X, container) \
    X(1, container) X(2, container) X(3, container) X(4, container)
#define TV_LEVEL_ENTRIES_14(X, container)                                                        \
    TV_LEVEL_ENTRIES_4(X, container) X(5, container) X(6, container) X(7, container)             \
    X(8, container) X(9, container) X(10, container) X(11, container) X(12, container)           \
    X(13, container) X(14, container)
