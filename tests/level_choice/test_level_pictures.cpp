// The level pictures the six screens ask for: exactly the catalogue's, and every one loads.
#include "level_choice_fixture.h"

#include "media/res_picture.h"
#include "platform/resources.h"
#include "screenshots/dialog_shots.h"

#include <QSet>

using level_choice::Game;
using level_choice::LevelChoiceScreen;
using level_choice_tests::codeOf;

namespace {

const char* const kLanguages[] = {"francais", "anglais", "espagnol"};

// The catalogue's level pictures: B01-B14, FR/US/ES01-14, VIDE01-14, PN01-14, NN1-4, VIDEN1-4.
QSet<QString> catalogueNames()
{
    QSet<QString> names;
    for (const char* series : {"B", "FR", "US", "ES", "VIDE", "PN"})
        for (int level = 1; level <= 14; ++level)
            names << QStringLiteral("%1%2").arg(QLatin1String(series)).arg(level, 2, 10, QLatin1Char('0'));
    for (const char* series : {"NN", "VIDEN"})
        for (int level = 1; level <= 4; ++level)
            names << QStringLiteral("%1%2").arg(QLatin1String(series)).arg(level);
    return names;
}

QSet<QString> embeddedLevelPictures()
{
    QSet<QString> names;
    for (const auto& [type, name] : platform::ResourceModule::embedded()->entries())
        if (type == QLatin1String("NIVEAUX"))
            names << name;
    return names;
}

class LevelPictures : public level_choice_tests::LevelChoiceTest {
protected:
    void SetUp() override { choosePlayer(QStringLiteral("Zoé"), {{QStringLiteral("pp"), QStringLiteral("14")},
                                                                 {QStringLiteral("pp2"), QStringLiteral("14")},
                                                                 {QStringLiteral("pp3"), QStringLiteral("14")},
                                                                 {QStringLiteral("pn"), QStringLiteral("14")},
                                                                 {QStringLiteral("nn"), QStringLiteral("4")},
                                                                 {QStringLiteral("nn2"), QStringLiteral("4")}}); }
    void setLanguage(const char* language)
    {
        platform::form<players::Form_joueurs>().Label_langue.setCaption(QString::fromLatin1(language));
    }
};

TEST_F(LevelPictures, TheScreensAskForExactlyTheCataloguesNames)
{
    QSet<QString> asked;
    for (const char* language : kLanguages) {
        setLanguage(language);
        for (Game game : level_choice::kGames) {
            const level_choice::GameLevels& levels = level_choice::gameLevels(game);
            for (int level = 1; level <= levels.levelCount; ++level) {
                const QString name = level_choice::levelPictureName(levels, level);
                EXPECT_EQ(name, name.toLower()) << "names are passed in lower case";
                asked << name.toUpper();
            }
        }
    }
    EXPECT_EQ(asked, catalogueNames());
}

TEST_F(LevelPictures, EveryCatalogueNameLoadsThroughThePictureLoader)
{
    if (embeddedLevelPictures().isEmpty())
        GTEST_SKIP() << "no level pictures embedded in this build";
    EXPECT_EQ(embeddedLevelPictures(), catalogueNames());
    for (const QString& name : catalogueNames()) {
        media::ResPicture loader;
        loader.setFileName(platform::programFile());
        EXPECT_FALSE(loader.LoadResPicture("niveaux", name.toLower()).isNull()) << name.toStdString();
    }
}

// Every entry of every screen, clicked, shows the picture of its level; SCORE the last one's.
TEST_F(LevelPictures, EveryEntryOfEveryScreenShowsItsLevelsPicture)
{
    struct Series {
        Game game;
        const char* prefix;  // pp2: by language
        int digits;
    };
    const Series series[] = {{Game::pp, "b", 2},  {Game::pp2, nullptr, 2}, {Game::pp3, "vide", 2},
                             {Game::pn, "pn", 2}, {Game::nn, "nn", 1},     {Game::nn2, "viden", 1}};
    const char* pp2Prefixes[] = {"fr", "us", "es"};
    for (int l = 0; l < 3; ++l) {
        setLanguage(kLanguages[l]);
        for (const Series& s : series) {
            if (!s.prefix && l > 0)
                continue;
            LevelChoiceScreen& screen = level_choice::levelChoiceScreen(s.game);
            const QString prefix = QLatin1String(s.prefix ? s.prefix : pp2Prefixes[l]);
            auto expected = [&](int level) {
                return media::loadResourcePicture(
                           "niveaux", prefix + QStringLiteral("%1").arg(level, s.digits, 10, QLatin1Char('0')))
                    .cacheKey();
            };
            for (int level = screen.levelCount(); level >= 1; --level) {
                screen.levelEntry(level).userClick();
                EXPECT_EQ(screen.Image_niveau.picture().cacheKey(), expected(level))
                    << codeOf(s.game) << " level " << level;
            }
            screen.scoreEntry().userClick();
            EXPECT_EQ(screen.Image_niveau.picture().cacheKey(), expected(screen.levelCount()))
                << codeOf(s.game) << " SCORE";
            platform::unload(screen);
        }
    }
    EXPECT_TRUE(screens_.messages.isEmpty()) << screens_.messages.join('\n').toStdString();
}

TEST_F(LevelPictures, TheScreenshotStateShowsLevelThreeOfFourUnlocked)
{
    for (int game = 1; game <= 6; ++game) {
        auto& screen = dynamic_cast<LevelChoiceScreen&>(shots::prepareLevelChoiceScreenshot(game));
        EXPECT_TRUE(screen.isVisible());
        EXPECT_EQ(screen.game().code, codeOf(level_choice::kGames[game - 1]));
        EXPECT_EQ(screen.selectedLevel(), 3);
        EXPECT_TRUE(screen.levelEntry(4).enabled());
    }
}

} // namespace
