// What the name-to-keyboard games ask and accept: the question of every level in the three
// languages and its colour, the keys that answer each of the 21 codes, the key hints of each
// game and level, and the asked name kept readable on the screen.
#include "games/name_keyboard/questions.h"
#include "media/form_image.h"
#include "nn_fixture.h"

#include <QFontMetrics>

namespace nn_test {
namespace {

using games::name_keyboard::couleur_du_nom;
using testing_support::advance;

constexpr quint32 kBlue = 0xFF0000, kGreen = 0x00C000, kOrange = 0x80C0FF, kRed = 0x0000FF;

class NnQuestions : public NnScreen {};

// One question drawn by the real screen: level, language, game and the random number of the
// draw give the name, its code and its colour.
TEST_F(NnQuestions, EveryLevelAsksItsNamesInThePlayersLanguageAndColour)
{
    struct Row {
        const char* level;
        const char* language;
        const char* game;
        double x;
        const char* name;
        const char* code;
        quint32 colour;
    };
    const Row rows[] = {
        // Level 1: the draw table si, do, la, fa, re, mi, sol.
        {"1", "francais", "1", 0.0, "si", "7", kBlue},
        {"1", "francais", "1", 0.15, "do", "1", kOrange},
        {"1", "francais", "1", 0.3, "la", "6", kGreen},
        {"1", "anglais", "1", 0.45, "F", "4", kGreen},
        {"1", "francais", "1", 0.6, "ré", "2", kGreen},
        {"1", "espagnol", "1", 0.6, "re", "2", kGreen},
        {"1", "anglais", "1", 0.75, "E", "3", kBlue},
        {"1", "espagnol", "1", 0.99, "sol", "5", kOrange},
        // Level 2: the seven sharps.
        {"2", "francais", "1", 0.0, "do dièse", "8", kRed},
        {"2", "francais", "1", 0.3, "mi dièse", "10", kGreen},
        {"2", "anglais", "1", 0.6, "G sharp", "12", kRed},
        {"2", "espagnol", "1", 0.6, "sol sostenido", "12", kRed},
        {"2", "espagnol", "1", 0.99, "si sostenido", "14", kOrange},
        // Level 3: the seven flats.
        {"3", "francais", "1", 0.0, "do bémol", "15", kBlue},
        {"3", "anglais", "1", 0.15, "D flat", "16", kRed},
        {"3", "espagnol", "1", 0.45, "fa bemol", "18", kBlue},
        {"3", "francais", "1", 0.99, "si bémol", "21", kRed},
        // Level 4: all 21 names by their code.
        {"4", "francais", "1", 0.0, "do", "1", kOrange},
        {"4", "anglais", "1", 6.5 / 21, "B", "7", kBlue},
        {"4", "espagnol", "1", 9.5 / 21, "mi sostenido", "10", kGreen},
        {"4", "francais", "1", 13.5 / 21, "si dièse", "14", kOrange},
        {"4", "anglais", "1", 0.99, "B flat", "21", kRed},
        // nn2: the same names, always red.
        {"1", "francais", "2", 0.15, "do", "1", kRed},
        {"2", "anglais", "2", 0.3, "E sharp", "10", kRed},
        {"3", "espagnol", "2", 0.0, "do bemol", "15", kRed},
        {"4", "francais", "2", 0.0, "do", "1", kRed},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QStringLiteral("level %1 %2 game %3 x=%4").arg(r.level, r.language, r.game).arg(r.x).toStdString());
        testing_support::unloadAll();
        nn().Label_niveau.setCaption(QString::fromLatin1(r.level));
        nn().Label_choix_jeu.setCaption(QString::fromLatin1(r.game));
        setLanguage(QString::fromLatin1(r.language));
        random.script = {r.x};
        random.draws = 0;
        nn().Label_jouer.userClick();
        advance(2000);
        EXPECT_EQ(random.draws, 0) << "nothing is drawn during the countdown";
        EXPECT_FALSE(nn().Label_nom_note.visible());
        advance(1000);
        EXPECT_EQ(random.draws, 1);
        EXPECT_EQ(nn().Label_nom_note.caption(), QString::fromUtf8(r.name));
        EXPECT_EQ(nn().Label_note.caption(), r.code);
        EXPECT_EQ(nn().Label_nom_note.foreColor(), r.colour);
        EXPECT_TRUE(nn().Label_nom_note.visible());
        EXPECT_TRUE(nn().Timer1.enabled());
    }
}

// A language the program does not know asks nothing: the name and code of the design stay.
TEST_F(NnQuestions, AnUnknownLanguageAsksNothing)
{
    setLanguage(QStringLiteral("deutsch"));
    startGame();
    EXPECT_EQ(nn().Label_nom_note.caption(), QStringLiteral("Do sostenido"));
    EXPECT_EQ(nn().Label_note.caption(), "0");
    EXPECT_TRUE(nn().Timer1.enabled());
    press(20);
    EXPECT_EQ(nn().Label_score.caption(), "90") << "code 0 is on no key";
}

TEST_F(NnQuestions, NameColoursMatchExactly)
{
    struct Row { const char* name; std::optional<quint32> colour; };
    for (const Row& r : {Row{"ré", kGreen}, {"re", kGreen}, {"Ré", std::nullopt}, {"Do", std::nullopt},
                         {"do bémol", kBlue}, {"mi dièse", kGreen}, {"si dièse", kOrange}, {"fa dièse", kRed},
                         {"C flat", kBlue}, {"B sharp", kOrange}, {"sol sostenido", kRed}, {"do bemol ", std::nullopt}}) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(couleur_du_nom(QString::fromUtf8(r.name)), r.colour);
    }
    // Every name a question can ask has its colour.
    for (const char* language : {"francais", "anglais", "espagnol"})
        for (int code = 1; code <= 21; ++code)
            EXPECT_TRUE(couleur_du_nom(games::name_keyboard::nom_du_code(code, QString::fromLatin1(language))))
                << language << " " << code;
}

// The pitch class (C = 0) of a code, from its name: naturals, then sharps a semitone up,
// flats a semitone down.
int pitchOfCode(int code)
{
    const int naturals[] = {0, 2, 4, 5, 7, 9, 11};
    const int natural = naturals[(code - 1) % 7];
    const int shift = code <= 7 ? 0 : code <= 14 ? 1 : -1;
    return (natural + shift + 12) % 12;
}

// For every code, the 40 keys pressed with the mouse during a round: each sounds its own
// note, and exactly the keys that sound the name's pitch, in any octave, are right.
TEST_F(NnQuestions, EveryCodeIsAnsweredByTheKeysOfItsPitch)
{
    startGame();
    for (int code = 1; code <= 21; ++code) {
        QList<int> right;
        for (int k = 1; k <= 40; ++k) {
            nn().Label_note.setCaption(str(code));
            nn().Label_score.setCaption(QStringLiteral("100"));
            nn().Label_timer2.setCaption(QStringLiteral("0"));
            nn().Timer2.setEnabled(false);
            sounds.take();
            press(k);
            const QString stem = games::common::noteButtonStem(k);
            const QStringList heard = sounds.take();
            if (nn().Label_score.caption() == "110") {
                right << k;
                EXPECT_EQ(heard, (QStringList{stem + "_MD", "stop", stem + "_MU"})) << code << " " << k;
            } else {
                EXPECT_EQ(nn().Label_score.caption(), "90") << code << " " << k;
                EXPECT_EQ(heard, (QStringList{stem + "_MD", "faux", stem + "_MU"})) << code << " " << k;
            }
        }
        QList<int> expected;
        for (int k = 1; k <= 40; ++k)
            if ((40 + k) % 12 == pitchOfCode(code))
                expected << k;
        EXPECT_EQ(right, expected) << "code " << code;
    }
}

TEST_F(NnQuestions, TheCodeIsComparedAsExactText)
{
    startGame();
    for (const char* code : {"04", " 4", "4 ", "4.0"}) {
        SCOPED_TRACE(code);
        nn().Label_note.setCaption(QString::fromLatin1(code));
        nn().Label_score.setCaption(QStringLiteral("100"));
        press(13);
        EXPECT_EQ(nn().Label_score.caption(), "90");
    }
}

// Outside an open question a key only sounds.
TEST_F(NnQuestions, PressesThatAreNotJudged)
{
    struct Case { const char* when; std::function<void()> setUp; };
    const std::vector<Case> cases{
        {"before the game", [] {}},
        {"during the countdown", [] { nn().Label_jouer.userClick(); advance(1000); }},
        {"during the pause", [] { startGame(); press(rightKey()); }},
        {"after the end", [] { startGame(); nn().Label_temps.setCaption("1"); advance(1000); }},
        {"while stopped", [] { startGame(); nn().Label_stop.userClick(); }},
        {"at time 0", [] { startGame(); nn().Label_temps.setCaption("0"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        c.setUp();
        nn().Label_note.setCaption(QStringLiteral("1"));
        const QString score = nn().Label_score.caption();
        const QString aide = nn().Label_aide.caption();
        sounds.take();
        press(20);
        press(21);
        EXPECT_EQ(sounds.take(), (QStringList{"C5_MD", "C5_MU", "C5d_MD", "C5d_MU"}));
        EXPECT_EQ(nn().Label_score.caption(), score);
        EXPECT_EQ(nn().Label_aide.caption(), aide);
        testing_support::unloadAll();
        sounds.attach();
        nn().Label_niveau.setCaption(QStringLiteral("1"));
        nn().Label_choix_jeu.setCaption(QStringLiteral("1"));
    }
}

// In keyboard mode the mouse neither sounds nor judges, but a release still ends the note.
TEST_F(NnQuestions, KeyboardModeBlocksTheMouseButNotTheRelease)
{
    startGame();
    nn().Picture_bleu.setVisible(true);
    games::name_keyboard::bloquer_souris_touches_nn();
    for (platform::CommandButton* key : nn().touches())
        EXPECT_EQ(key->mousePointer(), platform::kPointerNoDrop);
    sounds.take();
    press(rightKey());
    EXPECT_EQ(sounds.take(), QStringList{games::common::noteButtonStem(rightKey()) + "_MU"});
    EXPECT_EQ(nn().Label_score.caption(), "100");
    // The computer keyboard and MIDI reach the same press action.
    nn().enfoncer_touche(rightKey());
    EXPECT_EQ(nn().Label_score.caption(), "110");
}

// The picture store image each key shows after the hints of a game and level.
TEST_F(NnQuestions, KeyHintsPerGameAndLevel)
{
    const QString plain = QStringLiteral("(design)");
    const auto hint = [](const char* game, const char* level, int key) {
        return games::name_keyboard::image_de_touche(QString::fromLatin1(game), QString::fromLatin1(level), key);
    };
    struct Row { const char* game; const char* level; int key; const char* image; };
    const Row rows[] = {
        {"1", "1", 8, "Image_orange"},   {"1", "1", 27, "Image_orange"}, {"1", "1", 10, "Image_vert"},
        {"1", "1", 1, "Image_vert"},     {"1", "1", 29, "Image_vert"},   {"1", "1", 12, "Image_bleu"},
        {"1", "1", 31, "Image_bleu"},    {"1", "1", 2, nullptr},         {"1", "1", 40, nullptr},
        {"1", "2", 1, "Image_vert"},     {"1", "2", 37, "Image_vert"},   {"1", "2", 20, "Image_orange"},
        {"1", "2", 3, "Image_rien"},     {"1", "2", 12, "Image_rien"},   {"1", "2", 40, "Image_pianon"},
        {"1", "3", 7, "Image_bleu"},     {"1", "3", 36, "Image_bleu"},   {"1", "3", 20, "Image_rien"},
        {"1", "3", 13, "Image_rien"},    {"1", "3", 2, "Image_pianon"},  {"1", "4", 39, "Image_orange"},
        {"1", "4", 24, "Image_bleu"},    {"1", "4", 40, "Image_pianon"}, {"1", "5", 20, nullptr},
        {"1", "", 20, nullptr},          {"2", "1", 20, nullptr},        {"2", "4", 40, nullptr},
        {"2", "2", 13, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QStringLiteral("game %1 level %2 key %3").arg(r.game, r.level).arg(r.key).toStdString());
        const std::optional<QString> image = hint(r.game, r.level, r.key);
        EXPECT_EQ(image.value_or(plain), r.image ? QString::fromLatin1(r.image) : plain);
    }

    // On the screen: the store's pictures land on the keys; keys the level leaves keep theirs.
    auto& store = platform::form<media::Form_image>();
    nn().Label_niveau.setCaption(QStringLiteral("1"));
    games::name_keyboard::colorer_touches_niveau_nn();
    EXPECT_EQ(nn().touche(8).picture().cacheKey(), store.Image_orange.picture().cacheKey());
    EXPECT_TRUE(nn().touche(40).picture().isNull());
    nn().Label_niveau.setCaption(QStringLiteral("3"));
    games::name_keyboard::colorer_touches_niveau_nn();
    EXPECT_EQ(nn().touche(19).picture().cacheKey(), store.Image_bleu.picture().cacheKey());
    EXPECT_EQ(nn().touche(40).picture().cacheKey(), store.Image_pianon.picture().cacheKey());
    EXPECT_TRUE(nn().touche(8).picture().isNull()) << "Image_rien blanks the orange marker";
    nn().Label_niveau.setCaption(QStringLiteral("7"));
    games::name_keyboard::colorer_touches_niveau_nn();
    EXPECT_EQ(nn().touche(19).picture().cacheKey(), store.Image_bleu.picture().cacheKey());
    nn().Label_choix_jeu.setCaption(QStringLiteral("2"));
    nn().Label_niveau.setCaption(QStringLiteral("1"));
    games::name_keyboard::colorer_touches_niveau_nn();
    EXPECT_EQ(nn().touche(19).picture().cacheKey(), store.Image_bleu.picture().cacheKey());
}

// The screen as it loads: captions from the text store, the keys at this screen's own places.
TEST_F(NnQuestions, LoadAndKeys)
{
    EXPECT_EQ(nn().Label_temps_restant.caption(), texts().temps_restant.caption());
    EXPECT_EQ(nn().Label_level.caption(), texts().niveau.caption());
    EXPECT_EQ(nn().Label_jouer.caption(), texts().jouer_rejouer.caption());
    testing_support::unloadAll();
    EXPECT_EQ(nn().Label_niveau.caption(), QString());
    struct Row { int key; const char* widget; double left, width; };
    for (const Row& r : {Row{1, "Piano_01_fa", 0, 520}, {3, "Piano_03_sol", 525, 520}, {5, "Piano_05_la", 1035, 525},
                         {19, "Piano_19_si", 5205, 520}, {24, "Piano_24_mi", 6765, 520},
                         {39, "Piano_39_sol", 11445, 555}, {40, "piano_40_lab", 11730, 375}}) {
        SCOPED_TRACE(r.key);
        EXPECT_EQ(nn().touche(r.key).name(), r.widget);
        EXPECT_EQ(nn().touche(r.key).left(), r.left);
        EXPECT_EQ(nn().touche(r.key).width(), r.width);
        EXPECT_EQ(nn().touche(r.key).top(), 5160);
        EXPECT_TRUE(nn().touche(r.key).picture().isNull());
    }
    for (platform::Control* hidden : std::initializer_list<platform::Control*>{
             &nn().Picture_bleu, &nn().Picture_rouge, &nn().Label_port, &nn().List1, &nn().Command_start,
             &nn().Label_nom1, &nn().Label_nom2, &nn().Label_score1, &nn().Label_score2, &nn().Label_nom_note,
             &nn().save_score})
        EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    EXPECT_FALSE(nn().Label_suite.enabled());
}

// The longest names stay whole: within the label, clear of the players' names and scores and
// of the metronome, and the label tall enough for the letters below the line.
TEST_F(NnQuestions, LongNamesStayReadable)
{
    const auto rect = [](const platform::Control& c) {
        return QRectF(c.left(), c.top(), c.width(), c.height());
    };
    for (bool two : {false, true}) {
        for (const char* name : {"sol sostenido", "la sostenido", "G sharp", "sol dièse", "mi"}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(QString::fromUtf8(name)).arg(two).toStdString());
            testing_support::unloadAll();
            if (two)
                twoPlayers();
            nn().Label_nom_note.setCaption(QString::fromUtf8(name));
            nn().ajuster_nom_note();
            const QFontMetrics metrics(nn().Label_nom_note.widget()->font());
            EXPECT_LE(metrics.horizontalAdvance(nn().Label_nom_note.caption()),
                      platform::twipsToPixels(nn().Label_nom_note.width()));
            EXPECT_LE(metrics.height(), platform::twipsToPixels(nn().Label_nom_note.height()));
            EXPECT_FALSE(rect(nn().Label_nom_note).intersects(rect(nn().Metronome_stop)));
            if (two) {
                for (platform::Label* player : {&nn().Label_nom1, &nn().Label_score1, &nn().Label_nom2, &nn().Label_score2})
                    EXPECT_FALSE(rect(nn().Label_nom_note).intersects(rect(*player))) << player->name().toStdString();
            }
            if (QString::fromUtf8(name) == "mi") {
                EXPECT_EQ(nn().Label_nom_note.fontSize(), 72);
            }
        }
    }
}

} // namespace
} // namespace nn_test
