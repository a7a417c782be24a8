#include "platform/midi/fake_midi_input.h"

#include <algorithm>

namespace platform {

// ------------------------------------------------------------------------------ the system

FakeMidiSystem::FakeMidiSystem(QStringList devices) : devices_(std::move(devices)) {}

void FakeMidiSystem::setDevices(const QStringList& names)
{
    std::lock_guard lock(mutex_);
    devices_ = names;
}

void FakeMidiSystem::setOpenFails(int device, bool fails)
{
    std::lock_guard lock(mutex_);
    if (fails)
        failing_.insert(device);
    else
        failing_.remove(device);
}

QStringList FakeMidiSystem::calls() const
{
    std::lock_guard lock(mutex_);
    return calls_;
}

int FakeMidiSystem::opens() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [](const QString& c) {
        return c.startsWith(QLatin1String("open ")) && !c.endsWith(QLatin1String("failed"));
    }));
}

int FakeMidiSystem::closes() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [](const QString& c) { return c.startsWith(QLatin1String("close ")); }));
}

QList<int> FakeMidiSystem::openDevices() const
{
    std::lock_guard lock(mutex_);
    QList<int> devices;
    for (const FakeMidiInput* input : open_)
        devices << input->device_;
    return devices;
}

bool FakeMidiSystem::send(int device, const QList<quint32>& messages)
{
    std::lock_guard lock(mutex_);
    for (FakeMidiInput* input : open_) {
        if (input->device_ == device) {
            input->enqueue(messages);
            return true;
        }
    }
    return false;
}

void FakeMidiSystem::waitDelivered()
{
    std::lock_guard lock(mutex_);
    for (FakeMidiInput* input : open_)
        input->waitIdle();
}

void FakeMidiSystem::record(const QString& call)
{
    calls_ << call;
}

// ------------------------------------------------------------------------------- the input

FakeMidiInput::FakeMidiInput(std::shared_ptr<FakeMidiSystem> system) : system_(std::move(system)) {}

FakeMidiInput::~FakeMidiInput()
{
    close();
}

std::shared_ptr<FakeMidiSystem> FakeMidiInput::installFactory(const QStringList& devices)
{
    auto system = std::make_shared<FakeMidiSystem>(devices);
    setMidiInputFactory([system] { return std::make_unique<FakeMidiInput>(system); });
    return system;
}

QStringList FakeMidiInput::deviceNames()
{
    std::lock_guard lock(system_->mutex_);
    system_->record(QStringLiteral("list"));
    return system_->devices_;
}

bool FakeMidiInput::open(int device, MessageCallback onMessage, QString* error)
{
    close();
    {
        std::lock_guard lock(system_->mutex_);
        if (device < 0 || device >= system_->devices_.size() || system_->failing_.contains(device)) {
            system_->record(QStringLiteral("open %1 failed").arg(device));
            if (error)
                *error = QStringLiteral("device %1 cannot be opened").arg(device);
            return false;
        }
        system_->record(QStringLiteral("open %1").arg(device));
        device_ = device;
        onMessage_ = std::move(onMessage);
        stopping_ = false;
        queue_.clear();
        thread_ = std::thread([this] { run(); });
        system_->open_.push_back(this);
    }
    return true;
}

void FakeMidiInput::close()
{
    if (!thread_.joinable())
        return;
    {
        std::lock_guard lock(system_->mutex_);
        auto& open = system_->open_;
        open.erase(std::remove(open.begin(), open.end(), this), open.end());
        system_->record(QStringLiteral("close %1").arg(device_));
    }
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    changed_.notify_all();
    thread_.join();
    onMessage_ = nullptr;
    device_ = -1;
}

bool FakeMidiInput::isOpen() const
{
    return thread_.joinable();
}

void FakeMidiInput::enqueue(const QList<quint32>& messages)
{
    {
        std::lock_guard lock(mutex_);
        queue_.insert(queue_.end(), messages.begin(), messages.end());
    }
    changed_.notify_all();
}

void FakeMidiInput::waitIdle()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopping_ || (queue_.empty() && !delivering_); });
}

void FakeMidiInput::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_)
            break;
        const quint32 message = queue_.front();
        queue_.pop_front();
        delivering_ = true;
        lock.unlock();
        onMessage_(message);
        lock.lock();
        delivering_ = false;
        if (queue_.empty())
            changed_.notify_all();
    }
    delivering_ = false;
    changed_.notify_all();
}

} // namespace platform
