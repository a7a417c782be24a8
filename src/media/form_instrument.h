#pragma once
// The note player: a hidden screen through which every note of the program sounds. Its load
// starts the synthesizer with the SoundFont piano.sgt of the current directory; other screens
// sound notes by pressing its buttons:
//   <note>_MD / <note>_MU   note-on / note-off of one of the 40 keys, F3 (MIDI 41) to G6d (MIDI 80)
//   Command_pp / Command_pn the note to find of the staff games, from their Label_note ("1" to "39")
// The screen is never shown. When the synthesizer cannot start, the player says so and the
// program ends: the player screens and the main menu are unloaded once the handlers on the
// stack have returned.

#include "platform/controls.h"
#include "platform/forms.h"

#include <QString>

#include <memory>

namespace platform {
class NoteSynth;
}

namespace media {

// Durations of the notes, in music-time units: a key press and the note to find.
inline constexpr int kDureeTouche = 10000;
inline constexpr int kDureeNoteATrouver = 1000;
// Music time runs at 768 units a quarter note and 120 quarter notes a minute.
inline constexpr int kUnitesParNoire = 768;
inline constexpr int kNoiresParMinute = 120;
// A duration in music-time units, in milliseconds (10000 -> 6510, 1000 -> 651).
int dureeEnMs(int unites);

class Form_instrument : public platform::Form {
    Q_OBJECT
public:
    Form_instrument();
    ~Form_instrument() override;
    void Form_Load() override;
    void Form_Unload() override;

#define TV_NOTE_BUTTONS(X) \
    X(F3) X(F3d) X(G3) X(G3d) X(A3) X(A3d) X(B3) X(C4) X(C4d) X(D4) X(D4d) X(E4) X(F4) X(F4d) \
    X(G4) X(G4d) X(A4) X(A4d) X(B4) X(C5) X(C5d) X(D5) X(D5d) X(E5) X(F5) X(F5d) X(G5) X(G5d) \
    X(A5) X(A5d) X(B5) X(C6) X(C6d) X(D6) X(D6d) X(E6) X(F6) X(F6d) X(G6) X(G6d)
#define TV_DECLARE_NOTE(n) platform::CommandButton n##_MD{this, QStringLiteral(#n "_MD")}; \
    platform::CommandButton n##_MU{this, QStringLiteral(#n "_MU")};
    TV_NOTE_BUTTONS(TV_DECLARE_NOTE)
#undef TV_DECLARE_NOTE
    platform::CommandButton Command_pp{this, QStringLiteral("Command_pp")};
    platform::CommandButton Command_pn{this, QStringLiteral("Command_pn")};

    // The folder piano.sgt was loaded from (the current directory at load).
    QString repertoire_courant;
    // The velocity of every note-on; set by a complete set-up only.
    quint8 velocite_note = 0;

    // Whether the synthesizer is running (false after a failed set-up).
    bool synthetiseurPret() const { return performance_musique_ != nullptr; }

private:
    // The body of a note message: the fields the player sets, the others stay 0.
    struct MessageNote {
        qint32 mtDuration = 0;
        quint8 bVelocity = 0;
        quint8 bFlags = 0;  // 1: note-on
        quint8 bMidiValue = 0;
    };

    void note_MD_Click(int midi);
    void note_MU_Click(int midi);
    void Command_pp_Click();
    void Command_pn_Click();

    void envoyer_patch();
    void jouer_note(qint16 canal, quint8 note, qint32 duree);
    void envoyer_note(qint16 canal, const MessageNote& message);
    void jouer_note_a_trouver(const QString& caption);
    void echec_installation();

    std::unique_ptr<platform::NoteSynth> performance_musique_;
};

} // namespace media
