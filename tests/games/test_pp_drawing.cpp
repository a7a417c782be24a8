// Note drawing per level and the choice of the note style, with a scripted random source.
#include "games/common/note_style.h"
#include "games/staff_keyboard/levels.h"
#include "media/res_picture.h"
#include "platform/resources.h"
#include "pp_fixture.h"

#include <map>

namespace pp_test {
namespace {

using games::staff_keyboard::tirer_note;

// How often each key comes out when the draw walks evenly over [0, 1).
// (The first number drawn picks the key; a name or a staff is drawn after it when there is a
// choice.)
std::map<int, int> keyCounts(int level, int draws)
{
    ScriptedRandom random;
    random.install();
    std::map<int, int> counts;
    for (int i = 0; i < draws; ++i) {
        random.script = {(i + 0.5) / draws};
        ++counts[tirer_note(level)->note.key];
    }
    platform::setRandomSource(nullptr);
    return counts;
}

TEST(PpDrawing, LevelTablesInDrawOrder)
{
    struct Row { int level; QStringList pictures; };
    for (const Row& r : {Row{1, {"19_si", "20_do_s", "20_do_f", "22_re"}},
                         {2, {"17_la", "19_si", "20_do_s", "20_do_f", "22_re", "24_mi"}},
                         {3, {"15_sol", "17_la", "19_si", "20_do_s", "20_do_f", "22_re", "24_mi", "25_fa"}},
                         {4, {"13_fa", "15_sol", "17_la", "19_si", "20_do_s", "20_do_f", "22_re", "24_mi", "25_fa", "27_sol"}}}) {
        SCOPED_TRACE(r.level);
        const int k = static_cast<int>(r.pictures.size());
        ScriptedRandom random;
        random.install();
        for (int row = 0; row < k; ++row) {
            random.script = {(row + 0.999) / k};  // the top of row's share of [0, 1)
            const auto drawn = tirer_note(r.level);
            ASSERT_TRUE(drawn);
            EXPECT_EQ(drawn->note.name, r.pictures[row]);
            EXPECT_EQ(drawn->note.key, r.pictures[row].left(2).toInt());
            EXPECT_EQ(drawn->note.nom, r.pictures[row].section(QLatin1Char('_'), 1, 1));  // the name pn asks
            EXPECT_EQ(drawn->draw, row + 1);
        }
        platform::setRandomSource(nullptr);
    }
}

TEST(PpDrawing, MiddleCComesTwiceAsOften)
{
    EXPECT_EQ(keyCounts(1, 400), (std::map<int, int>{{19, 100}, {20, 200}, {22, 100}}));
    EXPECT_EQ(keyCounts(4, 1000), (std::map<int, int>{{13, 100}, {15, 100}, {17, 100}, {19, 100}, {20, 200},
                                                      {22, 100}, {24, 100}, {25, 100}, {27, 100}}));
}

// From level 5 the draw is even over the keys of the level's key set.
TEST(PpDrawing, HigherLevelsDrawEvenlyOverTheirKeys)
{
    for (int level = 5; level <= 14; ++level) {
        SCOPED_TRACE(level);
        const std::vector<int> keys = games::staff_keyboard::touches_du_niveau(level);
        const int n = static_cast<int>(keys.size());
        const auto counts = keyCounts(level, n * 10);
        ASSERT_EQ(static_cast<int>(counts.size()), n);
        for (int key : keys)
            EXPECT_EQ(counts.at(key), 10) << key;
    }
}

TEST(PpDrawing, KeySetsOfTheLevels)
{
    using games::staff_keyboard::touches_du_niveau;
    EXPECT_EQ(touches_du_niveau(5), (std::vector<int>{12, 13, 15, 17, 19, 20, 22, 24, 25, 27, 29}));
    EXPECT_EQ(touches_du_niveau(7), (std::vector<int>{8, 10, 12, 13, 15, 17, 19, 20, 22, 24, 25, 27, 29, 31, 32}));
    for (const auto& [level, first, last] : {std::tuple{8, 8, 32}, {10, 8, 32}, {11, 7, 34}, {12, 5, 36}, {13, 3, 37}, {14, 1, 39}}) {
        const std::vector<int> keys = touches_du_niveau(level);
        EXPECT_EQ(keys.front(), first) << level;
        EXPECT_EQ(keys.back(), last) << level;
        EXPECT_EQ(static_cast<int>(keys.size()), last - first + 1) << level;
    }
    EXPECT_TRUE(touches_du_niveau(0).empty());
    EXPECT_TRUE(touches_du_niveau(15).empty());
}

// The names a key is drawn under at the higher levels, as the level's hints name the key.
TEST(PpDrawing, NamesOfAKeyPerLevel)
{
    using games::staff_keyboard::noms_de_touche;
    struct Row { int key; int level; QStringList names; };
    for (const Row& r : {Row{20, 5, {"do"}}, {31, 7, {"si"}},
                         {20, 8, {"sid"}}, {8, 8, {"do"}}, {13, 8, {"mid"}}, {21, 8, {"dod"}}, {22, 8, {"re"}}, {19, 8, {"si"}},
                         {19, 9, {"dob"}}, {12, 9, {"fab"}}, {21, 9, {"reb"}}, {20, 9, {"do"}}, {13, 9, {"fa"}},
                         {20, 10, {"do", "sid"}}, {21, 10, {"dod", "reb"}}, {22, 10, {"re"}}, {12, 11, {"mi", "fab"}},
                         {1, 14, {"fa"}}, {13, 14, {"fa", "mid"}}, {7, 11, {"si", "dob"}}}) {
        std::vector<QString> names = noms_de_touche(r.key, r.level);
        EXPECT_EQ(QStringList(names.begin(), names.end()), r.names) << r.key << " at level " << r.level;
    }
}

// Every note a level from 1 to 14 can draw has a picture in every style, with the sad twin of
// the smiley style.
TEST(PpDrawing, EveryDrawableNoteHasItsPictures)
{
    using namespace games::staff_keyboard;
    if (!platform::embeddedResourcesRegistered())
        GTEST_SKIP() << "built without pictures";
    QStringList names;
    for (int level = 1; level <= 4; ++level)
        for (const NotePicture& n : table_du_niveau(level))
            names << n.name;
    for (int level = 5; level <= 14; ++level)
        for (int key : touches_du_niveau(level))
            for (const QString& name : noms_de_touche(key, level))
                for (const QString& picture : images_du_nom(key, name))
                    names << picture;
    names.removeDuplicates();
    const platform::ResourceModule* catalogue = platform::ResourceModule::embedded();
    for (const char* style : games::common::kNoteStyles)
        for (const QString& name : names) {
            EXPECT_TRUE(catalogue->find(QString::fromLatin1(style), name)) << style << '/' << name.toStdString();
            if (QLatin1String(style) == QLatin1String("smiley")) {
                EXPECT_TRUE(catalogue->find(QString::fromLatin1(style), name + "_2")) << name.toStdString();
            }
        }
}

// The screen shows the drawn note: its picture, its key, its sound, and the clock runs.
TEST_F(PpScreen, HigherLevelNoteOnTheScreen)
{
    pp().Label_niveau.setCaption(QStringLiteral("10"));
    random.script = {0.5, 0.99, 0.0};  // key 20 of keys 8..32, its second name (sid), one picture
    startGame();
    EXPECT_EQ(pp().Label_note.caption(), "20");
    EXPECT_EQ(pp().tirage_note, 13);
    EXPECT_TRUE(pp().Timer1.enabled());
    EXPECT_EQ(sounds.take(), QStringList{"pp 20"});
    media::ResPicture rp;
    rp.setFileName(platform::programFile());
    EXPECT_EQ(pp().Picture_note.picture().toImage(), rp.LoadResPicture("bulle", "20_sid").toImage());
}

// ------------------------------------------------------------------------- note style

struct StyleCase {
    const char* ticked;                // style numbers ticked
    std::vector<double> draws;         // the random numbers handed out
    std::optional<QString> style;      // nb_note after the choice
    int drawsUsed;
};

TEST(PpStyle, ChoiceFromTheTickedStyles)
{
    using games::common::choisir_apparence;
    const std::vector<StyleCase> cases{
        {"", {}, std::nullopt, 0},
        {"2", {}, "2", 0},
        {"6", {}, "6", 0},
        {"8", {}, "8", 0},
        {"1", {}, "1", 0},
        {"15", {0.4}, "1", 1},
        {"15", {0.6}, "5", 1},
        {"34", {0.7}, "4", 1},
        {"134", {0.9, 0.0, 0.0, 0.5}, "3", 4},  // three pairs, then the triple decides
        {"1345", std::vector<double>(10, 0.0), "1", 11},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.ticked);
        games::common::StyleChoice ticked{};
        for (const char* s = c.ticked; *s; ++s)
            ticked[static_cast<size_t>(*s - '1')] = true;
        ScriptedRandom random;
        random.script.assign(c.draws.begin(), c.draws.end());
        random.install();
        EXPECT_EQ(choisir_apparence(ticked), c.style);
        EXPECT_EQ(random.draws, c.drawsUsed);
        platform::setRandomSource(nullptr);
    }
}

// Two, three or four classic styles give each of them equally often.
TEST(PpStyle, ClassicStylesAreEquallyLikely)
{
    struct Case { const char* ticked; std::map<QString, int> counts; };
    for (const Case& c : {Case{"15", {{"1", 50}, {"5", 50}}}, Case{"345", {{"3", 40}, {"4", 40}, {"5", 40}}},
                          Case{"1345", {{"1", 40}, {"3", 40}, {"4", 40}, {"5", 40}}}}) {
        SCOPED_TRACE(c.ticked);
        games::common::StyleChoice ticked{};
        for (const char* s = c.ticked; *s; ++s)
            ticked[static_cast<size_t>(*s - '1')] = true;
        int total = 0;
        for (const auto& [style, n] : c.counts)
            total += n;
        std::map<QString, int> counts;
        for (int i = 0; i < total; ++i) {
            const double x = (i + 0.5) / total;
            platform::setRandomSource([x] { return x; });  // the last draw decides
            ++counts[*games::common::choisir_apparence(ticked)];
        }
        platform::setRandomSource(nullptr);
        EXPECT_EQ(counts, c.counts);
    }
}

TEST(PpStyle, ResourceTypeOfAStyle)
{
    using games::common::type_de_style;
    for (const auto& [number, type] : {std::pair{"1", "ronde"}, {"2", "smiley"}, {"5", "croche"}, {"8", "basket"},
                                       {"nb_note", "bulle"}, {"0", "bulle"}, {"9", "bulle"}, {"", "bulle"}})
        EXPECT_EQ(type_de_style(QString::fromLatin1(number)), QString::fromLatin1(type)) << number;
}

// A style never set (nothing ticked, nb_note still its design text) draws in bulle.
TEST_F(PpScreen, UnsetStyleDrawsInBulle)
{
    chooseStyle(0);
    startGame();
    EXPECT_EQ(pp().nb_note.caption(), "nb_note");
    EXPECT_TRUE(pp().Timer1.enabled());
    media::ResPicture rp;
    rp.setFileName(platform::programFile());
    EXPECT_EQ(pp().Picture_note.picture().toImage(), rp.LoadResPicture("bulle", "19_si").toImage());
}

TEST_F(PpScreen, StyleIsChosenAtEveryGameStart)
{
    chooseStyle(4);
    startGame();
    EXPECT_EQ(pp().nb_note.caption(), "4");
    chooseStyle(7);
    EXPECT_EQ(pp().nb_note.caption(), "4");
    startGame();
    EXPECT_EQ(pp().nb_note.caption(), "7");
}

} // namespace
} // namespace pp_test
