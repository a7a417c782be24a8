#pragma once
// A MIDI instrument playing the piano of a keyboard game screen: the list of input devices,
// the "Ok" that opens the chosen one, the hand-over of every message to the screen's hidden
// inbox Text1, the decoder that turns note messages into the press and release actions of
// the 40 keys, and the close.
//
// Each game screen owns one EntreeMidi and so its own device: it is opened by the screen's
// "Ok" and closed when the screen unloads. The input's thread never touches a widget: it only
// posts the message, as decimal text, to Text1 (queued, in order, never waiting), and the
// decoding runs on the user-interface thread in Text1's change handler.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace platform {
class CommandButton;
class Label;
class ListBox;
class MidiInput;
class PictureBox;
class TextBox;
} // namespace platform

namespace games::common {

// The widgets of the screen that the MIDI input uses.
struct MidiWidgets {
    platform::Label& Label_port;        // the prompt
    platform::ListBox& List1;           // the devices
    platform::CommandButton& Command_start;  // "Ok"
    platform::TextBox& Text1;           // inbox: the last message, decimal
    platform::TextBox& Text2;           // velocity and note, four hexadecimal digits
    platform::TextBox& Text3;           // "Touche Appuyée" or "Touche Lachée"
    platform::TextBox& Text4;           // the note number, decimal
    platform::PictureBox& Picture_bleu; // visible: the piano is played from the computer keyboard
};

// A decoded note message: a press or a release of a MIDI note, with its velocity.
struct NoteMidi {
    bool appuyee = false;
    int note = 0;
    int velocite = 0;

    bool operator==(const NoteMidi&) const = default;
};

// Decodes a short message by its status byte, on any channel: note-on with a velocity above
// 0 presses, note-on with velocity 0 and note-off (any velocity) release; every other message
// (controllers, program change, aftertouch, pitch bend, system messages) is no note.
std::optional<NoteMidi> decoder_message_midi(quint32 message);

// The list entry of a device: its name, or its number (counted from 1) when its name cannot
// be read.
QString nom_de_peripherique(const QString& name, int device);

class EntreeMidi {
public:
    // press(k) and release(k) are the screen's actions of key k (1 to 40). Wires "Ok" and
    // Text1's change handler.
    EntreeMidi(MidiWidgets widgets, std::function<void(int)> press, std::function<void(int)> release);
    // Closes the device.
    ~EntreeMidi();
    EntreeMidi(const EntreeMidi&) = delete;
    EntreeMidi& operator=(const EntreeMidi&) = delete;

    // Fills List1 with the input devices, in device order; nothing selected.
    void lister_peripheriques();

    // "Ok": opens the device of the selected row. Whether it opened or not, the port controls
    // are hidden so that the screen's buttons are reachable and the mouse plays; a failure is
    // told to the player in the current language.
    void Command_start_Click();

    // The decoder, run when Text1 changes.
    void Text1_Change();

    // Closes the device; nothing when none is open (also a second time).
    void fermer();

    bool ouverte() const;

private:
    // Opens the chosen device; the text that tells the player why it failed, empty when open.
    QString ouvrir();
    // The device number now of the device listed at `row`, or -1 when it is gone.
    int peripherique_actuel(int row);

    MidiWidgets w_;
    std::function<void(int)> press_;
    std::function<void(int)> release_;
    std::unique_ptr<platform::MidiInput> input_;
    // The devices' names as they were listed ("" where a name could not be read).
    QStringList listed_;
};

} // namespace games::common
