// From a MIDI message entering the input's callback to the synthesizer's note-on, on the real
// game screen: the hand-over to the user-interface thread, the decoder, the key's press action
// and the note player. The instrument is the fake MIDI system; nothing on the way polls.
#include <benchmark/benchmark.h>

#include "games/staff_keyboard/form_pp.h"
#include "media/form_instrument.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "platform/midi/fake_midi_input.h"
#include "platform/vb.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the last message entered the screen's callback.
class TimedInput final : public platform::MidiInput {
public:
    TimedInput(std::unique_ptr<platform::MidiInput> inner, std::atomic<Clock::rep>& entered)
        : inner_(std::move(inner)), entered_(entered)
    {
    }
    QStringList deviceNames() override { return inner_->deviceNames(); }
    bool open(int device, MessageCallback onMessage, QString* error) override
    {
        return inner_->open(
            device,
            [this, onMessage](quint32 message) {
                entered_ = Clock::now().time_since_epoch().count();
                onMessage(message);
            },
            error);
    }
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }

private:
    std::unique_ptr<platform::MidiInput> inner_;
    std::atomic<Clock::rep>& entered_;
};

// Notes when a note-on arrives and ends the event loop the benchmark waits in.
class TimedSynth final : public platform::NoteSynth {
public:
    bool start(const QString&, QString*) override { return true; }
    void programChange(int, int, int, int) override {}
    void noteOn(int, int, int, int) override
    {
        noteOnAt = Clock::now().time_since_epoch().count();
        if (loop)
            loop->quit();
    }
    void noteOff(int, int) override {}
    void allNotesOff() override {}
    void stop() override {}
    QString settingsReport() const override { return QStringLiteral("timed note synth"); }

    Clock::rep noteOnAt = 0;
    QEventLoop* loop = nullptr;
};

void BM_MidiMessageToNoteOn(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile language(QStringLiteral("langue.tvo"));
    if (language.open(QIODevice::WriteOnly))
        language.write("1\r\n");
    language.close();
    platform::setProgramEndHook([] {});
    platform::setMsgBoxHook([&state](const QString& text, int, const QString&) {
        state.SkipWithError(text.toUtf8().constData());
        return 1;
    });
    TimedSynth* synth = nullptr;
    platform::setNoteSynthFactory([&synth] {
        auto made = std::make_unique<TimedSynth>();
        synth = made.get();
        return made;
    });
    auto system = std::make_shared<platform::FakeMidiSystem>(QStringList{QStringLiteral("Piano")});
    std::atomic<Clock::rep> entered{0};
    platform::setMidiInputFactory([system, &entered] {
        return std::make_unique<TimedInput>(std::make_unique<platform::FakeMidiInput>(system), entered);
    });

    // The note player is loaded with the main menu, before any game screen.
    platform::form<media::Form_instrument>();
    auto& pp = platform::form<games::staff_keyboard::Form_pp>();
    pp.List1.setListIndex(0);
    pp.Command_start.click();
    const quint32 press = platform::packMidiMessage(0x90, 60, 100);
    const quint32 release = platform::packMidiMessage(0x80, 60, 0);
    for (auto _ : state) {
        if (!synth) {
            state.SkipWithError("no synthesizer");
            break;
        }
        QEventLoop loop;
        synth->loop = &loop;
        system->send(0, {press});
        loop.exec();
        synth->loop = nullptr;
        state.SetIterationTime(std::chrono::duration<double>(Clock::duration(synth->noteOnAt - entered)).count());
        system->send(0, {release});
        system->waitDelivered();
        QCoreApplication::processEvents();
    }
    platform::unload(pp);
    while (!platform::loadedForms().empty())
        platform::unload(*platform::loadedForms().back());
    QCoreApplication::processEvents();
    platform::setMidiInputFactory(nullptr);
    platform::setNoteSynthFactory(nullptr);
    platform::setMsgBoxHook(nullptr);
    QDir::setCurrent(old);
}
BENCHMARK(BM_MidiMessageToNoteOn)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
