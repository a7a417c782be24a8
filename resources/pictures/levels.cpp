// The level pictures of the level-choice screens: the keyboard with the level's keys marked
// as the game of that screen marks them, or (staff-to-name game) the grand staff with the
// level's notes; the level number is written on each.
#include <QPainterPath>

#include <algorithm>
#include <map>

#include "art.h"
#include "games/staff_name/level_notes.h"

namespace art {

namespace {

// Place of a key in its octave, counted from fa (key 1): 0 fa, 1 solb, 2 sol, 3 lab, 4 la,
// 5 sib, 6 si, 7 do, 8 reb, 9 re, 10 mib, 11 mi.
int placeOf(int key) { return (key - 1) % 12; }

// The letter (0 = do ... 6 = si) of a white key.
int letterOfWhiteKey(int key)
{
    switch (placeOf(key)) {
    case 0: return 3;
    case 2: return 4;
    case 4: return 5;
    case 6: return 6;
    case 7: return 0;
    case 9: return 1;
    default: return 2;  // 11: mi
    }
}

// The keys a level of the staff-to-keyboard games gives a hint (1 to 14).
std::vector<int> ppKeySet(int level)
{
    static const std::vector<int> firstSeven{19, 20, 22, 17, 24, 15, 25, 13, 27, 12, 29, 10, 31, 8, 32};
    if (level >= 1 && level <= 7) {
        std::vector<int> keys(firstSeven.begin(), firstSeven.begin() + 3 + 2 * (level - 1));
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    static const std::map<int, std::pair<int, int>> ranges{
        {8, {8, 32}}, {9, {8, 32}}, {10, {8, 32}}, {11, {7, 34}}, {12, {5, 36}}, {13, {3, 37}}, {14, {1, 39}}};
    std::vector<int> keys;
    const auto it = ranges.find(level);
    if (it != ranges.end())
        for (int k = it->second.first; k <= it->second.second; ++k)
            keys.push_back(k);
    return keys;
}

bool inSet(const std::vector<int>& keys, int key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

QString colourMarker(int letter)
{
    switch (letter) {
    case 0:
    case 4:
        return QStringLiteral("Image_orange");
    case 2:
    case 6:
        return QStringLiteral("Image_bleu");
    default:
        return QStringLiteral("Image_vert");
    }
}

const QString kBlank = QStringLiteral("Image_rien");

} // namespace

QString markerOfKey(int level, int key)
{
    if (!inSet(ppKeySet(level), key))
        return {};
    if (isBlackKey(key))
        return QStringLiteral("Image_pianon");
    const int letter = letterOfWhiteKey(key);
    if (level == 8)  // the keys that also bear si sharp and mi sharp
        return (letter == 0 && key != 8) || letter == 3 ? colourMarker(letter) : kBlank;
    if (level == 9)  // the keys that also bear fa flat and do flat
        return letter == 2 || letter == 6 ? colourMarker(letter) : kBlank;
    return colourMarker(letter);
}

QString nameOfKey(const QString& language, int level, int key)
{
    static const char* const natural[7] = {"Image_do", "Image_re", "Image_mi", "Image_fa", "Image_sol", "Image_la", "Image_si"};
    QString name;
    const bool english = language == QLatin1String("anglais");
    if (english && level == 5 && key == 31)
        return QStringLiteral("Image_si_us");
    if (!inSet(ppKeySet(level), key))
        return {};
    if (isBlackKey(key)) {
        switch (placeOf(key)) {
        case 1: name = QStringLiteral("Image_fad"); break;
        case 3: name = QStringLiteral("Image_sold"); break;
        case 5: name = QStringLiteral("Image_lad"); break;
        case 8: name = QStringLiteral("Image_dod"); break;
        default: name = QStringLiteral("Image_red"); break;
        }
    } else {
        const int letter = letterOfWhiteKey(key);
        if (level <= 7) {
            name = QLatin1String(natural[letter]);
        } else {
            // from level 8 on, the white keys that bear an altered name show both names;
            // level 8 asks the sharps, level 9 the flats, the others blank
            const bool sharps = level == 8 || level >= 10, flats = level >= 9;
            switch (letter) {
            case 0: name = sharps && !(level == 8 && key == 8) ? QStringLiteral("Image_sid") : kBlank; break;
            case 3: name = sharps ? QStringLiteral("Image_mid") : kBlank; break;
            case 2: name = flats ? QStringLiteral("Image_fab") : kBlank; break;
            case 6: name = flats ? QStringLiteral("Image_dob") : kBlank; break;
            default: name = level >= 10 ? QLatin1String(natural[letter]) : kBlank; break;
            }
        }
    }
    if (name == kBlank)
        return name;
    if (english)
        return name + QStringLiteral("_us");
    if (language == QLatin1String("espagnol") && (name == QLatin1String("Image_re") || name == QLatin1String("Image_red")))
        return name + QStringLiteral("_es");
    return name;
}

QString nnMarkerOfKey(int level, int key)
{
    if (level < 1 || level > 4)
        return {};
    if (isBlackKey(key))
        return level == 1 ? QString() : QStringLiteral("Image_pianon");
    const int letter = letterOfWhiteKey(key);
    if (level == 2)
        return letter == 3 || letter == 0 ? colourMarker(letter) : kBlank;
    if (level == 3)
        return letter == 2 || letter == 6 ? colourMarker(letter) : kBlank;
    return colourMarker(letter);
}

namespace {

enum class Series { B, FR, US, ES, VIDE, NN, VIDEN, PN };

struct SeriesLook {
    const char* prefix;
    const char* background;  // the screen background the picture sits on
    QColor badge;
    const char* word;        // "Niveau", "Level" ... or nothing
};

SeriesLook lookOf(Series s)
{
    switch (s) {
    case Series::B: return {"B", "jaune_clair", QColor(240, 140, 0), ""};
    case Series::FR: return {"FR", "rouge_clair", QColor(215, 30, 50), "Niveau"};
    case Series::US: return {"US", "rouge_clair", QColor(215, 30, 50), "Level"};
    case Series::ES: return {"ES", "rouge_clair", QColor(215, 30, 50), "Nivel"};
    case Series::VIDE: return {"VIDE", "bleu_turquoise", QColor(0, 140, 160), ""};
    case Series::NN: return {"NN", "vert_clair", QColor(20, 150, 50), ""};
    case Series::VIDEN: return {"VIDEN", "orange", QColor(230, 110, 20), ""};
    case Series::PN: return {"PN", "pn", QColor(140, 60, 170), ""};
    }
    return {};
}

// The strip at the top of a level picture: the level's number in a badge, a few notes.
void drawHeader(QPainter& p, const QRectF& strip, const SeriesLook& look, int level)
{
    p.fillRect(strip, tintOf(QLatin1String(look.background)));
    const double h = strip.height();
    const QString number = QString::number(level);
    const QString word = QLatin1String(look.word);
    const QString text = word.isEmpty() ? number : word + QLatin1Char(' ') + number;
    const QFont f = sansFont(h * 0.68);
    const double textW = QFontMetricsF(f).horizontalAdvance(text);
    const QRectF badge(strip.left() + 6, strip.top() + 2, qMax(h * 1.4, textW + h * 0.9), h - 4);
    p.save();
    p.setPen(QPen(look.badge.darker(140), 1.2));
    p.setBrush(look.badge);
    p.drawRoundedRect(badge, badge.height() / 2, badge.height() / 2);
    drawTextCentred(p, badge.center(), text, f, Qt::white);
    // a little tune running along the strip
    for (int i = 0; i < 6; ++i) {
        const double x = badge.right() + 26 + i * 22;
        const double y = strip.top() + h * (0.72 - 0.07 * ((i * 3) % 4));
        drawEighthSymbol(p, QPointF(x, y), h * 0.42, look.badge.lighter(125));
    }
    p.restore();
}

QImage keyboardLevel(Series series, int level, int height)
{
    const SeriesLook look = lookOf(series);
    QImage img = newImage(700, height, Qt::white);
    QPainter p(&img);
    prepare(p);
    const double keysH = 211;
    drawHeader(p, QRectF(0, 0, 700, height - keysH), look, level);
    // the store picture each key gets in the game of this series (empty: not touched)
    std::function<QString(int)> given;
    switch (series) {
    case Series::B:
    case Series::VIDE:
        given = [level](int k) { return markerOfKey(level, k); };
        break;
    case Series::FR:
    case Series::US:
    case Series::ES: {
        const QString lang = series == Series::FR ? QStringLiteral("francais")
                             : series == Series::US ? QStringLiteral("anglais") : QStringLiteral("espagnol");
        given = [level, lang](int k) { return nameOfKey(lang, level, k); };
        break;
    }
    case Series::NN:
    case Series::VIDEN:
    case Series::PN:
        given = [level](int k) { return nnMarkerOfKey(level, k); };
        break;
    }
    // the games without hints show an empty circle where the hinting game shows a marker
    const bool rings = series == Series::VIDE || series == Series::VIDEN;
    auto hint = [given, rings](int k) {
        const QString name = given(k);
        if (!rings)
            return storePicture(name);
        return name.isEmpty() || name == kBlank ? QImage() : ringPicture(isBlackKey(k));
    };
    // the keyboard games of nn use every key; the others grey the keys outside the level
    int usedFrom = 1, usedTo = 40;
    if (series != Series::NN && series != Series::VIDEN) {
        usedFrom = 40;
        usedTo = 1;
        for (int k = 1; k <= 40; ++k) {
            if (!given(k).isEmpty()) {
                usedFrom = qMin(usedFrom, k);
                usedTo = qMax(usedTo, k);
            }
        }
    }
    drawKeyboard(p, QRectF(0, height - keysH, 700, keysH), 1, 39, hint, usedFrom, usedTo);
    return img;
}

// The notes a level picture of the staff-to-name game shows, as note-picture names: the
// level's notes; from level 10, whose notes are every name of a range, the naturals stand
// for them (a tag says that the sharps and flats join).
QStringList pnLevelNotes(int level)
{
    QStringList out;
    for (const std::string& n : staff_name_notes::levelNotes(level))
        if (level < 10 || staff_name_notes::alterationOf(staff_name_notes::nameOfPicture(n)) == 0)
            out << QString::fromStdString(n);
    return out;
}

QImage staffLevel(int level)
{
    const SeriesLook look = lookOf(Series::PN);
    QImage img = newImage(519, 475, tintOf(QLatin1String(look.background)));
    QPainter p(&img);
    prepare(p);
    const double headerH = 34;
    drawHeader(p, QRectF(0, 0, 519, headerH), look, level);
    const QRectF panel(8, headerH + 4, 503, 475 - headerH - 12);
    p.setPen(QPen(look.badge.lighter(150), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(panel, 14, 14);

    // group the notes by key: the twins of a key share one column
    std::map<int, std::vector<staff::NoteName>> columns;
    for (const QString& name : pnLevelNotes(level))
        if (const auto n = staff::parseNoteName(name.toStdString()))
            columns[n->key].push_back(*n);
    const int count = int(columns.size());
    const int systems = count > 9 ? 2 : 1;
    const double sp = systems == 1 ? 17 : 12.5;
    const double systemH = 8 * sp + 4 * sp;  // two staves and the gap
    const double free = panel.height() - systems * systemH;
    const double between = free / (systems + 1);
    const int perSystem = (count + systems - 1) / systems;
    auto it = columns.begin();
    for (int s = 0; s < systems; ++s) {
        staff::System sys;
        sys.left = panel.left() + 30;
        sys.right = panel.right() - 14;
        sys.lineSpacing = sp;
        sys.gap = 4 * sp;
        sys.trebleTop = panel.top() + between * (s + 1) + systemH * s;
        drawSystem(p, sys);
        const double firstX = sys.left + 5.4 * sp;
        const int here = qMin(perSystem, count - s * perSystem);
        const double slot = (sys.right - sp - firstX) / qMax(1, here);
        for (int i = 0; i < here && it != columns.end(); ++i, ++it) {
            const double x = firstX + slot * (i + 0.5) + sp * 0.4;
            for (const staff::NoteName& n : it->second)
                drawNote(p, sys, Style::Ronde, staff::staffOf(n), n.step(), n.alter, x, false,
                         nameColour(n.letter, n.alter).darker(115));
        }
    }
    if (level >= 10) {
        // every name of the range: the sharps and flats join the naturals shown
        const QRectF tag(panel.right() - 92, 4, 86, headerH - 8);
        p.setPen(QPen(look.badge.darker(130), 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(tag, tag.height() / 2, tag.height() / 2);
        drawTextCentred(p, tag.center(), QStringLiteral("+ \u266F \u266D"), musicFont(22), look.badge.darker(120));
    }
    return img;
}

} // namespace

void addLevelPictures(Jobs& jobs)
{
    for (int level = 1; level <= 14; ++level) {
        const QString nn = QStringLiteral("%1").arg(level, 2, 10, QLatin1Char('0'));
        const struct {
            Series s;
            int height;
        } keyboards[] = {{Series::B, 235}, {Series::FR, 236}, {Series::US, 236}, {Series::ES, 236}, {Series::VIDE, 237}};
        for (const auto& k : keyboards) {
            const Series s = k.s;
            const int h = k.height;
            jobs.push_back({QStringLiteral("res/NIVEAUX/%1%2.jpg").arg(QLatin1String(lookOf(s).prefix), nn),
                            [s, level, h] { return keyboardLevel(s, level, h); }});
        }
        jobs.push_back({QStringLiteral("res/NIVEAUX/PN%1.jpg").arg(nn), [level] { return staffLevel(level); }});
    }
    for (int level = 1; level <= 4; ++level) {
        jobs.push_back({QStringLiteral("res/NIVEAUX/NN%1.jpg").arg(level),
                        [level] { return keyboardLevel(Series::NN, level, 235); }});
        jobs.push_back({QStringLiteral("res/NIVEAUX/VIDEN%1.jpg").arg(level),
                        [level] { return keyboardLevel(Series::VIDEN, level, 237); }});
    }
}

} // namespace art
