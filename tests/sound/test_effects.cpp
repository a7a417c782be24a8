// The sound-effect dialog and player: which effects a wrong answer can play, the test pictures,
// stopping, the close label, a sound output that cannot open, and the eight recordings through
// the real mixer on SDL's dummy driver.
#include "sound_fixture.h"

#include "media/form_bruitage.h"
#include "platform/resources.h"
#include "platform/store/player_store.h"
#include "platform/vb.h"
#include "players/form_nouveau_joueur.h"

#include <SDL_mixer.h>

#include <map>
#include <memory>
#include <set>

using media::Form_bruitage;
using media::kNomsBruitages;

namespace {

QByteArray effectBytes(int index)
{
    platform::ResourceModule* module = platform::ResourceModule::embedded();
    const auto where = module->find(QStringLiteral("DMSEG"), QLatin1String(kNomsBruitages.at(std::size_t(index))));
    return where ? module->bytes(*where) : QByteArray();
}

// The effect a recording is, by its bytes: "ah" ... "rire", "?" for none of them.
QString effectName(const QByteArray& wav)
{
    for (int i = 0; i < 8; ++i) {
        if (wav == effectBytes(i))
            return QLatin1String(kNomsBruitages.at(std::size_t(i)));
    }
    return QStringLiteral("?");
}

class Effects : public sound_test::SoundTest {
protected:
    void SetUp() override
    {
        SoundTest::SetUp();
        for (int i = 0; i < 8; ++i)
            ASSERT_FALSE(effectBytes(i).isEmpty()) << kNomsBruitages.at(std::size_t(i));
        log = platform::RecordingEffectPlayer::installFactory();
        platform::setRandomSource([this] {
            ++draws;
            return next;
        });
    }

    // The dialog, loaded, with what its load did already taken.
    Form_bruitage& dialog()
    {
        Form_bruitage& f = platform::form<Form_bruitage>();
        take();
        return f;
    }
    static void setSwitches(Form_bruitage& f, const QString& values)  // "10110000": Check1 .. Check8
    {
        for (int k = 1; k <= 8; ++k)
            f.Check(k).setValue(values[k - 1].digitValue());
    }
    // What the player received since the last take, plays named by their effect.
    QStringList take()
    {
        QStringList calls;
        for (const platform::EffectPlayerCall& call : *log)
            calls << (call.kind == platform::EffectPlayerCall::Kind::Play ? QStringLiteral("play ") + effectName(call.wav)
                                                                           : describe(call));
        log->clear();
        return calls;
    }
    static QStringList played(const QString& effect)
    {
        return {QStringLiteral("play ") + effect, QStringLiteral("setMasterVolumeDb -10")};
    }

    std::shared_ptr<platform::RecordingEffectPlayer::Log> log;
    double next = 0;
    int draws = 0;
};

TEST_F(Effects, LoadOpensThePlayerTenDecibelsDownAndLaysOutTheDialog)
{
    Form_bruitage& f = platform::form<Form_bruitage>();
    EXPECT_EQ(take(), QStringList({QStringLiteral("init"), QStringLiteral("setMasterVolumeDb -10")}));
    EXPECT_TRUE(f.lecteurPret());
    EXPECT_TRUE(screens.messages.isEmpty());
    EXPECT_EQ(f.Label_fermer_bruitages.caption(), platform::form<media::Form_traduction>().fermer.caption());
    EXPECT_FALSE(f.picture().isNull());
    // Each switch shares its row with its test picture; effects 3 and 4 swap rows.
    const double rows[] = {240, 600, 1320, 960, 1680, 2040, 2400, 2760};
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(f.Check(k).top(), rows[k - 1]);
        EXPECT_EQ(f.Label_son(k).top(), rows[k - 1]);
        EXPECT_EQ(f.Label_son(k).left(), 720);
        EXPECT_EQ(f.Label_son(k).width(), 1335);
        EXPECT_EQ(f.Label_son(k).height(), 300);
    }
}

TEST_F(Effects, AWrongAnswerWithNoSwitchOnIsSilentAndDrawsNothing)
{
    Form_bruitage& f = dialog();
    for (const char* values : {"00000000", "22222222", "02020202"}) {
        setSwitches(f, QLatin1String(values));
        f.Command_faux.click();
        EXPECT_EQ(take(), QStringList()) << values;
    }
    EXPECT_EQ(draws, 0);
    EXPECT_TRUE(screens.messages.isEmpty());
}

// One draw per wrong answer, among the switches that are on (value 1; the grey 2 is off).
TEST_F(Effects, AWrongAnswerPlaysOneOfTheEnabledEffectsInOneDraw)
{
    const struct {
        const char* switches;
        std::map<double, const char*> byDraw;
    } cases[] = {
        {"00100000", {{0.0, "buzzer"}, {0.5, "buzzer"}, {0.999, "buzzer"}}},
        {"00000001", {{0.0, "rire"}, {0.999, "rire"}}},
        {"01001001", {{0.0, "aie"}, {0.33, "aie"}, {0.34, "ou"}, {0.66, "ou"}, {0.67, "rire"}, {0.999, "rire"}}},
        {"12100000", {{0.0, "ah"}, {0.49, "ah"}, {0.5, "buzzer"}, {0.999, "buzzer"}}},
        {"11111111", {{0.0, "ah"}, {0.125, "aie"}, {0.3, "buzzer"}, {0.4, "cri"}, {0.5, "ou"},
                      {0.7, "pouet"}, {0.8, "prof"}, {0.9, "rire"}}},
    };
    Form_bruitage& f = dialog();
    for (const auto& c : cases) {
        setSwitches(f, QLatin1String(c.switches));
        for (const auto& [draw, effect] : c.byDraw) {
            SCOPED_TRACE(std::string(c.switches) + " draw " + std::to_string(draw));
            next = draw;
            draws = 0;
            f.Command_faux.click();
            EXPECT_EQ(draws, 1);
            EXPECT_EQ(take(), played(QLatin1String(effect)));
        }
    }
    EXPECT_TRUE(screens.messages.isEmpty());
}

TEST_F(Effects, EveryEnabledEffectComesEquallyOften)
{
    Form_bruitage& f = dialog();
    setSwitches(f, QStringLiteral("10010110"));
    std::map<QString, int> counts;
    const int n = 400;
    for (int i = 0; i < n; ++i) {
        next = (i + 0.5) / n;
        f.Command_faux.click();
        const QStringList calls = take();
        ASSERT_EQ(calls.size(), 2);
        ++counts[calls[0].mid(5)];
    }
    EXPECT_EQ(counts, (std::map<QString, int>{{"ah", 100}, {"cri", 100}, {"pouet", 100}, {"prof", 100}}));
}

TEST_F(Effects, TestPicturesPlayTheirEffectWhateverTheSwitches)
{
    Form_bruitage& f = dialog();
    setSwitches(f, QStringLiteral("00000000"));
    f.Show();
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        f.Label_son(k).userClick();
        EXPECT_EQ(f.Label_test_bruitages.caption(), platform::str(k - 1));
        EXPECT_EQ(take(), played(QLatin1String(kNomsBruitages.at(std::size_t(k - 1)))));
    }
    EXPECT_EQ(draws, 0);
    // The raised look while the button is down.
    f.Label_son2.userMouseDown();
    EXPECT_EQ(f.Label_son2.appearance(), 1);
    f.Label_son2.userMouseUp();
    EXPECT_EQ(f.Label_son2.appearance(), 0);
}

TEST_F(Effects, AnIndexOutsideTheEffectsReplaysTheEffectLoadedLast)
{
    Form_bruitage& f = dialog();
    f.Label_son6.userClick();
    take();
    for (const char* index : {"8", "-1", "12"}) {
        f.Label_test_bruitages.setCaption(QLatin1String(index));
        f.Command_test.click();
        EXPECT_EQ(take(), played(QStringLiteral("pouet"))) << index;
    }
}

TEST_F(Effects, StopSilencesTheEffectAndNeverComplains)
{
    Form_bruitage& f = dialog();
    f.Command_stop.click();  // nothing played yet
    EXPECT_EQ(take(), QStringList{QStringLiteral("stop")});
    f.Label_son1.userClick();
    f.Command_stop.click();
    EXPECT_EQ(take(), played(QStringLiteral("ah")) << QStringLiteral("stop"));
    EXPECT_TRUE(screens.messages.isEmpty());
}

TEST_F(Effects, ASoundOutputThatCannotOpenSaysSoAtLoadAndAtEveryEffect)
{
    platform::RecordingEffectPlayer::installFactory(QStringLiteral("no sound"));
    Form_bruitage& f = platform::form<Form_bruitage>();
    EXPECT_EQ(screens.messages, QStringList{noSoundText()});
    EXPECT_FALSE(f.lecteurPret());
    screens.messages.clear();

    setSwitches(f, QStringLiteral("00000000"));
    f.Command_faux.click();  // nothing to play: nothing to say
    f.Command_stop.click();
    EXPECT_TRUE(screens.messages.isEmpty());

    setSwitches(f, QStringLiteral("01000000"));
    f.Command_faux.click();
    f.Command_faux.click();
    f.Label_son4.userClick();
    EXPECT_EQ(screens.messages, QStringList({noSoundText(), noSoundText(), noSoundText()}));
}

TEST_F(Effects, APlayThatFailsSaysSoAndLeavesTheVolumeAlone)
{
    const auto refusing = platform::RecordingEffectPlayer::installFactory({}, QStringLiteral("refused"));
    Form_bruitage& f = platform::form<Form_bruitage>();
    EXPECT_TRUE(screens.messages.isEmpty());
    refusing->clear();
    f.Label_son3.userClick();
    EXPECT_EQ(screens.messages, QStringList{noSoundText()});
    ASSERT_EQ(refusing->size(), 1);
    EXPECT_EQ(refusing->front().kind, platform::EffectPlayerCall::Kind::Play);
}

TEST_F(Effects, UnloadClosesThePlayer)
{
    dialog();
    platform::unload<Form_bruitage>();
    EXPECT_EQ(take(), QStringList{QStringLiteral("close")});
}

TEST_F(Effects, TheCloseLabelHidesTheDialogAndStoresTheSwitches)
{
    platform::PlayerStore store;
    ASSERT_TRUE(store.open(path(QLatin1String(platform::kPlayerDatabaseFile))));
    const std::optional<platform::PlayerBookmark> lina = store.insert(platform::newPlayerRow());
    ASSERT_TRUE(lina);
    ASSERT_TRUE(platform::form<players::Form_nouveau_joueur>().Data1.moveTo(*lina));

    Form_bruitage& f = dialog();
    setSwitches(f, QStringLiteral("10200011"));
    platform::setModalHook([](platform::Form& shown) {
        if (auto* d = dynamic_cast<Form_bruitage*>(&shown))
            d->Label_fermer_bruitages.userClick();
    });
    f.Show(1);
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(platform::loaded<Form_bruitage>(), &f);  // hidden, still loaded with its switches
    EXPECT_EQ(f.Check1.value(), 1);
    const std::optional<platform::PlayerRow> row = store.read(*lina);
    ASSERT_TRUE(row);
    QString stored;
    for (int k = 1; k <= 8; ++k)
        stored += row->value(QStringLiteral("sons%1").arg(k));
    EXPECT_EQ(stored, QStringLiteral("10000011"));
    EXPECT_TRUE(screens.messages.isEmpty()) << screens.messages.join('|').toStdString();
}

// The eight recordings through the real player: SDL2_mixer on SDL's dummy driver.
TEST_F(Effects, EveryRecordingPlaysThroughTheRealMixer)
{
    platform::setEffectPlayerFactory({});
    Form_bruitage& f = platform::form<Form_bruitage>();
    ASSERT_TRUE(f.lecteurPret()) << screens.messages.join('|').toStdString();
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        f.Label_son(k).userClick();
        EXPECT_EQ(f.segment_bruitage(), effectBytes(k - 1));
        EXPECT_EQ(Mix_Playing(-1), 1);
        f.Command_stop.click();
        EXPECT_EQ(Mix_Playing(-1), 0);
    }
    f.Check5.setValue(1);
    f.Command_faux.click();
    EXPECT_EQ(f.segment_bruitage(), effectBytes(4));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(screens.messages.isEmpty()) << screens.messages.join('|').toStdString();
}

} // namespace
