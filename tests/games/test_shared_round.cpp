// The pieces the games share: the progress ladder of the six games, the refresh of a
// level-choice screen that is open (and only then), and the launch onto a fresh game screen.
#include "games/common/launch.h"
#include "games/common/progress.h"
#include "level_choice/form_choix_nn.h"
#include "level_choice/form_choix_pn.h"
#include "players/form_nouveau_joueur.h"
#include "pp_fixture.h"

#include <stdexcept>

namespace pp_test {
namespace {

using games::common::progres_apres;

TEST(SharedProgress, LadderOfEveryGame)
{
    struct Row { double reached; double passed; std::optional<int> fourteen; std::optional<int> four; };
    const std::vector<Row> rows{
        {1, 1, 2, 4},  {2, 2, 3, {}}, {3, 3, 4, {}}, {4, 4, 14, {}},
        {2, 1, {}, {}}, {1, 2, {}, {}}, {4, 3, {}, {}}, {14, 4, {}, {}}, {14, 14, {}, {}},
        {4, 5, {}, {}}, {5, 5, {}, {}}, {0, 0, {}, {}},
    };
    for (const char* code : {"pp", "pp2", "pp3", "pn", "nn", "nn2", "", "PP", "pn "}) {
        const QString game = QString::fromLatin1(code);
        const bool fourteen = game == "pp" || game == "pp2" || game == "pp3" || game == "pn";
        const bool four = game == "nn" || game == "nn2";
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(code) + ": reached " + std::to_string(r.reached) + ", passed " + std::to_string(r.passed));
            const std::optional<int> expected = fourteen ? r.fourteen : four ? r.four : std::nullopt;
            EXPECT_EQ(progres_apres(game, r.reached, r.passed), expected);
        }
    }
}

class SharedPieces : public PpScreen {
protected:
    void SetUp() override
    {
        PpScreen::SetUp();
        newPlayerRow();
    }
};

// The progress reaches the player's row on disk; the level-choice screen refreshes when it is
// open, and a closed one stays closed.
TEST_F(SharedPieces, PassedLevelStoresAndRefreshesAnOpenLevelChoiceOnly)
{
    auto& record = platform::form<players::Form_nouveau_joueur>();
    record.Label_pn.setCaption(QStringLiteral("4"));
    games::common::enregistrer_niveau_reussi(QStringLiteral("pn"), QStringLiteral("4"));
    EXPECT_EQ(record.Label_pn.caption(), "14");
    EXPECT_EQ(record.Data1.value(QStringLiteral("pn")), "14");
    EXPECT_EQ(platform::loaded<level_choice::Form_choix_pn>(), nullptr);

    auto& choice = platform::form<level_choice::Form_choix_nn>();
    EXPECT_FALSE(choice.levelEntry(4).enabled());
    record.Label_nn.setCaption(QStringLiteral("1"));
    games::common::enregistrer_niveau_reussi(QStringLiteral("nn"), QStringLiteral("1"));
    EXPECT_EQ(record.Data1.value(QStringLiteral("nn")), "4");
    for (int level = 1; level <= 4; ++level)
        EXPECT_TRUE(choice.levelEntry(level).enabled()) << level;
    EXPECT_EQ(screens.messages, QStringList());
}

// A launch closes a game screen still open through its "Retour", and one whose hand-over
// fails is not left loaded half-built; the error goes on.
TEST_F(SharedPieces, LaunchStartsOnAFreshScreenAndLeavesNoneHalfBuilt)
{
    pp().Label_niveau.setCaption(QStringLiteral("9"));
    QString levelSeen;
    games::common::lancer_ecran_neuf<Form_pp>([&] { levelSeen = pp().Label_niveau.caption(); });
    EXPECT_EQ(levelSeen, "");  // the design value of a freshly loaded screen
    EXPECT_NE(platform::loaded<Form_pp>(), nullptr);

    EXPECT_THROW(games::common::lancer_ecran_neuf<Form_pp>([] {
                     pp().Label_niveau.setCaption(QStringLiteral("3"));
                     throw std::runtime_error("The resource was not found");
                 }),
                 std::runtime_error);
    EXPECT_EQ(platform::loaded<Form_pp>(), nullptr);
}

} // namespace
} // namespace pp_test
