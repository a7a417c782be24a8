#pragma once
// The looks that several screens share: text buttons and the pointing-hand pointer.

#include <QString>

namespace platform {
class Control;
class Label;
class Image;
} // namespace platform

namespace shell {

// Gives a widget the custom pointing-hand pointer.
void useHandPointer(platform::Control& control);

// A label used as a button: bold 12-point Times New Roman, centred, black on the window colour,
// flat, with the pressed look while the mouse button is down and the hand pointer.
void makeTextButton(platform::Label& label);

// Gives a label its design font, then, when its caption would wrap (a long text in another
// language), makes the font smaller, half a point at a time down to 8 points, until the
// caption holds on one line inside the label's border.
void fitOnOneLine(platform::Label& label, const QString& family, double points, bool bold);

// A picture used as a button: raised while the mouse button is down, with the hand pointer.
void makePictureButton(platform::Image& image);

} // namespace shell
