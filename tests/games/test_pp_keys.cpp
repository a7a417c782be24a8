// The 40 keys of the staff-to-keyboard game screen: each sounds its note, a judged press is
// right on the key of the note shown and wrong on every other, and presses outside a running
// round only sound.
#include "games/staff_keyboard/module_pp.h"
#include "pp_fixture.h"

#include <QTest>

namespace pp_test {
namespace {

using testing_support::advance;

class PpKeys : public PpScreen {};

TEST_F(PpKeys, KeysAndTheirNotes)
{
    // Widget names, colours and note player buttons of a few keys across the piano.
    struct Row { int key; const char* widget; bool black; const char* stem; double left, width, height; };
    for (const Row& r : {Row{1, "Piano_01_fa", false, "F3", 0, 520, 3615}, {2, "Piano_02_solb", true, "F3d", 270, 375, 2295},
                         {5, "Piano_05_la", false, "A3", 1040, 525, 3615}, {20, "Piano_20_do", false, "C5", 5715, 520, 3615},
                         {23, "Piano_23_mib", true, "D5d", 6600, 375, 2295}, {39, "Piano_39_sol", false, "G6", 11440, 555, 3615},
                         {40, "piano_40_lab", true, "G6d", 11730, 375, 2295}}) {
        SCOPED_TRACE(r.key);
        platform::CommandButton& key = pp().touche(r.key);
        EXPECT_EQ(key.name(), r.widget);
        EXPECT_EQ(key.backColor(), r.black ? 0x000000u : 0xFFFFFFu);
        EXPECT_EQ(key.left(), r.left);
        EXPECT_EQ(key.top(), 5160);
        EXPECT_EQ(key.width(), r.width);
        EXPECT_EQ(key.height(), r.height);
        EXPECT_EQ(key.mousePointer(), platform::kPointerCustom);
        EXPECT_EQ(games::common::midiNoteOfKey(r.key), 40 + r.key);
        press(r.key);
        EXPECT_EQ(sounds.take(), (QStringList{QString::fromLatin1(r.stem) + "_MD", QString::fromLatin1(r.stem) + "_MU"}));
    }
}

// During a round, the key whose number is Label_note is right and every other key wrong.
TEST_F(PpKeys, OnlyTheKeyOfTheNoteIsRight)
{
    startGame();
    pp().Label_note.setCaption(QStringLiteral("20"));
    for (int k = 1; k <= 40; ++k) {
        SCOPED_TRACE(k);
        pp().Label_score.setCaption(QStringLiteral("100"));
        pp().Label_timer2.setCaption(QStringLiteral("0"));
        pp().Timer2.setEnabled(false);
        sounds.take();
        press(k);
        const QString stem = games::common::noteButtonStem(k);
        if (k == 20) {
            EXPECT_EQ(pp().Label_score.caption(), "110");
            EXPECT_EQ(sounds.take(), (QStringList{"C5_MD", "stop", "C5_MU"}));
        } else {
            EXPECT_EQ(pp().Label_score.caption(), "90");
            EXPECT_EQ(sounds.take(), (QStringList{stem + "_MD", "faux", stem + "_MU"}));
        }
    }
}

TEST_F(PpKeys, RightButtonPlaysAndJudgesToo)
{
    startGame();
    pp().touche(noteKey()).userMouseDown(2);
    pp().touche(noteKey()).userMouseUp(2);
    EXPECT_EQ(pp().Label_score.caption(), "110");
}

// Outside a running round a key only sounds.
TEST_F(PpKeys, PressesThatAreNotJudged)
{
    struct Case { const char* when; std::function<void()> setUp; };
    const std::vector<Case> cases{
        {"before the game", [] {}},
        {"during the countdown", [] { pp().Label_jouer.userClick(); advance(1000); }},
        {"during the pause", [this] { startGame(); press(noteKey()); }},
        {"after the end", [this] { startGame(); pp().Label_temps.setCaption("1"); advance(1000); }},
        {"while stopped", [this] { startGame(); pp().Label_stop.userClick(); }},
        {"at time 0", [this] { startGame(); pp().Label_temps.setCaption("0"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        c.setUp();
        pp().Label_note.setCaption(QStringLiteral("20"));
        const QString score = pp().Label_score.caption();
        const QString aide = pp().Label_aide.caption();
        sounds.take();
        press(20);
        press(21);
        EXPECT_EQ(sounds.take(), (QStringList{"C5_MD", "C5_MU", "C5d_MD", "C5d_MU"}));
        EXPECT_EQ(pp().Label_score.caption(), score);
        EXPECT_EQ(pp().Label_aide.caption(), aide);
        testing_support::unloadAll();
        sounds.attach();
        pp().Label_niveau.setCaption(QStringLiteral("1"));
        setDuration(QStringLiteral("60"));
        chooseStyle(6);
    }
}

// The mouse, as the window system delivers it: a press on key 12 and a release over key 13
// start and stop key 12's note only.
TEST_F(PpKeys, ReleaseOverAnotherKeyStopsTheFirst)
{
    pp().Show();
    QWidget* window = pp().window();
    const auto centre = [&](int k) {
        QWidget* w = pp().touche(k).widget();
        return w->mapTo(window, QPoint(w->width() / 2, w->height() - 10));
    };
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, centre(12));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, centre(13));
    EXPECT_EQ(sounds.take(), (QStringList{"E4_MD", "E4_MU"}));
}

TEST_F(PpKeys, KeyboardModeBlocksTheMouseButNotTheRelease)
{
    startGame();
    pp().Picture_bleu.setVisible(true);
    games::staff_keyboard::bloquer_souris_touches_pp();
    sounds.take();
    for (int k = 1; k <= 40; ++k)
        EXPECT_EQ(pp().touche(k).mousePointer(), platform::kPointerNoDrop) << k;
    press(noteKey());
    EXPECT_EQ(sounds.take(), QStringList{games::common::noteButtonStem(noteKey()) + "_MU"});
    EXPECT_EQ(pp().Label_score.caption(), "100");
}

} // namespace
} // namespace pp_test
