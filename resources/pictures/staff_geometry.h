#pragma once
// Where a note of a note picture stands on the grand staff.
//
// A note-picture name reads <key>_<note>[_S|_F][_2]: the key number 01..39 of the on-screen
// piano (key 20 is middle C), the French note name with D (sharp) or B (flat), the staff when
// the note could stand on either, and the sad face of the smiley style. The head's row follows
// from the written letter and octave (07_DOB is a C flat, written one step above the B of the
// same key), not from the key number alone.
//
// Plain C++ only: the pictures are drawn from these numbers, and anything that wants to know
// where a head stands can ask without Qt.

#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "games/staff_name/level_notes.h"

namespace staff {

// The note pictures (and the empty staff) are 248 x 244 pixels.
constexpr int kPictureWidth = 248;
constexpr int kPictureHeight = 244;

// One grand staff: two five-line staves, treble above bass.
struct System {
    double left = 0;          // where the staff lines start (the brace stands left of it)
    double right = 0;         // where they end
    double trebleTop = 0;     // row of the treble staff's top line (F5)
    double lineSpacing = 14;  // distance between two lines of a staff
    double gap = 56;          // from the treble bottom line (E4) to the bass top line (A3)

    double step() const { return lineSpacing / 2; }
    double trebleBottom() const { return trebleTop + 4 * lineSpacing; }
    double bassTop() const { return trebleBottom() + gap; }
    double bassBottom() const { return bassTop() + 4 * lineSpacing; }
};

// The system of the note pictures; the head of every note stands at column kHeadX.
inline constexpr System kPictureSystem{16, 242, 38, 14, 56};
constexpr double kHeadX = 150;

enum class Staff { Treble, Bass };

// Diatonic step: octave * 7 + letter (0 = do/C ... 6 = si/B); middle C is step 28.
constexpr int stepOf(int letter, int octave) { return octave * 7 + letter; }
constexpr int kMiddleC = stepOf(0, 4);
constexpr int kTrebleBottomStep = stepOf(2, 4); // E4, the treble staff's bottom line
constexpr int kTrebleTopStep = stepOf(3, 5);    // F5
constexpr int kBassBottomStep = stepOf(4, 2);   // G2
constexpr int kBassTopStep = stepOf(5, 3);      // A3
constexpr int kTrebleMiddleStep = stepOf(6, 4); // B4: from here up, stems point down
constexpr int kBassMiddleStep = stepOf(1, 3);   // D3

// French letter names in step order, and the semitone of each natural above do.
inline constexpr std::array<const char*, 7> kFrenchLetters{"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};
inline constexpr std::array<int, 7> kLetterSemitone{0, 2, 4, 5, 7, 9, 11};

struct NoteName {
    int key = 0;           // 1..39
    int letter = 0;        // 0 = do ... 6 = si
    int alter = 0;         // -1 flat, 0 natural, +1 sharp
    int octave = 0;        // scientific octave, middle C in octave 4
    char staffSuffix = 0;  // 'S' (treble), 'F' (bass) or 0
    bool sad = false;      // "_2": the smiley style's sad face

    int step() const { return stepOf(letter, octave); }
    int midi() const { return 40 + key; }
};

// Parses a note-picture name (any case). Nothing when it is not one, or when its letter and
// accidental cannot sound on its key.
inline std::optional<NoteName> parseNoteName(std::string_view text)
{
    std::string s;
    for (char c : text)
        s += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (s.size() < 5 || !std::isdigit(static_cast<unsigned char>(s[0]))
        || !std::isdigit(static_cast<unsigned char>(s[1])) || s[2] != '_')
        return std::nullopt;
    NoteName n;
    n.key = (s[0] - '0') * 10 + (s[1] - '0');
    if (n.key < 1 || n.key > 39)
        return std::nullopt;
    std::string_view rest = std::string_view(s).substr(3);
    int letter = -1;
    for (int i = 0; i < 7; ++i) {
        std::string_view l = kFrenchLetters[static_cast<size_t>(i)];
        if (rest.substr(0, l.size()) == l) {
            letter = i;
            rest.remove_prefix(l.size());
            break;
        }
    }
    if (letter < 0)
        return std::nullopt;
    n.letter = letter;
    if (!rest.empty() && (rest[0] == 'D' || rest[0] == 'B')) {
        n.alter = rest[0] == 'D' ? 1 : -1;
        rest.remove_prefix(1);
    }
    if (rest.size() >= 2 && rest[0] == '_' && (rest[1] == 'S' || rest[1] == 'F')) {
        n.staffSuffix = rest[1];
        rest.remove_prefix(2);
    }
    if (rest == "_2") {
        n.sad = true;
        rest = {};
    }
    if (!rest.empty())
        return std::nullopt;
    const int fromC = n.midi() - n.alter - kLetterSemitone[static_cast<size_t>(letter)];
    if (fromC % 12 != 0)
        return std::nullopt;
    n.octave = fromC / 12 - 1;
    return n;
}

// The staff of a note: the suffix when there is one; otherwise the treble staff from D4 up,
// the bass staff from B3 down, and for a note written on middle C's line the flat (C flat,
// 19_DOB) on the treble staff and the sharp (C sharp, 21_DOD) on the bass staff: their
// "_F" and "_S" twins show them on the other one.
inline Staff staffOf(const NoteName& n)
{
    if (n.staffSuffix == 'S')
        return Staff::Treble;
    if (n.staffSuffix == 'F')
        return Staff::Bass;
    if (n.step() > kMiddleC)
        return Staff::Treble;
    if (n.step() < kMiddleC)
        return Staff::Bass;
    return n.alter > 0 ? Staff::Bass : Staff::Treble;
}

// Row (pixel centre, picture coordinates) of a step written on a staff of a system.
inline double rowOfStep(const System& sys, Staff st, int step)
{
    if (st == Staff::Treble)
        return sys.trebleBottom() - (step - kTrebleBottomStep) * sys.step();
    return sys.bassBottom() - (step - kBassBottomStep) * sys.step();
}

// The steps of the ledger lines a note needs (middle C's line and beyond the staff).
inline std::vector<int> ledgerSteps(Staff st, int step)
{
    std::vector<int> out;
    const int bottom = st == Staff::Treble ? kTrebleBottomStep : kBassBottomStep;
    const int top = st == Staff::Treble ? kTrebleTopStep : kBassTopStep;
    for (int s = bottom - 2; s >= step; s -= 2)
        out.push_back(s);
    for (int s = top + 2; s <= step; s += 2)
        out.push_back(s);
    return out;
}

inline bool stemUp(Staff st, int step)
{
    return step < (st == Staff::Treble ? kTrebleMiddleStep : kBassMiddleStep);
}

// Row of the head's centre in a note picture.
inline double headRow(const NoteName& n)
{
    return rowOfStep(kPictureSystem, staffOf(n), n.step());
}

// The 72 note-picture names, key by key: every name under which a key is written, with the
// treble/bass twins around middle C (upper case, as the pictures are filed).
inline std::vector<std::string> noteNames()
{
    std::vector<std::string> out;
    for (int key = 1; key <= staff_name_notes::kLastKey; ++key) {
        for (std::string name : staff_name_notes::picturesOfKey(key)) {
            for (char& c : name)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            out.push_back(name);
        }
    }
    return out;
}

} // namespace staff
