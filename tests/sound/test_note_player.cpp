// The hidden note player: which note every button sounds, the notes to find of the staff games,
// how long notes last, the synthesizer's life with the screen, and a synthesizer that cannot
// start.
#include "sound_fixture.h"

#include "games/staff_keyboard/form_pp.h"
#include "games/staff_name/form_pn.h"
#include "media/form_instrument.h"
#include "platform/store/player_store.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "shell/form_piano.h"

#include <QRegularExpression>

#include <memory>

using media::Form_instrument;
using platform::CommandButton;

namespace {

const QString kPatch = QStringLiteral("programChange 0 0 0 0");

class NotePlayer : public sound_test::SoundTest {
protected:
    void SetUp() override
    {
        SoundTest::SetUp();
        log = platform::RecordingNoteSynth::installFactory();
    }

    // The note player, loaded, with what its load sent already taken.
    Form_instrument& player()
    {
        Form_instrument& f = platform::form<Form_instrument>();
        take();
        return f;
    }
    // What the synthesizer received since the last take.
    QStringList take()
    {
        const QStringList calls = describe(*log);
        log->clear();
        return calls;
    }

    std::shared_ptr<platform::RecordingNoteSynth::Log> log;
};

// The MIDI note a button's name stands for: letter, octave, "d" for a sharp, with MIDI 60 = C5.
int midiOfName(const QString& name)
{
    static const QRegularExpression form(QStringLiteral("^([A-G])([0-9])(d?)$"));
    const QRegularExpressionMatch m = form.match(name);
    if (!m.hasMatch())
        return -1;
    const int semitone[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    return 12 * m.captured(2).toInt() + semitone[m.captured(1)[0].unicode() - 'A'] + (m.captured(3).isEmpty() ? 0 : 1);
}

struct Button {
    const char* name;
    CommandButton Form_instrument::*md;
    CommandButton Form_instrument::*mu;
};
#define TV_TEST_BUTTON(n) Button{#n, &Form_instrument::n##_MD, &Form_instrument::n##_MU},
const std::vector<Button> kButtons{TV_NOTE_BUTTONS(TV_TEST_BUTTON)};
#undef TV_TEST_BUTTON

TEST_F(NotePlayer, LoadStartsThePianoOfTheCurrentDirectoryOnce)
{
    platform::form<Form_instrument>();
    EXPECT_EQ(take(), QStringList{QStringLiteral("start ") + path(QStringLiteral("piano.sgt"))});
    EXPECT_EQ(platform::form<Form_instrument>().velocite_note, 127);
    EXPECT_TRUE(screens.messages.isEmpty());
    // Touching the loaded player again starts nothing.
    platform::form<Form_instrument>().C5_MU.click();
    EXPECT_EQ(take(), QStringList{QStringLiteral("noteOff 0 60")});
}

// A patch message, then the note: 10000 units of music time last 6510 ms.
TEST_F(NotePlayer, NamedKeysSoundTheirNoteAfterAPatch)
{
    const struct {
        CommandButton Form_instrument::*md;
        CommandButton Form_instrument::*mu;
        int midi;
    } cases[] = {
        {&Form_instrument::C5_MD, &Form_instrument::C5_MU, 60},
        {&Form_instrument::F3_MD, &Form_instrument::F3_MU, 41},
        {&Form_instrument::G6d_MD, &Form_instrument::G6d_MU, 80},
        {&Form_instrument::F3d_MD, &Form_instrument::F3d_MU, 42},
    };
    Form_instrument& f = player();
    for (const auto& c : cases) {
        (f.*c.md).click();
        EXPECT_EQ(take(), QStringList({kPatch, QStringLiteral("noteOn 0 %1 127 6510").arg(c.midi)}));
        (f.*c.mu).click();
        EXPECT_EQ(take(), QStringList{QStringLiteral("noteOff 0 %1").arg(c.midi)});
    }
}

TEST_F(NotePlayer, EveryButtonSoundsTheNoteOfItsNameAndIsCaptionedWithIt)
{
    ASSERT_EQ(kButtons.size(), 40u);
    Form_instrument& f = player();
    int previous = 40;
    for (const Button& b : kButtons) {
        const QString name = QLatin1String(b.name);
        const int midi = midiOfName(name);
        SCOPED_TRACE(b.name);
        // One button pair per semitone, F3 to G6d.
        EXPECT_EQ(midi, previous + 1);
        previous = midi;
        EXPECT_EQ((f.*b.md).caption(), name);
        EXPECT_EQ((f.*b.mu).caption(), name);
        (f.*b.md).setValue(true);
        (f.*b.mu).setValue(true);
        EXPECT_EQ(take(), QStringList({kPatch, QStringLiteral("noteOn 0 %1 127 6510").arg(midi),
                                       QStringLiteral("noteOff 0 %1").arg(midi)}));
    }
}

TEST_F(NotePlayer, RepeatedPressesAndStrayReleasesSendTheirMessagesOnly)
{
    Form_instrument& f = player();
    f.A4_MD.click();
    f.A4_MD.click();
    EXPECT_EQ(take(), QStringList({kPatch, QStringLiteral("noteOn 0 57 127 6510"), kPatch,
                                   QStringLiteral("noteOn 0 57 127 6510")}));
    f.D6_MU.click();  // a key that is not sounding
    EXPECT_EQ(take(), QStringList{QStringLiteral("noteOff 0 74")});
}

// The notes to find: exact texts "1" to "39"; anything else sends the patch message alone.
// 1000 units of music time last 651 ms, and no note-off follows.
struct NoteToFind {
    const char* caption;
    int midi;  // 0: no note
};
const NoteToFind kNotesToFind[] = {
    {"20", 60}, {"1", 41}, {"39", 79}, {"7", 47}, {"0", 0},  {"40", 0},
    {"07", 0},  {"", 0},   {" 7", 0},  {"7 ", 0}, {"-1", 0}, {"20.0", 0},
};

QStringList expectedNoteToFind(const NoteToFind& c)
{
    QStringList calls{kPatch};
    if (c.midi)
        calls << QStringLiteral("noteOn 0 %1 127 651").arg(c.midi);
    return calls;
}

// Each staff game's button sounds the note in its own game screen's Label_note.
TEST_F(NotePlayer, CommandPpAndCommandPnSoundTheirGamesNoteToFind)
{
    auto& pp = platform::form<games::staff_keyboard::Form_pp>();
    auto& pn = platform::form<games::staff_name::Form_pn>();
    Form_instrument& f = player();
    struct Game { CommandButton& button; platform::Label& note; platform::Label& other; };
    for (const Game& g : {Game{f.Command_pp, pp.Label_note, pn.Label_note}, Game{f.Command_pn, pn.Label_note, pp.Label_note}}) {
        for (const NoteToFind& c : kNotesToFind) {
            SCOPED_TRACE(g.button.name().toStdString() + " " + c.caption);
            g.note.setCaption(QString::fromLatin1(c.caption));
            g.other.setCaption(QStringLiteral("30"));
            take();
            g.button.click();
            EXPECT_EQ(take(), expectedNoteToFind(c));
        }
    }
}

// A note action never loads a screen: without its game screen the button sends the patch alone.
TEST_F(NotePlayer, CommandPpAndCommandPnWithoutTheirGameScreenSendThePatchAndLoadNothing)
{
    Form_instrument& f = player();
    f.Command_pp.click();
    EXPECT_EQ(take(), QStringList{kPatch});
    f.Command_pn.click();
    EXPECT_EQ(take(), QStringList{kPatch});
    EXPECT_EQ(platform::loaded<games::staff_keyboard::Form_pp>(), nullptr);
    EXPECT_EQ(platform::loaded<games::staff_name::Form_pn>(), nullptr);
}

TEST_F(NotePlayer, MusicTimeLastsAtAQuarterNoteOf768UnitsAt120Beats)
{
    EXPECT_EQ(media::dureeEnMs(media::kDureeTouche), 6510);
    EXPECT_EQ(media::dureeEnMs(media::kDureeNoteATrouver), 651);
    EXPECT_EQ(media::dureeEnMs(768), 500);
}

TEST_F(NotePlayer, UnloadSilencesAndReleasesTheSynthesizerAndAReloadStartsAnother)
{
    Form_instrument& f = player();
    f.E5_MD.click();
    take();
    platform::unload<Form_instrument>();
    EXPECT_EQ(take(), QStringList({QStringLiteral("allNotesOff"), QStringLiteral("stop")}));
    testing_support::processEvents();
    platform::form<Form_instrument>();
    EXPECT_EQ(take(), QStringList{QStringLiteral("start ") + path(QStringLiteral("piano.sgt"))});
}

// The real synthesizer refuses a piano.sgt that is missing or is not a SoundFont.
TEST_F(NotePlayer, TheRealSynthesizerRefusesAMissingOrWrongPiano)
{
    platform::setNoteSynthFactory({});
    for (const QByteArray& contents : {QByteArray(), QByteArray("RIFF\x04\0\0\0WAVE", 12)}) {
        if (!contents.isEmpty())
            sound_test::writeFile(path(QStringLiteral("piano.sgt")), contents);
        screens.messages.clear();
        Form_instrument& f = platform::form<Form_instrument>();
        EXPECT_FALSE(f.synthetiseurPret());
        EXPECT_EQ(screens.messages, QStringList{noSoundText()});
        EXPECT_EQ(f.velocite_note, 0);
        f.C5_MD.click();  // nothing to sound through, and no crash
        platform::unload<Form_instrument>();
        testing_support::processEvents();
    }
}

// The player screens and the main menu, as a login leaves them, with a working note player.
class NotePlayerFailure : public NotePlayer {
protected:
    void loginScreens()
    {
        platform::PlayerStore store;
        ASSERT_TRUE(store.open(path(QLatin1String(platform::kPlayerDatabaseFile))));
        platform::PlayerRow row = platform::newPlayerRow();
        row.setValue(u"Nom", QStringLiteral("Lina"));
        const std::optional<platform::PlayerBookmark> lina = store.insert(row);
        ASSERT_TRUE(lina);
        store.close();
        platform::form<players::Form_joueurs>().Show();
        ASSERT_TRUE(platform::form<players::Form_nouveau_joueur>().Data1.moveTo(*lina));
        platform::form<shell::Form_piano>();
        ASSERT_NE(platform::loaded<Form_instrument>(), nullptr);
        ASSERT_TRUE(screens.messages.isEmpty()) << screens.messages.join('|').toStdString();
    }
    static bool sessionGone()
    {
        return !platform::loaded<players::Form_nouveau_joueur>() && !platform::loaded<players::Form_joueurs>()
               && !platform::loaded<shell::Form_piano>() && !platform::loaded<Form_instrument>();
    }
};

TEST_F(NotePlayerFailure, ASynthesizerThatCannotStartSaysSoOnceThenTheProgramEnds)
{
    loginScreens();
    platform::unload<Form_instrument>();
    testing_support::processEvents();
    platform::RecordingNoteSynth::installFactory(QStringLiteral("error"));
    Form_instrument& f = platform::form<Form_instrument>();
    EXPECT_EQ(screens.messages, QStringList{noSoundText()});
    // The screens go only once the handlers on the stack have returned; meanwhile a key
    // sounds nothing and breaks nothing.
    EXPECT_NE(platform::loaded<shell::Form_piano>(), nullptr);
    f.C5_MD.click();
    f.Command_pp.click();
    EXPECT_FALSE(f.synthetiseurPret());
    testing_support::processEvents();
    EXPECT_TRUE(sessionGone());
    EXPECT_TRUE(platform::loadedForms().empty());
    EXPECT_GE(screens.programEnds, 1);
    EXPECT_EQ(screens.messages.size(), 1);
}

TEST_F(NotePlayerFailure, TwoFailuresBeforeTheShutdownRunsEndTheProgram)
{
    loginScreens();
    platform::unload<Form_instrument>();
    testing_support::processEvents();
    platform::RecordingNoteSynth::installFactory(QStringLiteral("error"));
    // Read while the texts are loaded: the second message's event loop already ends the session.
    const QString noSound = noSoundText();
    platform::form<Form_instrument>();
    platform::unload<Form_instrument>();
    platform::form<Form_instrument>();
    EXPECT_EQ(screens.messages, QStringList({noSound, noSound}));
    testing_support::processEvents();
    EXPECT_TRUE(sessionGone());
    EXPECT_TRUE(platform::loadedForms().empty());
    EXPECT_GE(screens.programEnds, 1);
}

TEST_F(NotePlayerFailure, AFailureWithoutTheMenuLeavesASilentPlayer)
{
    platform::RecordingNoteSynth::installFactory(QStringLiteral("error"));
    Form_instrument& f = platform::form<Form_instrument>();
    EXPECT_EQ(screens.messages, QStringList{noSoundText()});
    testing_support::processEvents();
    ASSERT_EQ(platform::loaded<Form_instrument>(), &f);
    take();
    f.G6d_MD.click();
    f.G6d_MU.click();
    EXPECT_EQ(take(), QStringList());
    EXPECT_EQ(screens.messages.size(), 1);
}

} // namespace
