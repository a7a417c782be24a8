#include "platform/vb.h"

#include "platform/forms.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <chrono>
#include <cmath>
#include <optional>
#include <random>

namespace platform {

double val(const QString& text)
{
    const QString t = text;
    int i = 0;
    const int n = t.size();
    while (i < n && (t[i] == ' ' || t[i] == '\t' || t[i] == '\n' || t[i] == '\r'))
        ++i;
    const int start = i;
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    int end = i;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        int j = i + 1;
        if (j < n && (t[j] == '+' || t[j] == '-'))
            ++j;
        int expDigits = 0;
        while (j < n && t[j].isDigit() && t[j].unicode() < 128) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    const double v = t.mid(start, end - start).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString str(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qlonglong>(value));
    return QString::number(value, 'g', 15);
}

QColor vbColor(quint32 value)
{
    if (value & 0x80000000u) {
        switch (value & 0xFF) {
        case 0x05: return QColor(255, 255, 255);  // window background
        case 0x08: return QColor(0, 0, 0);        // window text
        case 0x0F: return QColor(212, 208, 200);  // button face
        case 0x12: return QColor(0, 0, 0);        // button text
        case 0x10: return QColor(128, 128, 128);  // button shadow
        case 0x14: return QColor(255, 255, 255);  // button highlight
        default: return QColor(212, 208, 200);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

namespace {
std::function<double()>& randomSource()
{
    static std::function<double()> source;
    return source;
}
std::mt19937_64& engine()
{
    static std::mt19937_64 e(static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    return e;
}
std::optional<QSize>& displayOverride()
{
    static std::optional<QSize> s;
    return s;
}
MsgBoxHook& msgHook()
{
    static MsgBoxHook h;
    return h;
}
} // namespace

double rnd()
{
    if (randomSource())
        return randomSource()();
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine());
}

void randomize() {}

void setRandomSource(std::function<double()> source) { randomSource() = std::move(source); }

QSize displaySize()
{
    if (displayOverride())
        return *displayOverride();
    if (auto* screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return QSize(800, 600);
}

void setDisplaySizeOverride(std::optional<QSize> size) { displayOverride() = size; }

void setMsgBoxHook(MsgBoxHook hook) { msgHook() = std::move(hook); }

int msgBox(const QString& text, int style, const QString& title)
{
    const QString t = title.isEmpty() ? QStringLiteral("Tastevolo") : title;
    if (msgHook())
        return msgHook()(text, style, t);
    QMessageBox box;
    box.setWindowTitle(t);
    box.setText(text);
    switch (style & 0x70) {
    case 16: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case 64: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return 1;
}

void dispatch(const std::function<void()>& handler)
{
    // The message box of an error runs while the handler's callers are still on the stack.
    detail::HandlerScope running;
    try {
        handler();
    } catch (const VbError& e) {
        msgBox(e.description(), 16);
    } catch (const std::exception& e) {
        msgBox(QString::fromUtf8(e.what()), 16);
    } catch (...) {
        msgBox(QStringLiteral("Unexpected error"), 16);
    }
}

} // namespace platform
