#include "games/name_keyboard/questions.h"

#include "games/common/piano_keys.h"
#include "games/common/round.h"
#include "platform/vb.h"

#include <array>

namespace games::name_keyboard {

namespace {

// The 21 names by code, in the three languages.
struct Names {
    const char* francais;
    const char* anglais;
    const char* espagnol;
};
const std::array<Names, kCodeCount> kNames{{
    {"do", "C", "do"},
    {"ré", "D", "re"},
    {"mi", "E", "mi"},
    {"fa", "F", "fa"},
    {"sol", "G", "sol"},
    {"la", "A", "la"},
    {"si", "B", "si"},
    {"do dièse", "C sharp", "do sostenido"},
    {"ré dièse", "D sharp", "re sostenido"},
    {"mi dièse", "E sharp", "mi sostenido"},
    {"fa dièse", "F sharp", "fa sostenido"},
    {"sol dièse", "G sharp", "sol sostenido"},
    {"la dièse", "A sharp", "la sostenido"},
    {"si dièse", "B sharp", "si sostenido"},
    {"do bémol", "C flat", "do bemol"},
    {"ré bémol", "D flat", "re bemol"},
    {"mi bémol", "E flat", "mi bemol"},
    {"fa bémol", "F flat", "fa bemol"},
    {"sol bémol", "G flat", "sol bemol"},
    {"la bémol", "A flat", "la bemol"},
    {"si bémol", "B flat", "si bemol"},
}};

// Level 1's draw table: draw 1 asks si, 2 do, 3 la, 4 fa, 5 re, 6 mi, 7 sol.
constexpr std::array<int, 7> kLevelOneCodes{7, 1, 6, 4, 2, 3, 5};

// The codes by the pitch class of a key, counted from fa (key 1).
const std::array<std::vector<int>, 12> kCodesFromFa{{
    {4, 10},   // fa, mi sharp
    {11, 19},  // fa sharp, sol flat
    {5},       // sol
    {12, 20},  // sol sharp, la flat
    {6},       // la
    {13, 21},  // la sharp, si flat
    {7, 15},   // si, do flat
    {1, 14},   // do, si sharp
    {8, 16},   // do sharp, re flat
    {2},       // re
    {9, 17},   // re sharp, mi flat
    {3, 18},   // mi, fa flat
}};

// The colour lists, tested in this order.
struct ColourList {
    quint32 colour;
    std::vector<const char*> names;
};
const std::array<ColourList, 4> kColours{{
    {kNameBlue, {"si", "mi", "E", "B", "do bémol", "fa bémol", "C flat", "F flat", "do bemol", "fa bemol"}},
    {kNameGreen, {"la", "ré", "re", "fa", "A", "D", "F", "mi dièse", "E sharp", "mi sostenido"}},
    {kNameOrange, {"do", "sol", "C", "G", "si dièse", "B sharp", "si sostenido"}},
    {kNameRed, {"do dièse", "ré bémol", "ré dièse", "mi bémol", "fa dièse", "sol bémol", "sol dièse",
                "la bémol", "la dièse", "si bémol", "C sharp", "D flat", "D sharp", "E flat", "F sharp",
                "G flat", "G sharp", "A flat", "A sharp", "B flat", "do sostenido", "re bemol",
                "re sostenido", "mi bemol", "fa sostenido", "sol bemol", "sol sostenido", "la bemol",
                "la sostenido", "si bemol"}},
}};

// The marker of a white key by its note: do and sol orange, re, fa and la green, mi and si blue.
QString marqueur(const QString& note)
{
    if (note == QLatin1String("do") || note == QLatin1String("sol"))
        return QStringLiteral("Image_orange");
    if (note == QLatin1String("mi") || note == QLatin1String("si"))
        return QStringLiteral("Image_bleu");
    return QStringLiteral("Image_vert");
}

} // namespace

int nombre_de_tirages(int level)
{
    if (level >= 1 && level <= 3)
        return 7;
    if (level == kLastLevel)
        return kCodeCount;
    return 0;
}

QString nom_du_code(int code, const QString& language)
{
    if (code < 1 || code > kCodeCount)
        return {};
    const Names& n = kNames[static_cast<size_t>(code - 1)];
    if (language == QLatin1String("francais"))
        return QString::fromUtf8(n.francais);
    if (language == QLatin1String("anglais"))
        return QString::fromUtf8(n.anglais);
    if (language == QLatin1String("espagnol"))
        return QString::fromUtf8(n.espagnol);
    return {};
}

std::optional<Question> question(int level, const QString& language, int draw)
{
    if (draw < 1 || draw > nombre_de_tirages(level))
        return std::nullopt;
    int code = draw;
    switch (level) {
    case 1: code = kLevelOneCodes[static_cast<size_t>(draw - 1)]; break;
    case 2: code = 7 + draw; break;
    case 3: code = 14 + draw; break;
    default: break;
    }
    const QString name = nom_du_code(code, language);
    if (name.isEmpty())
        return std::nullopt;
    return Question{name, code};
}

std::vector<int> codes_de_touche(int key)
{
    if (key < 1 || key > common::kKeyCount)
        return {};
    return kCodesFromFa[static_cast<size_t>((key - 1) % 12)];
}

bool touche_juste(int key, const QString& labelNote)
{
    for (int code : codes_de_touche(key))
        if (labelNote == platform::str(code))
            return true;
    return false;
}

std::optional<quint32> couleur_du_nom(const QString& name)
{
    for (const ColourList& list : kColours)
        for (const char* listed : list.names)
            if (name == QString::fromUtf8(listed))
                return list.colour;
    return std::nullopt;
}

std::optional<QString> image_de_touche(const QString& game, const QString& level, int key)
{
    if (platform::val(game) != 1 || key < 1 || key > common::kKeyCount)
        return std::nullopt;
    const std::optional<int> n = common::niveau_du_texte(level, kLastLevel);
    if (!n)
        return std::nullopt;
    const QString note = common::noteOfKey(key);
    if (common::isBlackKey(key)) {
        if (*n == 1)
            return std::nullopt;
        return QStringLiteral("Image_pianon");
    }
    const QString marker = marqueur(note);
    switch (*n) {
    case 2:
        if (note == QLatin1String("fa") || note == QLatin1String("do"))
            return marker;
        return QStringLiteral("Image_rien");
    case 3:
        if (note == QLatin1String("mi") || note == QLatin1String("si"))
            return marker;
        return QStringLiteral("Image_rien");
    default:
        return marker;
    }
}

} // namespace games::name_keyboard
