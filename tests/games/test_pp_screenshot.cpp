// The scripted mid-round state of the screenshots; TV_SHOT_DIR set saves it as a picture.
#include "screenshots/pp_shot.h"
#include "pp_fixture.h"

namespace pp_test {
namespace {

TEST_F(PpScreen, ScreenshotStateIsMidRound)
{
    platform::Form& f = shots::preparePpScreenshot();
    EXPECT_EQ(&f, &pp());
    EXPECT_TRUE(pp().Picture_note.visible());
    EXPECT_TRUE(pp().Timer1.enabled());
    EXPECT_EQ(pp().Label_note.caption(), "17");
    EXPECT_EQ(pp().Label_score.caption(), "108");
    EXPECT_EQ(pp().nb_note.caption(), "6");
    EXPECT_EQ(screens.messages, QStringList());
    const QByteArray dir = qgetenv("TV_SHOT_DIR");
    if (!dir.isEmpty()) {
        testing_support::processEvents();
        EXPECT_TRUE(f.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/Form_pp_mid_round.png")));
    }
}

} // namespace
} // namespace pp_test
