#pragma once
// The notes of the staff-to-name game, as note-picture names: the key of the on-screen piano in
// two digits, "_", the French note name ("d" sharp, "b" flat), and "_s" (treble) or "_f"
// (bass) for a name that has a picture on each staff ("20_do_s").  Lower case, as the game
// asks for its pictures (resource names match without regard to case).
//
// The level pictures of the level-choice screen show the notes of each level and the game
// draws among the same notes, so both read them here.  Plain C++ only: the picture generator
// includes this header too.

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace staff_name_notes {

constexpr int kLastKey = 39;
constexpr int kLastLevel = 14;

// Every picture name of a key (1 to 39): each name under which the key is written, and the
// pictures on both staves of the names around middle C.  Nothing for another key.
inline std::vector<std::string> picturesOfKey(int key)
{
    if (key < 1 || key > kLastKey)
        return {};
    // The names by the key's place in its octave, counted from fa (key 1).
    static const std::array<std::vector<const char*>, 12> byPlace{{
        {"fa", "mid"}, {"fad", "solb"}, {"sol"}, {"lab", "sold"}, {"la"}, {"lad", "sib"},
        {"dob", "si"}, {"do", "sid"}, {"dod", "reb"}, {"re"}, {"mib", "red"}, {"fab", "mi"},
    }};
    const std::string prefix = (key < 10 ? "0" : "") + std::to_string(key) + "_";
    std::vector<std::string> out;
    for (const char* name : byPlace[static_cast<size_t>((key - 1) % 12)]) {
        const std::string base = prefix + name;
        if (base == "01_mid")
            continue;  // E sharp would sit below the bass staff's ledger lines
        if (base == "20_do") {  // middle C is only ever named with its staff
            out.push_back(base + "_f");
            out.push_back(base + "_s");
            continue;
        }
        out.push_back(base);
        if (base == "19_dob" || base == "21_reb" || base == "22_re")
            out.push_back(base + "_f");
        if (base == "21_dod")
            out.push_back(base + "_s");
    }
    return out;
}

// The key of a picture name ("08_do" -> 8); 0 when the name does not start with one.
inline int keyOfPicture(std::string_view picture)
{
    if (picture.size() < 4 || picture[2] != '_')
        return 0;
    return std::atoi(std::string(picture.substr(0, 2)).c_str());
}

// The note name of a picture name, without key and staff ("20_do_s" -> "do", "19_dob_f" -> "dob").
inline std::string nameOfPicture(std::string_view picture)
{
    std::string_view rest = picture.size() > 3 ? picture.substr(3) : std::string_view();
    if (rest.size() > 2 && rest[rest.size() - 2] == '_')
        rest.remove_suffix(2);
    return std::string(rest);
}

// -1 for a flat name, +1 for a sharp one, 0 for one of the seven naturals.
inline int alterationOf(std::string_view name)
{
    for (std::string_view natural : {"do", "re", "mi", "fa", "sol", "la", "si"})
        if (name == natural)
            return 0;
    return !name.empty() && name.back() == 'd' ? 1 : -1;
}

// The notes of a level (1 to 14); nothing for another level.
//  - levels 1 to 7: the four notes around middle C, and one more natural below and one above
//    at each level (levels 1 to 4 are the staff games' draw tables);
//  - level 8: the sharp names of keys 8 to 32; level 9: their flat names;
//  - levels 10 to 14: every name of a range of keys widening to the whole piano.
inline std::vector<std::string> levelNotes(int level)
{
    if (level >= 1 && level <= 7) {
        std::vector<std::string> out{"19_si", "20_do_s", "20_do_f", "22_re"};
        static const std::array<std::pair<const char*, const char*>, 6> widening{{
            {"17_la", "24_mi"}, {"15_sol", "25_fa"}, {"13_fa", "27_sol"},
            {"12_mi", "29_la"}, {"10_re", "31_si"}, {"08_do", "32_do"},
        }};
        for (int i = 0; i < level - 1; ++i) {
            out.push_back(widening[static_cast<size_t>(i)].first);
            out.push_back(widening[static_cast<size_t>(i)].second);
        }
        return out;
    }
    if (level < 8 || level > kLastLevel)
        return {};
    static const std::array<std::pair<int, int>, 7> ranges{{
        {8, 32}, {8, 32}, {8, 32}, {7, 34}, {5, 36}, {3, 37}, {1, 39},
    }};
    const auto [first, last] = ranges[static_cast<size_t>(level - 8)];
    std::vector<std::string> out;
    for (int key = first; key <= last; ++key) {
        for (const std::string& picture : picturesOfKey(key)) {
            const int alteration = alterationOf(nameOfPicture(picture));
            if (level >= 10 || (level == 8 && alteration > 0) || (level == 9 && alteration < 0))
                out.push_back(picture);
        }
    }
    return out;
}

} // namespace staff_name_notes
