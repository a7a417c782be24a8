#pragma once
// What a level of the staff-to-keyboard games holds: the notes it draws (their pictures and
// keys) and the hints painted on its keys for each game and language.  Plain tables, read by
// the game screen and its module.

#include "games/common/round.h"
#include "games/common/staff_notes.h"

#include <QString>

#include <optional>
#include <vector>

namespace games::staff_keyboard {

using common::DrawnNote;
using common::kLastLevel;
using common::niveau_du_texte;
using common::NotePicture;
using common::table_du_niveau;

// The keys of a level (the keys its hints cover), in ascending order: white keys only up to
// level 7, every key of the range from level 8.
std::vector<int> touches_du_niveau(int level);

// The names under which key k is written at a level from 5 up, as its hints name it: the
// natural name at levels 5 to 7, the sharp name at 8, the flat name at 9 (natural where the
// key has none, or where the level leaves the key without a hint), every name of the key
// from 10 up.  Names are French without accents: "do", "sid", "mib" ...
std::vector<QString> noms_de_touche(int key, int level);

// The catalogue pictures of a name on a key: "20_do" stands only as "20_do_s" and "20_do_f";
// a few names around middle C have a treble and a bass picture.
std::vector<QString> images_du_nom(int key, const QString& name);

// Draws the next note of a level from the random generator (reseeded first); nothing for a
// level without notes.  draw is the row drawn (1 to K) for levels 1 to 4 (the tables the
// staff games share) and the key's place in the level's key set (1 to n) from level 5.
std::optional<DrawnNote> tirer_note(int level);

// The store picture (an image name of the picture store) that a level paints on key k, for a
// game number and a language, all as text as the screens hold them; nothing when the key keeps
// its picture.
std::optional<QString> image_de_touche(const QString& game, const QString& language,
                                       const QString& level, int key);

} // namespace games::staff_keyboard
