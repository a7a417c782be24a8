#include "games/common/midi_keys.h"

#include "games/common/piano_keys.h"
#include "media/form_traduction.h"
#include "platform/controls.h"
#include "platform/midi/midi_input.h"
#include "platform/vb.h"

#include <QDebug>

namespace games::common {

namespace {

constexpr quint32 kNoteOff = 0x80;
constexpr quint32 kNoteOn = 0x90;

const QString& toucheAppuyee()
{
    static const QString text = QStringLiteral("Touche Appuyée");
    return text;
}

const QString& toucheLachee()
{
    static const QString text = QStringLiteral("Touche Lachée");
    return text;
}

// The key of a MIDI note, or 0 for a note beyond the piano.
int touche_de_note(int note)
{
    const int key = note - 40;
    return key >= 1 && key <= kKeyCount ? key : 0;
}

} // namespace

std::optional<NoteMidi> decoder_message_midi(quint32 message)
{
    const quint32 kind = message & 0xF0;
    const int note = static_cast<int>((message >> 8) & 0x7F);
    const int velocity = static_cast<int>((message >> 16) & 0x7F);
    if (kind == kNoteOn)
        return NoteMidi{velocity > 0, note, velocity};
    if (kind == kNoteOff)
        return NoteMidi{false, note, velocity};
    return std::nullopt;
}

QString nom_de_peripherique(const QString& name, int device)
{
    return name.isEmpty() ? QStringLiteral("MIDI %1").arg(device + 1) : name;
}

EntreeMidi::EntreeMidi(MidiWidgets widgets, std::function<void(int)> press, std::function<void(int)> release)
    : w_(widgets), press_(std::move(press)), release_(std::move(release))
{
    w_.Command_start.onClick = [this] { Command_start_Click(); };
    w_.Text1.onChange = [this] { Text1_Change(); };
}

EntreeMidi::~EntreeMidi()
{
    fermer();
}

void EntreeMidi::lister_peripheriques()
{
    if (!input_)
        input_ = platform::makeMidiInput();
    listed_ = input_->deviceNames();
    w_.List1.clear();
    for (int i = 0; i < listed_.size(); ++i)
        w_.List1.addItem(nom_de_peripherique(listed_.at(i), i));
}

void EntreeMidi::Command_start_Click()
{
    w_.Command_start.setEnabled(false);
    w_.List1.setEnabled(false);
    const QString failure = ouvrir();
    w_.Command_start.setVisible(false);
    w_.Label_port.setVisible(false);
    w_.List1.setVisible(false);
    if (!failure.isEmpty()) {
        const auto& texts = platform::form<media::Form_traduction>();
        platform::msgBox(failure + QStringLiteral("\n\n") + texts.midi_jouer_souris.caption(), 48);
    }
}

QString EntreeMidi::ouvrir()
{
    const auto& texts = platform::form<media::Form_traduction>();
    if (w_.List1.listCount() == 0)
        return texts.midi_aucun_instrument.caption();
    // The row the player picked; a row that is only current (the list took the focus) is no
    // choice.
    const QList<QListWidgetItem*> chosen = w_.List1.selectedItems();
    if (chosen.isEmpty())
        return texts.midi_aucun_port_choisi.caption();
    const int device = peripherique_actuel(w_.List1.row(chosen.first()));
    if (device < 0)
        return texts.midi_port_disparu.caption();
    platform::TextBox* inbox = &w_.Text1;
    QString error;
    const bool opened = input_->open(
        device,
        [inbox](quint32 message) {
            // One-byte messages (clock, active sensing) and empty notices carry no note.
            if (message > 255)
                inbox->postText(QString::number(message));
        },
        &error);
    if (!opened) {
        qWarning().noquote() << "MIDI device" << device << "could not be opened:" << error;
        return texts.midi_port_non_ouvert.caption();
    }
    return {};
}

int EntreeMidi::peripherique_actuel(int row)
{
    if (row < 0 || row >= listed_.size())
        return -1;
    if (!input_)
        input_ = platform::makeMidiInput();
    const QString& listed = listed_.at(row);
    const QStringList now = input_->deviceNames();
    if (row < now.size() && now.at(row) == listed)
        return row;
    // Devices plugged in or out since the list was made move the others: the device is found
    // again by its name. One whose name could not be read is known only by its place.
    if (listed.isEmpty())
        return -1;
    return static_cast<int>(now.indexOf(listed));
}

void EntreeMidi::Text1_Change()
{
    bool ok = false;
    const quint32 message = w_.Text1.text().toUInt(&ok);
    if (!ok)
        return;
    const std::optional<NoteMidi> note = decoder_message_midi(message);
    if (!note)
        return;
    w_.Text2.setText(QStringLiteral("%1%2")
                         .arg(note->velocite, 2, 16, QLatin1Char('0'))
                         .arg(note->note, 2, 16, QLatin1Char('0'))
                         .toUpper());
    w_.Text3.setText(note->appuyee ? toucheAppuyee() : toucheLachee());
    w_.Text4.setText(QString::number(note->note));
    const int key = touche_de_note(note->note);
    if (key == 0 || w_.Picture_bleu.visible())
        return;
    if (note->appuyee)
        press_(key);
    else
        release_(key);
}

void EntreeMidi::fermer()
{
    if (input_)
        input_->close();
}

bool EntreeMidi::ouverte() const
{
    return input_ && input_->isOpen();
}

} // namespace games::common
