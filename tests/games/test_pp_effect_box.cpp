// A wrong answer whose sound effect reports a failure in a message box: the clock goes on
// behind the box, and what happens meanwhile is not undone when the box closes.
#include "pp_fixture.h"

#include "media/form_traduction.h"

namespace pp_test {
namespace {

class PpEffectBox : public PpScreen {};

TEST_F(PpEffectBox, ALevelLostWhileTheBoxIsOpenStaysLostAtZero)
{
    failingEffects();
    startGame();
    int boxes = 0;
    platform::setMsgBoxHook([&](const QString&, int, const QString&) {
        ++boxes;
        // The child leaves the box open until the time is out.
        testing_support::advance(61000);
        return 1;
    });
    press(wrongKey());
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(pp().Label_score.caption(), "0") << state().toStdString();
    EXPECT_FALSE(pp().Timer1.enabled());
    EXPECT_EQ(pp().Label_aide.caption(),
              platform::form<media::Form_traduction>().Label_aide_perdu_1joueur.caption());
}

} // namespace
} // namespace pp_test
