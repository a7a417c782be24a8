#pragma once
// MIDI input without hardware, for the tests and the benchmarks.
//
// A FakeMidiSystem holds the devices that every FakeMidiInput of its factory lists, counts what
// the inputs were asked to do, and plays the instruments: send() hands messages to the input
// that has a device open, and that input delivers them from a thread of its own, in order, as
// the real input does. close() stops that thread and joins it; messages not yet delivered are
// dropped.

#include "platform/midi/midi_input.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

class FakeMidiInput;

class FakeMidiSystem {
public:
    explicit FakeMidiSystem(QStringList devices = {});

    // The device names every input lists ("" for a name that cannot be read).
    void setDevices(const QStringList& names);
    // Opening this device fails from now on (a busy device).
    void setOpenFails(int device, bool fails = true);

    // What the inputs were asked: "list", "open <n>", "open <n> failed", "close <n>".
    QStringList calls() const;
    int opens() const;   // successful opens
    int closes() const;  // closes of an open device
    // The devices open now, in the order they were opened.
    QList<int> openDevices() const;

    // Hands messages to the input that has `device` open; false when none has it open.
    bool send(int device, const QList<quint32>& messages);
    // Waits until every message sent so far has left its input's callback (or was dropped).
    void waitDelivered();

private:
    friend class FakeMidiInput;
    void record(const QString& call);

    mutable std::mutex mutex_;
    QStringList devices_;
    QSet<int> failing_;
    QStringList calls_;
    std::vector<FakeMidiInput*> open_;
};

class FakeMidiInput final : public MidiInput {
public:
    explicit FakeMidiInput(std::shared_ptr<FakeMidiSystem> system);
    ~FakeMidiInput() override;

    // Installs a factory of inputs on one new system with these devices, and returns it.
    static std::shared_ptr<FakeMidiSystem> installFactory(const QStringList& devices = {});

    QStringList deviceNames() override;
    bool open(int device, MessageCallback onMessage, QString* error) override;
    void close() override;
    bool isOpen() const override;

private:
    friend class FakeMidiSystem;
    void enqueue(const QList<quint32>& messages);
    void waitIdle();
    void run();

    std::shared_ptr<FakeMidiSystem> system_;
    int device_ = -1;
    MessageCallback onMessage_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<quint32> queue_;
    bool stopping_ = false;
    bool delivering_ = false;
};

} // namespace platform
