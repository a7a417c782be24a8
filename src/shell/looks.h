#pragma once
// The looks that several screens share: text buttons and the pointing-hand pointer.

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

// A caption longer than its label in some language ("Appearance of the note", "Nombre del
// segundo jugador") takes a smaller Times New Roman, down to 8 points, rather than being cut.
void ajuster_a_la_largeur(platform::Label& label);

// A picture used as a button: raised while the mouse button is down, with the hand pointer.
void makePictureButton(platform::Image& image);

} // namespace shell
