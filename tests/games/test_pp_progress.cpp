// A passed level raises the player's progress in the game played and refreshes its
// level-choice screen.
#include "level_choice/form_choix_pp.h"
#include "level_choice/form_choix_pp2.h"
#include "level_choice/form_choix_pp3.h"
#include "players/form_nouveau_joueur.h"
#include "pp_fixture.h"

namespace pp_test {
namespace {

class PpProgress : public PpScreen {
protected:
    void SetUp() override
    {
        PpScreen::SetUp();
        newPlayerRow();
        count(platform::form<players::Form_nouveau_joueur>().Command_UpdateRecord, stores);
    }
    static void count(platform::CommandButton& button, int& presses)
    {
        auto previous = button.onClick;
        button.onClick = [&presses, previous] {
            ++presses;
            if (previous)
                previous();
        };
    }
    int stores = 0;
};

TEST_F(PpProgress, ProgressPerLevelPassed)
{
    struct Row { const char* progress; const char* level; const char* after; };
    const std::vector<Row> rows{
        {"1", "1", "2"}, {"2", "2", "3"}, {"3", "3", "4"}, {"4", "4", "14"},
        {"3", "2", "3"}, {"2", "1", "2"}, {"1", "2", "1"}, {"4", "3", "4"},
        {"14", "4", "14"}, {"14", "5", "14"}, {"14", "13", "14"}, {"4", "5", "4"},
    };
    auto& record = platform::form<players::Form_nouveau_joueur>();
    for (const char* game : {"1", "2", "3"}) {
        platform::Label& field = *std::vector<platform::Label*>{&record.Label_pp, &record.Label_pp2,
                                                                  &record.Label_pp3}[QString::fromLatin1(game).toInt() - 1];
        level_choice::LevelChoiceScreen* choice = nullptr;
        if (QLatin1String(game) == QLatin1String("1"))
            choice = &platform::form<level_choice::Form_choix_pp>();
        else if (QLatin1String(game) == QLatin1String("2"))
            choice = &platform::form<level_choice::Form_choix_pp2>();
        else
            choice = &platform::form<level_choice::Form_choix_pp3>();
        int refreshes = 0;
        count(choice->Command_niveau, refreshes);
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string("game ") + game + ", progress " + r.progress + ", level " + r.level);
            pp().Label_choix_jeu.setCaption(QString::fromLatin1(game));
            pp().Label_niveau.setCaption(QString::fromLatin1(r.level));
            field.setCaption(QString::fromLatin1(r.progress));
            stores = 0;
            refreshes = 0;
            startGame();
            pp().Label_score.setCaption(QStringLiteral("190"));
            press(noteKey());
            EXPECT_EQ(field.caption(), r.after);
            EXPECT_EQ(stores, QLatin1String(r.progress) == QLatin1String(r.after) ? 0 : 1);
            EXPECT_EQ(refreshes, 1);
            if (stores == 1) {  // what was stored is in the player's row
                const QString column = QStringLiteral("pp") + (QLatin1String(game) == QLatin1String("1") ? QString() : QString::fromLatin1(game));
                EXPECT_EQ(record.Data1.value(column), field.caption());
            }
        }
        // The refresh unlocked every level on the game's level-choice screen.
        for (int level = 1; level <= 14; ++level)
            EXPECT_TRUE(choice->levelEntry(level).enabled()) << level;
    }
    EXPECT_EQ(screens.messages, QStringList());
}

TEST_F(PpProgress, LastLevelAndOtherGamesStoreNothing)
{
    auto& record = platform::form<players::Form_nouveau_joueur>();
    for (const auto& [game, level] : {std::pair{"1", "14"}, {"4", "1"}, {"", "1"}}) {
        SCOPED_TRACE(std::string(game) + "/" + level);
        record.Label_pp.setCaption(QStringLiteral("1"));
        pp().Label_choix_jeu.setCaption(QString::fromLatin1(game));
        pp().Label_niveau.setCaption(QString::fromLatin1(level));
        stores = 0;
        startGame();
        pp().Label_score.setCaption(QStringLiteral("190"));
        press(noteKey());
        EXPECT_EQ(stores, 0);
        EXPECT_EQ(record.Label_pp.caption(), "1");
    }
}

// With no player chosen the record cannot be stored: the store says so, and the passed level
// still ends as passed.
TEST_F(PpScreen, AStoreThatFailsIsReportedAndTheGameGoesOn)
{
    auto& record = platform::form<players::Form_nouveau_joueur>();
    record.Label_pp.setCaption(QStringLiteral("1"));
    startGame();
    pp().Label_score.setCaption(QStringLiteral("190"));
    press(noteKey());
    EXPECT_EQ(screens.messages.size(), 1);
    EXPECT_EQ(screens.programEnds, 0);
    EXPECT_EQ(record.Label_pp.caption(), "2");
    EXPECT_TRUE(pp().Label_suite.enabled());
    pp().Label_suite.userClick();
    testing_support::advance(3000);
    EXPECT_TRUE(pp().Timer1.enabled());
}

} // namespace
} // namespace pp_test
