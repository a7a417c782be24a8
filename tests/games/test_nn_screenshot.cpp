// The scripted mid-round states of the name-to-keyboard screenshots: reached through the
// level-choice screen, the longest Spanish name on show, readable; TV_SHOT_DIR set saves them.
#include "nn_fixture.h"
#include "screenshots/nn_shot.h"

#include <QFontMetrics>

namespace nn_test {
namespace {

class NnShot : public NnScreen {
protected:
    void TearDown() override
    {
        // The shots switch the language.
        setLanguage(QStringLiteral("francais"));
        NnScreen::TearDown();
    }
};

TEST_F(NnShot, ScreenshotStatesAreMidRound)
{
    for (const auto& [game, two] : {std::pair{"nn", false}, {"nn", true}, {"nn2", false}, {"nn2", true}}) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(game).arg(two).toStdString());
        testing_support::unloadAll();
        choosePlayer(QStringLiteral("Lucas %1 %2").arg(game).arg(two));
        platform::Form& f = shots::prepareNnScreenshot(game, two);
        ASSERT_EQ(&f, platform::loaded<Form_nn>());
        EXPECT_EQ(nn().Label_choix_jeu.caption(), std::string(game) == "nn" ? "1" : "2");
        EXPECT_EQ(nn().Label_nom2.visible(), two);
        EXPECT_EQ(nn().Label_nom_note.caption(), "sol sostenido");
        EXPECT_TRUE(nn().Label_nom_note.visible());
        EXPECT_TRUE(nn().Timer1.enabled());
        EXPECT_EQ(nn().Label_jouer.caption(), "Juego/Rejuego");
        const QFontMetrics metrics(nn().Label_nom_note.widget()->font());
        EXPECT_LE(metrics.horizontalAdvance(nn().Label_nom_note.caption()),
                  platform::twipsToPixels(nn().Label_nom_note.width()));
        EXPECT_EQ(screens_.messages, QStringList());
        const QByteArray dir = qgetenv("TV_SHOT_DIR");
        if (!dir.isEmpty()) {
            testing_support::processEvents();
            EXPECT_TRUE(f.grab().save(QStringLiteral("%1/Form_nn_%2_%3.png")
                                          .arg(QString::fromLocal8Bit(dir), game, two ? "two_players" : "one_player")));
        }
    }
}

} // namespace
} // namespace nn_test
