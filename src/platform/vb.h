#pragma once
// Small helpers that every screen uses: numbers held as text, colours, errors, the random
// generator, the display, message boxes and the edge of every event handler.

#include <QColor>
#include <QSize>
#include <QString>

#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>

namespace platform {

constexpr int kTwipsPerPixel = 15;
inline int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(double px) { return px * kTwipsPerPixel; }

// The decimal reading of a text: its leading number (sign, digits, one decimal point, an
// exponent), leading blanks skipped; 0 when the text does not start with a number.
double val(const QString& text);
// The plain decimal text of a number: "5", "-3", "5.5", "0.25".
QString str(double value);

// Colours as the screens write them: 24-bit with red in the low byte (&HFF is red, &HFF0000
// blue), or a system colour &H800000nn.
QColor vbColor(quint32 value);
namespace colors {
constexpr quint32 kWindowBackground = 0x80000005;
constexpr quint32 kWindowText = 0x80000008;
constexpr quint32 kButtonFace = 0x8000000F;
constexpr quint32 kButtonText = 0x80000012;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;
} // namespace colors

// An error raised by our own code with a number and a text, like the picture loader's.
class VbError : public std::runtime_error {
public:
    VbError(quint32 number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description) {}
    quint32 number() const { return number_; }
    const QString& description() const { return description_; }

private:
    quint32 number_;
    QString description_;
};

// One random generator for the whole program. rnd() is uniform in [0, 1).
double rnd();
// Reseeding from the clock; the generator is seeded once, so this keeps the distribution.
void randomize();
// Tests replace the source (nullptr restores the real one).
void setRandomSource(std::function<double()> source);

// The display the program runs on, in pixels (the screen it starts on); replaceable in tests.
QSize displaySize();
void setDisplaySizeOverride(std::optional<QSize> size);

// Message boxes. style: 0 OK, 16 critical, 32 question, 48 exclamation, 64 information.
// The title defaults to the program's name.  Returns 1 (OK).
int msgBox(const QString& text, int style = 0, const QString& title = QString());
// Tests capture message boxes instead of showing them (nullptr restores real boxes).
using MsgBoxHook = std::function<int(const QString& text, int style, const QString& title)>;
void setMsgBoxHook(MsgBoxHook hook);

// Runs an event handler: an error escaping it is reported in a message box and never ends
// the program.
void dispatch(const std::function<void()>& handler);

} // namespace platform
