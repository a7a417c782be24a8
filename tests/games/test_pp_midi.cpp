// A MIDI instrument on the staff-to-keyboard game screen: the device list, "Ok" and what it
// tells the player when it fails, the decoder fed through the input's own thread, the flood
// and the close; and the name-to-keyboard screen beside it with a device of its own. The
// devices are those of a fake MIDI system; one test reaches the real sequencer where there
// is none.
#include "games/common/midi_keys.h"
#include "games/name_keyboard/form_nn.h"
#include "media/form_traduction.h"
#include "platform/midi/fake_midi_input.h"
#include "platform/midi/rtmidi_input.h"
#include "pp_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

namespace pp_test {
namespace {

using platform::FakeMidiSystem;
using platform::packMidiMessage;
using testing_support::processEvents;

class PpMidi : public PpScreen {
protected:
    FakeMidiSystem& midi() { return *screens.midi; }

    // The game screen loaded afresh with these devices, its MIDI controls shown as the launch
    // shows them when the MIDI instrument is chosen.
    Form_pp& offer(const QStringList& devices)
    {
        platform::unload<Form_pp>();
        processEvents();
        midi().setDevices(devices);
        Form_pp& f = pp();
        f.Label_niveau.setCaption(QStringLiteral("1"));
        f.Label_choix_jeu.setCaption(QStringLiteral("1"));
        f.Label_port.setVisible(true);
        f.List1.setVisible(true);
        f.Command_start.setVisible(true);
        return f;
    }

    // The player picks a row and presses "Ok".
    Form_pp& openRow(const QStringList& devices, int row)
    {
        Form_pp& f = offer(devices);
        f.List1.setListIndex(row);
        f.Command_start.userClick();
        return f;
    }

    // The instrument plays: the messages go through the input's thread and its hand-over, and
    // the screen takes them in.
    void play(int device, const QList<quint32>& messages)
    {
        ASSERT_TRUE(midi().send(device, messages)) << "device " << device << " is not open";
        midi().waitDelivered();
        processEvents();
    }

    static QStringList listed(const Form_pp& f)
    {
        QStringList out;
        for (int i = 0; i < f.List1.listCount(); ++i)
            out << f.List1.list(i);
        return out;
    }

    // The port controls are gone and the screen plays: its buttons take clicks and a mouse
    // press on a key sounds it.
    void expectScreenUsable()
    {
        Form_pp& f = pp();
        EXPECT_FALSE(f.Label_port.visible());
        EXPECT_FALSE(f.List1.visible());
        EXPECT_FALSE(f.Command_start.visible());
        EXPECT_TRUE(f.Label_jouer.takesInput());
        EXPECT_TRUE(f.Label_retour.takesInput());
        sounds.take();
        press(20);
        EXPECT_EQ(sounds.take(), (QStringList{"C5_MD", "C5_MU"}));
    }
};

// Every message as the instrument sends it, decoded by its status byte on any channel.
TEST_F(PpMidi, DecoderTable)
{
    struct Row {
        const char* what;
        quint32 message;
        QStringList sounds;  // note player buttons pressed
        const char* text2;   // "" : the text fields keep what they held
        const char* text3;
        const char* text4;
    };
    const QString on = QStringLiteral("Touche Appuyée");
    const QString off = QStringLiteral("Touche Lachée");
    const std::vector<Row> rows{
        {"note-on 60 velocity 100", packMidiMessage(0x90, 60, 100), {"C5_MD"}, "643C", "on", "60"},
        {"note-on 60 velocity 0", packMidiMessage(0x90, 60, 0), {"C5_MU"}, "003C", "off", "60"},
        {"note-on on channel 10", packMidiMessage(0x99, 60, 64), {"C5_MD"}, "403C", "on", "60"},
        {"note-off with release velocity 64", packMidiMessage(0x80, 60, 64), {"C5_MU"}, "403C", "off", "60"},
        {"note-off velocity 0, channel 16", packMidiMessage(0x8F, 60, 0), {"C5_MU"}, "003C", "off", "60"},
        {"lowest key", packMidiMessage(0x90, 41, 90), {"F3_MD"}, "5A29", "on", "41"},
        {"highest key", packMidiMessage(0x90, 80, 1), {"G6d_MD"}, "0150", "on", "80"},
        {"note 40, below the piano", packMidiMessage(0x90, 40, 100), {}, "6428", "on", "40"},
        {"note 81, above the piano", packMidiMessage(0x90, 81, 100), {}, "6451", "on", "81"},
        {"sustain pedal down", packMidiMessage(0xB0, 64, 127), {}, "", "", ""},
        {"sustain pedal up", packMidiMessage(0xB0, 64, 0), {}, "", "", ""},
        {"program change 60", packMidiMessage(0xC0, 60), {}, "", "", ""},
        {"polyphonic aftertouch", packMidiMessage(0xA0, 60, 50), {}, "", "", ""},
        {"channel pressure", packMidiMessage(0xD0, 60), {}, "", "", ""},
        {"pitch bend", packMidiMessage(0xE0, 0, 64), {}, "", "", ""},
        {"song position", packMidiMessage(0xF2, 60, 1), {}, "", "", ""},
        {"active sensing", packMidiMessage(0xFE), {}, "", "", ""},
        {"timing clock", packMidiMessage(0xF8), {}, "", "", ""},
    };
    Form_pp& f = openRow({QStringLiteral("Piano")}, 0);
    ASSERT_EQ(midi().openDevices(), QList<int>{0});
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        for (platform::TextBox* t : {&f.Text2, &f.Text3, &f.Text4})
            t->setText(QStringLiteral("-"));
        sounds.take();
        play(0, {r.message});
        EXPECT_EQ(sounds.take(), r.sounds);
        const bool note = *r.text2 != '\0';
        EXPECT_EQ(f.Text2.text(), note ? QString::fromLatin1(r.text2) : QStringLiteral("-"));
        EXPECT_EQ(f.Text3.text(), !note ? QStringLiteral("-") : QLatin1String(r.text3) == "on" ? on : off);
        EXPECT_EQ(f.Text4.text(), note ? QString::fromLatin1(r.text4) : QStringLiteral("-"));
        // One-byte messages never reach the inbox.
        if (r.message <= 255)
            EXPECT_NE(f.Text1.text(), QString::number(r.message));
        else
            EXPECT_EQ(f.Text1.text(), QString::number(r.message));
    }
}

// The same message twice (a key struck twice at the same velocity) plays twice.
TEST_F(PpMidi, ARepeatedMessagePlaysAgain)
{
    openRow({QStringLiteral("Piano")}, 0);
    sounds.take();
    const quint32 strike = packMidiMessage(0x90, 60, 100);
    play(0, {strike, strike});
    EXPECT_EQ(sounds.take(), (QStringList{"C5_MD", "C5_MD"}));
}

// Played from the computer keyboard, the instrument's notes are decoded and play nothing.
TEST_F(PpMidi, KeyboardModeIgnoresTheInstrument)
{
    Form_pp& f = openRow({QStringLiteral("Piano")}, 0);
    f.Picture_bleu.setVisible(true);
    sounds.take();
    play(0, {packMidiMessage(0x90, 60, 100), packMidiMessage(0x80, 60, 0)});
    EXPECT_EQ(sounds.take(), QStringList());
    EXPECT_EQ(f.Text3.text(), QStringLiteral("Touche Lachée"));
    EXPECT_EQ(f.Text4.text(), "60");
}

// During a round a note is judged as a mouse press is; during the pause after a right answer
// it sounds and is not judged.
TEST_F(PpMidi, NotesAreJudgedLikeTheMouse)
{
    openRow({QStringLiteral("Piano")}, 0);
    startGame();
    const int note = 40 + noteKey();
    play(0, {packMidiMessage(0x90, quint8(note), 80), packMidiMessage(0x90, quint8(note), 0)});
    EXPECT_EQ(pp().Label_score.caption(), "110");
    sounds.take();
    play(0, {packMidiMessage(0x90, quint8(note), 80)});
    EXPECT_EQ(pp().Label_score.caption(), "110");
    EXPECT_EQ(sounds.take(), QStringList{games::common::noteButtonStem(note - 40) + "_MD"});
}

// "Ok" in every situation, in the current language; the open and close calls counted to
// the screen's unload.
TEST_F(PpMidi, OkCases)
{
    const QStringList two{QStringLiteral("Piano"), QStringLiteral("Synth")};
    struct Case {
        const char* what;
        const char* language;
        QStringList devices;
        std::function<void(Form_pp&)> choose;  // what the player does before "Ok"
        const char* told;                       // the failure's text, or "" when it opens
        QStringList calls;                      // asked of the MIDI system, to the unload
    };
    auto pick = [](int row) { return [row](Form_pp& f) { f.List1.setListIndex(row); }; };
    const std::vector<Case> cases{
        {"the second device", "francais", two, pick(1), "", {"list", "list", "open 1", "close 1"}},
        {"no device", "francais", {}, [](Form_pp&) {}, "Aucun instrument MIDI", {"list"}},
        {"no device, in Spanish", "espagnol", {}, [](Form_pp&) {}, "No hay", {"list"}},
        {"no row chosen", "anglais", two, [](Form_pp&) {}, "You did not choose", {"list"}},
        {"a row current but not chosen (the list took the focus)", "anglais", two,
         [](Form_pp& f) { f.List1.setCurrentRow(0, QItemSelectionModel::NoUpdate); },
         "You did not choose", {"list"}},
        {"the device unplugged since the list was made", "anglais", two,
         [this](Form_pp& f) {
             f.List1.setListIndex(1);
             midi().setDevices({QStringLiteral("Piano")});
         },
         "no longer connected", {"list", "list"}},
        {"the device moved by one plugged in before it", "anglais", two,
         [this](Form_pp& f) {
             f.List1.setListIndex(1);
             midi().setDevices({QStringLiteral("Drums"), QStringLiteral("Piano"), QStringLiteral("Synth")});
         },
         "", {"list", "list", "open 2", "close 2"}},
        {"a device that fails to open", "anglais", two,
         [this](Form_pp& f) {
             f.List1.setListIndex(0);
             midi().setOpenFails(0);
         },
         "could not be opened", {"list", "list", "open 0 failed"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        screens.midi = platform::FakeMidiInput::installFactory();
        screens.messages.clear();
        media::setLanguageSource([l = QString::fromLatin1(c.language)] { return l; });
        platform::form<media::Form_traduction>().Command_langue.click();
        Form_pp& f = offer(c.devices);
        c.choose(f);
        f.Command_start.userClick();
        if (*c.told == '\0') {
            EXPECT_EQ(screens.messages, QStringList());
            EXPECT_TRUE(f.entree_midi.ouverte());
        } else {
            ASSERT_EQ(screens.messages.size(), 1);
            EXPECT_TRUE(screens.messages.first().contains(QString::fromUtf8(c.told))) << screens.messages.first().toStdString();
            EXPECT_FALSE(f.entree_midi.ouverte());
        }
        expectScreenUsable();
        f.Label_retour.userClick();
        processEvents();
        EXPECT_EQ(midi().calls(), c.calls);
        EXPECT_EQ(midi().openDevices(), QList<int>());
    }
    media::setLanguageSource(nullptr);
}

// A device whose name cannot be read is listed by its number and opens as itself.
TEST_F(PpMidi, UnreadableNamesAreListedByNumber)
{
    Form_pp& f = offer({QStringLiteral("Piano"), QString(), QStringLiteral("Synth"), QString()});
    EXPECT_EQ(listed(f), (QStringList{"Piano", "MIDI 2", "Synth", "MIDI 4"}));
    EXPECT_FALSE(f.List1.currentItem() && f.List1.currentItem()->isSelected()) << "nothing is chosen at load";
    f.List1.setListIndex(1);
    f.Command_start.userClick();
    EXPECT_EQ(midi().openDevices(), QList<int>{1});
    EXPECT_EQ(screens.messages, QStringList());
}

// Closing twice, or closing what never opened, does nothing.
TEST_F(PpMidi, ClosingIsHarmless)
{
    Form_pp& f = openRow({QStringLiteral("Piano")}, 0);
    f.entree_midi.fermer();
    f.entree_midi.fermer();
    EXPECT_EQ(midi().closes(), 1);
    f.Label_retour.userClick();
    EXPECT_EQ(midi().closes(), 1);

    offer({QStringLiteral("Piano")}).Label_retour.userClick();
    EXPECT_EQ(midi().closes(), 1);
}

// Each game screen has its own device: leaving one closes only its own, and the other plays on.
TEST_F(PpMidi, TwoScreensEachWithItsOwnDevice)
{
    Form_pp& pp = openRow({QStringLiteral("Piano"), QStringLiteral("Synth")}, 0);
    auto& nn = platform::form<games::name_keyboard::Form_nn>();
    nn.Label_port.setVisible(true);
    nn.List1.setVisible(true);
    nn.Command_start.setVisible(true);
    EXPECT_EQ(nn.List1.listCount(), 2);
    nn.List1.setListIndex(1);
    nn.Command_start.userClick();
    EXPECT_EQ(midi().openDevices(), (QList<int>{0, 1}));

    play(0, {packMidiMessage(0x90, 60, 100)});
    play(1, {packMidiMessage(0x90, 62, 100)});
    EXPECT_EQ(pp.Text4.text(), "60");
    EXPECT_EQ(nn.Text4.text(), "62");

    nn.Label_retour.userClick();
    processEvents();
    EXPECT_EQ(midi().openDevices(), QList<int>{0});
    sounds.take();
    play(0, {packMidiMessage(0x90, 64, 100)});
    EXPECT_EQ(pp.Text4.text(), "64");
    EXPECT_EQ(sounds.take(), QStringList{"E5_MD"});

    pp.Label_retour.userClick();
    EXPECT_EQ(midi().openDevices(), QList<int>());
    QStringList openAndClose = midi().calls();
    openAndClose.removeAll(QStringLiteral("list"));
    EXPECT_EQ(openAndClose, (QStringList{"open 0", "open 1", "close 1", "close 0"}));
}

// 10,000 messages from the input's thread reach the keys in the order they were played.
TEST_F(PpMidi, TenThousandMessagesArriveInOrder)
{
    openRow({QStringLiteral("Piano")}, 0);
    QList<quint32> messages;
    QStringList expected;
    for (int i = 0; i < 5000; ++i) {
        const int key = 1 + (i * 7) % games::common::kKeyCount;
        const quint8 note = quint8(40 + key);
        // Releases alternate between the two forms an instrument uses.
        messages << packMidiMessage(0x90, note, quint8(1 + i % 127))
                 << (i % 2 ? packMidiMessage(0x80, note, 64) : packMidiMessage(0x90, note, 0));
        const QString stem = games::common::noteButtonStem(key);
        expected << stem + "_MD" << stem + "_MU";
    }
    sounds.take();
    play(0, messages);
    EXPECT_EQ(sounds.take(), expected);
}

// "Retour" in the middle of a flood returns at once; nothing is pressed afterwards.
TEST_F(PpMidi, RetourInTheMiddleOfAFloodReturnsPromptly)
{
    Form_pp& f = openRow({QStringLiteral("Piano")}, 0);
    QList<quint32> flood;
    for (int i = 0; i < 200000; ++i)
        flood << packMidiMessage(0x90, 60, i % 2 ? 0 : 100);
    ASSERT_TRUE(midi().send(0, flood));
    // Some of the flood is taken in before the player leaves.
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    f.Label_retour.userClick();
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(midi().openDevices(), QList<int>()) << "the unload closes the device";
    EXPECT_EQ(midi().closes(), 1);
    sounds.take();
    processEvents();
    EXPECT_EQ(sounds.take(), QStringList());
    EXPECT_EQ(platform::loaded<Form_pp>(), nullptr);
}

// On a machine without the ALSA sequencer the real input lists nothing and opens nothing,
// without an exception; the screen tells the player and plays with the mouse.
TEST_F(PpMidi, WithoutTheSequencerTheRealInputListsNothing)
{
    if (QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
        GTEST_SKIP() << "this machine has a MIDI sequencer";
    platform::RtMidiInput input;
    EXPECT_EQ(input.deviceNames(), QStringList());
    QString error;
    EXPECT_FALSE(input.open(0, [](quint32) {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(input.isOpen());
    input.close();
    input.close();

    platform::setMidiInputFactory(nullptr);
    Form_pp& f = offer({});
    EXPECT_EQ(f.List1.listCount(), 0);
    f.Command_start.userClick();
    ASSERT_EQ(screens.messages.size(), 1);
    EXPECT_TRUE(screens.messages.first().startsWith(
        platform::form<media::Form_traduction>().midi_aucun_instrument.caption()));
    expectScreenUsable();
    f.Label_retour.userClick();
}

} // namespace
} // namespace pp_test
