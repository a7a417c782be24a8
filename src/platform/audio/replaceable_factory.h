#pragma once
// The factory behind makeNoteSynth(), makeEffectPlayer() and makeMidiInput(): it makes the real
// implementation unless a test installed a maker of its own.

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {

template <class Interface, class Real>
struct ReplaceableFactory {
    using Maker = std::function<std::unique_ptr<Interface>()>;

    static Maker& installed()
    {
        static Maker maker;
        return maker;
    }
    static std::unique_ptr<Interface> make()
    {
        const Maker& maker = installed();
        return maker ? maker() : std::make_unique<Real>();
    }
};

// describe() of every recorded call, in order.
template <class Call>
QStringList describeEach(const QList<Call>& calls)
{
    QStringList lines;
    for (const Call& call : calls)
        lines << describe(call);
    return lines;
}

} // namespace platform
