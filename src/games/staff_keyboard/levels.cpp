#include "games/staff_keyboard/levels.h"

#include "games/common/piano_keys.h"
#include "platform/vb.h"

#include <algorithm>

namespace games::staff_keyboard {

using games::common::isBlackKey;
using games::common::noteOfKey;

namespace {

// The white keys each level from 1 to 7 covers: every level adds the next white key below
// and above the previous set.
const std::vector<int> kWhiteSets[7] = {
    {19, 20, 22},
    {17, 19, 20, 22, 24},
    {15, 17, 19, 20, 22, 24, 25},
    {13, 15, 17, 19, 20, 22, 24, 25, 27},
    {12, 13, 15, 17, 19, 20, 22, 24, 25, 27, 29},
    {10, 12, 13, 15, 17, 19, 20, 22, 24, 25, 27, 29, 31},
    {8, 10, 12, 13, 15, 17, 19, 20, 22, 24, 25, 27, 29, 31, 32},
};

// The key ranges of levels 8 to 14.
const std::pair<int, int> kRanges[7] = {{8, 32}, {8, 32}, {8, 32}, {7, 34}, {5, 36}, {3, 37}, {1, 39}};

QString sharpOfBlack(const QString& flat)
{
    if (flat == QLatin1String("reb"))
        return QStringLiteral("dod");
    if (flat == QLatin1String("mib"))
        return QStringLiteral("red");
    if (flat == QLatin1String("solb"))
        return QStringLiteral("fad");
    if (flat == QLatin1String("lab"))
        return QStringLiteral("sold");
    return QStringLiteral("lad");  // sib
}

QString twoDigits(int key)
{
    return QStringLiteral("%1").arg(key, 2, 10, QLatin1Char('0'));
}

int draw(int count)
{
    const int d = static_cast<int>(platform::rnd() * count);
    return std::clamp(d, 0, count - 1);
}

// The hint of a key on the white keys of levels 1 to 7 / at 8 / at 9 / from 10: the name of
// its French picture, "rien" for a blanked key, empty when not set.
struct HintRow {
    const char* note;
    const char* marker[4];
    const char* name[4];
};
const HintRow kHints[] = {
    {"do", {"orange", "orange", "rien", "orange"}, {"do", "sid", "rien", "sid"}},
    {"re", {"vert", "rien", "rien", "vert"}, {"re", "rien", "rien", "re"}},
    {"mi", {"bleu", "rien", "bleu", "bleu"}, {"mi", "rien", "fab", "fab"}},
    {"fa", {"vert", "vert", "rien", "vert"}, {"fa", "mid", "rien", "mid"}},
    {"sol", {"orange", "rien", "rien", "orange"}, {"sol", "rien", "rien", "sol"}},
    {"la", {"vert", "rien", "rien", "vert"}, {"la", "rien", "rien", "la"}},
    {"si", {"bleu", "rien", "bleu", "bleu"}, {"si", "rien", "dob", "dob"}},
    {"reb", {"", "pianon", "pianon", "pianon"}, {"", "dod", "dod", "dod"}},
    {"mib", {"", "pianon", "pianon", "pianon"}, {"", "red", "red", "red"}},
    {"solb", {"", "pianon", "pianon", "pianon"}, {"", "fad", "fad", "fad"}},
    {"lab", {"", "pianon", "pianon", "pianon"}, {"", "sold", "sold", "sold"}},
    {"sib", {"", "pianon", "pianon", "pianon"}, {"", "lad", "lad", "lad"}},
};

int hintColumn(int level)
{
    if (level <= 7)
        return 0;
    if (level == 8)
        return 1;
    if (level == 9)
        return 2;
    return 3;
}

const HintRow& hintRow(int key)
{
    const QString note = noteOfKey(key);
    for (const HintRow& row : kHints)
        if (note == QLatin1String(row.note))
            return row;
    return kHints[0];
}

} // namespace

std::vector<int> touches_du_niveau(int level)
{
    if (level >= 1 && level <= 7)
        return kWhiteSets[level - 1];
    if (level >= 8 && level <= kLastLevel) {
        std::vector<int> keys;
        for (int k = kRanges[level - 8].first; k <= kRanges[level - 8].second; ++k)
            keys.push_back(k);
        return keys;
    }
    return {};
}

std::vector<QString> noms_de_touche(int key, int level)
{
    const QString note = noteOfKey(key);
    const bool black = isBlackKey(key);
    if (level >= 5 && level <= 7)
        return {note};
    if (level == 8 || level == 9) {
        // The level's own name where its hint shows one, the natural name elsewhere.
        const QString hint = QString::fromLatin1(hintRow(key).name[hintColumn(level)]);
        if (black)
            return {level == 8 ? sharpOfBlack(note) : note};
        if (hint == QLatin1String("rien") || (level == 8 && key == 8))
            return {note};
        return {hint};
    }
    if (level >= 10 && level <= kLastLevel) {
        if (black)
            return {sharpOfBlack(note), note};
        const QString other = QString::fromLatin1(hintRow(key).name[3]);
        // Key 1 has no E sharp picture: it would stand below the bass staff's ledger lines.
        if (other == note || key == 1)
            return {note};
        return {note, other};
    }
    return {};
}

std::vector<QString> images_du_nom(int key, const QString& name)
{
    const QString base = twoDigits(key) + QLatin1Char('_') + name;
    if (base == QLatin1String("20_do"))
        return {base + QStringLiteral("_s"), base + QStringLiteral("_f")};
    if (base == QLatin1String("19_dob") || base == QLatin1String("21_reb") || base == QLatin1String("22_re"))
        return {base, base + QStringLiteral("_f")};
    if (base == QLatin1String("21_dod"))
        return {base, base + QStringLiteral("_s")};
    return {base};
}

std::optional<DrawnNote> tirer_note(int level)
{
    if (level >= 1 && level <= 4)
        return common::tirer_note_du_tableau(level);
    const std::vector<int> keys = touches_du_niveau(level);
    if (keys.empty())
        return std::nullopt;
    platform::randomize();
    const int place = draw(static_cast<int>(keys.size()));
    const int key = keys[static_cast<size_t>(place)];
    const std::vector<QString> names = noms_de_touche(key, level);
    const QString name = names.size() > 1 ? names[static_cast<size_t>(draw(static_cast<int>(names.size())))] : names.front();
    const std::vector<QString> pictures = images_du_nom(key, name);
    const QString picture = pictures.size() > 1 ? pictures[static_cast<size_t>(draw(static_cast<int>(pictures.size())))]
                                                : pictures.front();
    return DrawnNote{{picture, key, name}, place + 1};
}

std::optional<QString> image_de_touche(const QString& game, const QString& language, const QString& levelText,
                                       int key)
{
    const std::optional<int> level = niveau_du_texte(levelText);
    if (!level || key < 1 || key >= common::kKeyCount)
        return std::nullopt;
    const bool markers = game == QLatin1String("1");
    const bool french = language == QLatin1String("francais");
    const bool english = language == QLatin1String("anglais");
    const bool spanish = language == QLatin1String("espagnol");
    if (!markers && !(game == QLatin1String("2") && (french || english || spanish)))
        return std::nullopt;

    std::vector<int> keys = touches_du_niveau(*level);
    // The English names of level 5 reach one white key further up.
    if (!markers && english && *level == 5)
        keys.push_back(31);
    if (std::find(keys.begin(), keys.end(), key) == keys.end())
        return std::nullopt;

    const int column = hintColumn(*level);
    const HintRow& row = hintRow(key);
    QString hint = QString::fromLatin1(markers ? row.marker[column] : row.name[column]);
    if (*level == 8 && key == 8)
        hint = QStringLiteral("rien");
    if (hint.isEmpty())
        return std::nullopt;
    if (hint == QLatin1String("rien") || markers)
        return QStringLiteral("Image_") + hint;
    if (english)
        return QStringLiteral("Image_") + hint + QStringLiteral("_us");
    if (spanish && (hint == QLatin1String("re") || hint == QLatin1String("red")))
        return QStringLiteral("Image_") + hint + QStringLiteral("_es");
    return QStringLiteral("Image_") + hint;
}

} // namespace games::staff_keyboard
