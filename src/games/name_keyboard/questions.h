#pragma once
// What the name-to-keyboard games ask and accept, as plain tables: the note names of each
// level in the three languages with their codes, the codes each key accepts, the colour of a
// name and the hint picture a level paints on each key.  Read by Form_nn and Module_nn.

#include <QString>

#include <optional>
#include <vector>

namespace games::name_keyboard {

constexpr int kLastLevel = 4;
constexpr int kCodeCount = 21;

// Name colours (blue in the high byte).
constexpr quint32 kNameBlue = 0xFF0000;
constexpr quint32 kNameGreen = 0x00C000;
constexpr quint32 kNameOrange = 0x80C0FF;
constexpr quint32 kNameRed = 0x0000FF;

// A name to find on the piano and its code_note: 1 to 7 do re mi fa sol la si, 8 to 14 the
// same names sharp, 15 to 21 the same names flat.
struct Question {
    QString name;
    int code = 0;
};

// How many names a level draws from: 7 at levels 1 to 3, 21 at level 4; 0 for another level.
int nombre_de_tirages(int level);

// The name asked for a draw (1 to nombre_de_tirages) at a level, in a language
// ("francais", "anglais", "espagnol"); nothing for another language, level or draw.
// Level 1 asks the seven natural names in the order of its draw table, level 2 the seven
// sharps, level 3 the seven flats, level 4 all 21 names by their code.
std::optional<Question> question(int level, const QString& language, int draw);

// The name of a code (1 to 21) in a language; empty for another code or language.
QString nom_du_code(int code, const QString& language);

// The codes key k accepts, in the order they are tested: every name that sounds its pitch,
// in any octave (key 1, fa: 4 then 10).
std::vector<int> codes_de_touche(int key);

// Whether a press of key k answers the code held in Label_note (compared as exact text).
bool touche_juste(int key, const QString& labelNote);

// The colour a name is written in (game nn); nothing for a name in no list, which keeps the
// colour it had.  Names are compared exactly, case included.
std::optional<quint32> couleur_du_nom(const QString& name);

// The picture-store image (its widget name) that a level paints on key k in a game, game,
// level and key as the screen holds them; nothing when the key keeps its picture.  Only game
// "1" (nn) has hints; "Image_rien" blanks a key.
std::optional<QString> image_de_touche(const QString& game, const QString& level, int key);

} // namespace games::name_keyboard
