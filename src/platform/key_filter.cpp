#include "platform/key_filter.h"

namespace platform {

KeyFilter::KeyFilter(Form* owner, std::function<void(bool down, int code, int shift)> heard)
    : heard_(std::move(heard)), wait_(owner, QStringLiteral("key_release_wait"), kPairWaitMs, false)
{
    wait_.onTimer = [this] { settle(); };
}

void KeyFilter::feed(const RawKeyEvent& in)
{
    RawKeyEvent event = in;
    // Events made without a scan code (by the program itself) name their key by its code.
    if (event.key == 0) {
        if (event.code == 0)
            return;
        event.key = 0x80000000u | static_cast<quint32>(event.code);
    }
    const bool pairs = waiting_ && event.press && waiting_->key == event.key && waiting_->time == event.time;
    if (waiting_ && !pairs)
        settle();
    if (!event.press) {
        waiting_ = Release{event.key, event.shift, event.time};
        wait_.setEnabled(false);
        wait_.setEnabled(true);  // a new wait from now
        return;
    }
    if (!pairs) {
        press(event);
        return;
    }
    // A repeat of the key: the release before it was none.
    waiting_.reset();
    wait_.setEnabled(false);
    pairs_ = true;
    const auto it = held_.find(event.key);
    if (it == held_.end())
        held_[event.key] = Held{event.code, true};  // down since before this screen had the keyboard
    else if (!it->second.silent)
        heard(true, it->second.code, event.shift);
}

void KeyFilter::press(const RawKeyEvent& event)
{
    const auto it = held_.find(event.key);
    if (it == held_.end()) {
        // The press that pairs with a release already given out (or dropped at a loss), or one
        // that Qt saw paired: the key has been down all along.
        const bool repeat = event.markedRepeat ||
                            (lastRelease_ && lastRelease_->key == event.key && lastRelease_->time == event.time);
        held_[event.key] = Held{event.code, repeat};
        if (!repeat)
            heard(true, event.code, event.shift);
        return;
    }
    Held& h = it->second;
    if (!h.silent) {
        // A repeat with no release before it: this window system repeats with presses only.
        if (!event.markedRepeat)
            pairs_ = false;
        heard(true, h.code, event.shift);
    } else if (pairs_ && !event.markedRepeat) {
        // A silent key pressed with no release in front: it was let go elsewhere, and this is
        // a fresh press.
        h = Held{event.code, false};
        heard(true, event.code, event.shift);
    }
}

void KeyFilter::settle()
{
    if (!waiting_)
        return;
    const Release r = *waiting_;
    waiting_.reset();
    wait_.setEnabled(false);
    lastRelease_ = r;
    const auto it = held_.find(r.key);
    if (it == held_.end())
        return;  // never heard going down here
    const Held h = it->second;
    held_.erase(it);
    if (!h.silent)
        heard(false, h.code, r.shift);
}

void KeyFilter::keyboardLost()
{
    if (waiting_) {
        // Up, or about to be repeated: a same-time press tells, and then the key is silent.
        lastRelease_ = *waiting_;
        held_.erase(waiting_->key);
        waiting_.reset();
        wait_.setEnabled(false);
    }
    for (auto& [key, h] : held_)
        h.silent = true;
}

void KeyFilter::heard(bool down, int code, int shift)
{
    if (code != 0 && heard_)
        heard_(down, code, shift);
}

} // namespace platform
