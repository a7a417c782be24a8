#pragma once
// The note on the grand staff of the staff games ("pp", "pp2", "pp3" and "pn"): the draw
// tables of levels 1 to 4, the note pictures in the style of the moment, the empty staff after
// a right answer and the sad face after a wrong one.

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace platform {
class CommandButton;
class Label;
class PictureBox;
} // namespace platform

namespace games::common {

// A note picture of the catalogue ("20_do_s": key 20, do, treble staff), its key and the
// note's internal name ("do", "fad", "mib" ...).
struct NotePicture {
    QString name;
    int key = 0;
    QString nom;
};

// A note drawn for a level: the picture and the row (or place) the draw took, from 1.
struct DrawnNote {
    NotePicture note;
    int draw = 0;
};

// The draw table of levels 1 to 4, in draw order (rising pitch, middle C twice: treble, then
// bass): 4, 6, 8 and 10 rows; empty for another level.
std::vector<NotePicture> table_du_niveau(int level);

// Draws one of the notes given, each as likely (random generator reseeded first); nothing
// when there are none.
std::optional<DrawnNote> tirer_note_parmi(const std::vector<NotePicture>& notes);

// Draws a row of the table of levels 1 to 4 (random generator reseeded first, every row as
// likely); nothing for another level.
std::optional<DrawnNote> tirer_note_du_tableau(int level);

// Shows a note picture in the style nb_note holds ("1" to "8"; another value draws in bulle):
// the picture in Picture_note and, in the smiley style, its sad face ("_2") in Picture_note2,
// which otherwise keeps what it shows.  Returns whether the sad face was loaded: the note then
// has a sad face to show after a wrong answer.  The loader's errors reach the caller.
bool afficher_note(platform::PictureBox& Picture_note, platform::PictureBox& Picture_note2,
                   const QString& nb_note, const QString& image);

// The empty staff ("divers" / "portee") in both note pictures (a right answer).
void portee_vide(platform::PictureBox& Picture_note, platform::PictureBox& Picture_note2);

// A wrong answer: when the note on the staff was drawn with its sad face, Picture_note goes
// so that the sad face beneath shows (until the next note), and true is returned; the style
// chosen meanwhile in the appearance dialog does not count.
bool montrer_visage_triste(platform::PictureBox& Picture_note, bool noteTriste);

// The next note of a level: the level's generator button (Command_niveau1 to 4) for levels 1
// to 4, the same routine run directly for the levels above, up to the last; nothing for
// another level.
void tirer_note_du_niveau(int level, const std::array<platform::CommandButton*, 4>& generateurs,
                          const std::function<void(int)>& generateur);

struct RoundWidgets;
// One second of the pause after a right answer (Timer2): once it is over the note picture
// shows again, the next note of the level (read as a number) is drawn, and the pause stops.
void seconde_pause_note(const RoundWidgets& w, platform::PictureBox& Picture_note, const platform::Label& Label_niveau,
                        const std::function<void(int)>& tirer);

} // namespace games::common
