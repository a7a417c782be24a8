#include "media/form_instrument.h"

#include "games/staff_keyboard/form_pp.h"
#include "games/staff_name/form_pn.h"
#include "media/form_traduction.h"
#include "platform/audio/note_synth.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "shell/form_piano.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QTimer>

#include <array>
#include <cmath>

namespace media {

namespace {

// What the messages of the note player carry: channel 1 plays instrument 1 of bank 0 / 0.
constexpr qint16 kCanal = 1;
constexpr int kInstrument = 1;
constexpr quint8 kVelocite = 127;
constexpr quint8 kNoteOn = 1;
// Key k of the piano (1 to 40) is MIDI 40 + k.
constexpr int midiDeTouche(int touche) { return 40 + touche; }
// The highest key number a staff game's Label_note may sound.
constexpr int kDerniereNoteATrouver = 39;

struct Touche {
    platform::CommandButton Form_instrument::*md;
    platform::CommandButton Form_instrument::*mu;
    const char* nom;
};
#define TV_NOTE_ENTRY(n) Touche{&Form_instrument::n##_MD, &Form_instrument::n##_MU, #n},
// In key order: the entry at index i is key i + 1.
const std::array<Touche, 40> kTouches{{TV_NOTE_BUTTONS(TV_NOTE_ENTRY)}};
#undef TV_NOTE_ENTRY

} // namespace

int dureeEnMs(int unites)
{
    const double msParNoire = 60000.0 / kNoiresParMinute;
    return static_cast<int>(std::lround(unites * msParNoire / kUnitesParNoire));
}

Form_instrument::Form_instrument() : Form(QStringLiteral("Form_instrument"))
{
    for (std::size_t i = 0; i < kTouches.size(); ++i) {
        const int midi = midiDeTouche(static_cast<int>(i) + 1);
        platform::CommandButton& md = this->*kTouches[i].md;
        platform::CommandButton& mu = this->*kTouches[i].mu;
        md.setCaption(QLatin1String(kTouches[i].nom));
        mu.setCaption(QLatin1String(kTouches[i].nom));
        md.onClick = [this, midi] { note_MD_Click(midi); };
        mu.onClick = [this, midi] { note_MU_Click(midi); };
    }
    Command_pp.onClick = [this] { Command_pp_Click(); };
    Command_pn.onClick = [this] { Command_pn_Click(); };
}

Form_instrument::~Form_instrument() = default;

void Form_instrument::Form_Load()
{
    // The SoundFont is loaded once here, so that a key sounds the moment it is pressed.
    std::unique_ptr<platform::NoteSynth> synth = platform::makeNoteSynth();
    repertoire_courant = QDir::currentPath();
    QString erreur;
    if (!synth->start(repertoire_courant + QStringLiteral("/piano.sgt"), &erreur)) {
        // What went wrong, for whoever looks at the terminal; the player sees the message box.
        qWarning().noquote() << "Note player:" << erreur;
        echec_installation();
        return;
    }
    qInfo().noquote() << "Note player:" << synth->settingsReport();
    performance_musique_ = std::move(synth);
    velocite_note = kVelocite;
}

void Form_instrument::Form_Unload()
{
    // No note outlives the player, and the next player's session starts a synthesizer of its own.
    if (performance_musique_) {
        performance_musique_->allNotesOff();
        performance_musique_->stop();
        performance_musique_.reset();
    }
}

void Form_instrument::echec_installation()
{
    platform::msgBox(platform::form<Form_traduction>().Label_directx.caption());
    // The program cannot run without its notes: the player screens and the menu go, once the
    // screens whose handlers are running (the menu's load among them) have returned.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        platform::unload<players::Form_nouveau_joueur>();
        platform::unload<players::Form_joueurs>();
        platform::unload<shell::Form_piano>();
    });
}

void Form_instrument::envoyer_patch()
{
    if (performance_musique_)
        performance_musique_->programChange(kCanal - 1, kInstrument - 1, 0, 0);
}

void Form_instrument::envoyer_note(qint16 canal, const MessageNote& message)
{
    if (!performance_musique_)
        return;
    if (message.bFlags & kNoteOn)
        performance_musique_->noteOn(canal - 1, message.bMidiValue, message.bVelocity,
                                     dureeEnMs(message.mtDuration));
    else
        performance_musique_->noteOff(canal - 1, message.bMidiValue);
}

void Form_instrument::jouer_note(qint16 canal, quint8 note, qint32 duree)
{
    MessageNote message;
    message.bVelocity = velocite_note;
    message.bFlags = kNoteOn;
    message.mtDuration = duree;
    message.bMidiValue = note;
    envoyer_note(canal, message);
}

void Form_instrument::note_MD_Click(int midi)
{
    envoyer_patch();
    jouer_note(kCanal, static_cast<quint8>(midi), kDureeTouche);
}

void Form_instrument::note_MU_Click(int midi)
{
    MessageNote message;
    message.bMidiValue = static_cast<quint8>(midi);
    envoyer_note(kCanal, message);
}

void Form_instrument::jouer_note_a_trouver(const QString& caption)
{
    envoyer_patch();
    // Compared as text: "7" sounds, "07" and " 7" do not.
    for (int n = 1; n <= kDerniereNoteATrouver; ++n) {
        if (caption == platform::str(n)) {
            jouer_note(kCanal, static_cast<quint8>(midiDeTouche(n)), kDureeNoteATrouver);
            return;
        }
    }
}

void Form_instrument::Command_pp_Click()
{
    // Only the game screen presses this button; a note action never loads a screen.
    const auto* pp = platform::loaded<games::staff_keyboard::Form_pp>();
    jouer_note_a_trouver(pp ? pp->Label_note.caption() : QString());
}

void Form_instrument::Command_pn_Click()
{
    const auto* pn = platform::loaded<games::staff_name::Form_pn>();
    jouer_note_a_trouver(pn ? pn->Label_note.caption() : QString());
}

} // namespace media
