// What the pictures show where the program relies on it: the key markers and names in their
// places, metronomes on their screen's colour, the envelope's two looks, light backgrounds,
// the level pictures marking the level's keys, the flags, and the pointer's hot spot.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

QImage load(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

QRect boundsOf(const QImage& img, const std::function<bool(QRgb)>& inside)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (inside(img.pixel(x, y)))
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

bool isRedText(QRgb c)
{
    return qRed(c) > 150 && qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
}

// Groups of consecutive rows (or columns) holding red text.
int redGroups(const QImage& img, bool rows)
{
    int groups = 0;
    bool inGroup = false;
    const int lines = rows ? img.height() : img.width(), across = rows ? img.width() : img.height();
    for (int i = 0; i < lines; ++i) {
        bool red = false;
        for (int j = 0; j < across && !red; ++j)
            red = isRedText(rows ? img.pixel(j, i) : img.pixel(i, j));
        if (red && !inGroup)
            ++groups;
        inGroup = red;
    }
    return groups;
}

char colourClass(QRgb rgb)
{
    const QColor c = QColor::fromRgb(rgb);
    if (c.hsvSaturation() < 130 || c.value() < 90)
        return 0;
    const int h = c.hsvHue();
    if (h < 15 || h > 340)
        return 'r';
    if (h >= 20 && h <= 55)
        return 'o';
    if (h >= 90 && h <= 160)
        return 'g';
    if (h >= 195 && h <= 250)
        return 'b';
    return 0;
}

// The coloured marks along the bottom of the white keys of a level picture, left to right:
// one letter per mark (o orange, g green, b blue, r red text).
std::string marksAlongWhiteKeys(const QImage& img)
{
    std::string out;
    char current = 0;
    int gap = 0;
    for (int x = 0; x < img.width(); ++x) {
        int votes[128] = {};
        for (int y = img.height() - 40; y < img.height() - 2; ++y)
            ++votes[int(colourClass(img.pixel(x, y)))];
        char best = 0;
        for (char k : {'r', 'o', 'g', 'b'})
            if (votes[int(k)] > 0 && (best == 0 || votes[int(k)] > votes[int(best)]))
                best = k;
        if (best != 0 && (best != current || gap > 4))
            out += best;
        if (best != 0) {
            current = best;
            gap = 0;
        } else if (++gap > 4) {
            current = 0;
        }
    }
    return out;
}

} // namespace

TEST(ArtworkFacts, KeyMarkersSitAtTheBottomOfTheirKey)
{
    struct Marker {
        const char* widget;
        int across;        // the ball's size
        int bottomMargin;  // free rows under it
    };
    const Marker markers[] = {{"Image_orange", 23, 4}, {"Image_vert", 23, 4}, {"Image_bleu", 23, 4}, {"Image_pianon", 17, 3}};
    for (const Marker& m : markers) {
        SCOPED_TRACE(m.widget);
        const QImage img = load(QStringLiteral(":/design/Form_image/%1.png").arg(QLatin1String(m.widget)));
        const QRgb background = img.pixel(img.width() / 2, 5);
        const QRect ball = boundsOf(img, [&](QRgb c) {
            return std::abs(qRed(c) - qRed(background)) + std::abs(qGreen(c) - qGreen(background))
                       + std::abs(qBlue(c) - qBlue(background)) > 90;
        });
        EXPECT_NEAR(ball.width(), m.across, 1);
        EXPECT_NEAR(ball.height(), m.across, 1);
        EXPECT_NEAR(ball.center().x() + 0.5, img.width() / 2.0, 1.0);
        EXPECT_NEAR(img.height() - (ball.bottom() + 1), m.bottomMargin, 1);
    }
    EXPECT_GT(qGray(load(QStringLiteral(":/design/Form_image/Image_orange.png")).pixel(16, 5)), 250) << "white key";
    EXPECT_LT(qGray(load(QStringLiteral(":/design/Form_image/Image_pianon.png")).pixel(8, 5)), 30) << "black key";
}

TEST(ArtworkFacts, WhiteKeyNamesStandAtTheBottom)
{
    // one name, or the other name above a dash and the natural name
    const struct {
        const char* widget;
        int groups;
    } names[] = {{"Image_do", 1}, {"Image_re", 1}, {"Image_mi", 1}, {"Image_fa", 1}, {"Image_sol", 1}, {"Image_la", 1},
                 {"Image_si", 1}, {"Image_sid", 3}, {"Image_mid", 3}, {"Image_fab", 3}, {"Image_dob", 3},
                 {"Image_re_es", 1}, {"Image_do_us", 1}, {"Image_re_us", 1}, {"Image_mi_us", 1}, {"Image_fa_us", 1},
                 {"Image_sol_us", 1}, {"Image_la_us", 1}, {"Image_si_us", 1}, {"Image_sid_us", 3},
                 {"Image_mid_us", 3}, {"Image_fab_us", 3}, {"Image_dob_us", 3}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.widget);
        const QImage img = load(QStringLiteral(":/design/Form_image/%1.jpg").arg(QLatin1String(n.widget)));
        EXPECT_GT(qGray(img.pixel(16, 5)), 245) << "white background";
        const QRect text = boundsOf(img, isRedText);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GT(text.top(), img.height() / 2) << "the name is in the lower part";
        EXPECT_GT(text.bottom(), img.height() - 25) << "the natural name is at the bottom";
        EXPECT_EQ(redGroups(img, true), n.groups);
    }
}

TEST(ArtworkFacts, BlackKeyNamesStandInTheLowerHalf)
{
    const struct {
        const char* file;
        bool turned;  // one line read from top to bottom, else sharp, dash, flat on three lines
    } names[] = {{"Image_dod.jpg", true}, {"Image_red.jpg", true}, {"Image_fad.jpg", true}, {"Image_sold.jpg", true},
                 {"Image_lad.jpg", true}, {"Image_red_es.jpg", true}, {"Image_dod_us.png", false},
                 {"Image_red_us.png", false}, {"Image_fad_us.png", false}, {"Image_sold_us.png", false},
                 {"Image_lad_us.png", false}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.file);
        const QImage img = load(QStringLiteral(":/design/Form_image/") + QLatin1String(n.file));
        EXPECT_LT(qGray(img.pixel(8, 5)), 50) << "dark background";
        const QRect text = boundsOf(img, isRedText);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GE(text.top(), img.height() / 2);
        if (n.turned) {
            EXPECT_GT(text.height(), 3 * text.width()) << "the line is turned a quarter";
            EXPECT_EQ(redGroups(img, false), 1) << "one line";
        } else {
            EXPECT_EQ(redGroups(img, true), 3);
        }
    }
}

TEST(ArtworkFacts, MetronomesStandOnTheirScreensColourAndSwing)
{
    const struct {
        const char* colour;
        QColor background;
    } colours[] = {{"jaune_clair", QColor(255, 255, 235)}, {"rouge_clair", QColor(255, 237, 237)},
                   {"bleu_turquoise", QColor(233, 254, 255)}, {"pn", QColor(251, 246, 252)},
                   {"vert_clair", QColor(238, 255, 237)}, {"orange", QColor(255, 255, 227)}};
    for (const auto& c : colours) {
        for (const char* side : {"droite", "gauche"}) {
            SCOPED_TRACE(std::string(side) + "_" + c.colour);
            const QImage img = load(QStringLiteral(":/design/Form_image/Metronome_%1_%2.jpg")
                                        .arg(QLatin1String(side), QLatin1String(c.colour)));
            for (const QPoint corner : {QPoint(1, 1), QPoint(48, 1)}) {
                const QColor got = QColor::fromRgb(img.pixel(corner));
                EXPECT_NEAR(got.red(), c.background.red(), 6);
                EXPECT_NEAR(got.green(), c.background.green(), 6);
                EXPECT_NEAR(got.blue(), c.background.blue(), 6);
            }
            // near the top only the rod's end stands out beside the body
            int left = img.width(), right = -1;
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, 12)) < 140) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            if (QLatin1String(side) == QLatin1String("droite"))
                EXPECT_GE(right, 34) << "the rod leans right";
            else
                EXPECT_LE(left, 12) << "the rod leans left";
        }
    }
}

TEST(ArtworkFacts, EnvelopePressedIsFlatRaisedHasAShadow)
{
    const QImage pressed = load(QStringLiteral(":/design/Form_image/enveloppe.png"));
    const QImage raised = load(QStringLiteral(":/design/Form_image/enveloppenoir.png"));
    EXPECT_LT(qAlpha(pressed.pixel(1, 1)), 20) << "transparent around the pressed envelope";
    EXPECT_GT(qAlpha(pressed.pixel(5, 5)), 240);
    EXPECT_GT(qAlpha(raised.pixel(1, 1)), 240) << "the raised envelope sits up and left";
    EXPECT_LT(qAlpha(raised.pixel(51, 1)), 20);
    EXPECT_GT(qAlpha(raised.pixel(51, 31)), 150) << "a shadow at the right and bottom";
    EXPECT_LT(qGray(raised.pixel(51, 31)), 90);
    const QColor paper = QColor::fromRgb(pressed.pixel(14, 18));
    EXPECT_GT(paper.red(), 230);
    EXPECT_GT(paper.green(), 210);
    EXPECT_LT(paper.blue(), 200) << "pale yellow";
    EXPECT_TRUE(load(QStringLiteral(":/design/Form_piano/enveloppe.png")) == raised)
        << "the menu's envelope starts with the raised look";
}

TEST(ArtworkFacts, BackgroundsAreLightInTheirScreensColour)
{
    const struct {
        const char* name;
        QColor tint;
    } backgrounds[] = {{"JAUNE_CLAIR", QColor(255, 255, 235)}, {"ROUGE_CLAIR", QColor(255, 237, 237)},
                       {"BLEU_TURQUOISE", QColor(233, 254, 255)}, {"PN", QColor(251, 246, 252)},
                       {"VERT_CLAIR", QColor(238, 255, 237)}, {"ORANGE", QColor(255, 255, 227)},
                       {"BLEU", QColor()}};
    for (const auto& b : backgrounds) {
        SCOPED_TRACE(b.name);
        const QImage img = load(QStringLiteral(":/res/FOND/%1.jpg").arg(QLatin1String(b.name)));
        double r = 0, g = 0, bl = 0;
        int darkest = 255;
        for (int y = 0; y < img.height(); y += 3) {
            for (int x = 0; x < img.width(); x += 3) {
                const QRgb c = img.pixel(x, y);
                r += qRed(c);
                g += qGreen(c);
                bl += qBlue(c);
                darkest = std::min(darkest, qGray(c));
            }
        }
        const double n = double((img.height() + 2) / 3) * ((img.width() + 2) / 3);
        EXPECT_GT(darkest, 195) << "light enough for text on it";
        if (b.tint.isValid()) {
            EXPECT_NEAR(r / n, b.tint.red(), 8);
            EXPECT_NEAR(g / n, b.tint.green(), 8);
            EXPECT_NEAR(bl / n, b.tint.blue(), 8);
        } else {
            EXPECT_GT(bl / n, r / n + 10) << "blue";
        }
    }
}

TEST(ArtworkFacts, LevelPicturesMarkTheLevelsKeys)
{
    const struct {
        const char* name;
        const char* marks;
    } levels[] = {
        {"B01", "bog"},                // si, do, re
        {"B08", "gogo"},               // fa 13, do 20, fa 25, do 32; the do of key 8 blank
        {"B09", "bbbb"},               // mi 12, si 19, mi 24, si 31
        {"FR01", "rrr"},               // the three names
        {"FR05", "rrrrrrrrrrr"},       // eleven keys
        {"ES05", "rrrrrrrrrrr"},
        {"US05", "rrrrrrrrrrrr"},      // the English names also name key 31
        {"VIDE01", ""},                // empty circles, no colours
        {"NN1", "gogbogbgogbogbgogbogbgo"},  // every white key by its colour
        {"NN2", "gogogog"},            // fa and do keys
        {"NN3", "bbbbbb"},             // mi and si keys
        {"VIDEN4", ""},
    };
    for (const auto& l : levels) {
        SCOPED_TRACE(l.name);
        const QImage img = load(QStringLiteral(":/res/NIVEAUX/%1.jpg").arg(QLatin1String(l.name)));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(marksAlongWhiteKeys(img), l.marks);
    }
}

TEST(ArtworkFacts, FlagsShowTheirColours)
{
    auto colourAt = [](const char* flag, QPoint p) {
        return QColor::fromRgb(load(QStringLiteral(":/design/Form_joueurs/%1.png").arg(QLatin1String(flag))).pixel(p));
    };
    const struct {
        const char* flag;
        QPoint at;
        char expected;  // b blue, w white, r red, y yellow
    } samples[] = {{"Image_francais", {6, 12}, 'b'}, {"Image_francais", {18, 12}, 'w'}, {"Image_francais", {30, 12}, 'r'},
                   {"Image_espagnol", {18, 3}, 'r'}, {"Image_espagnol", {18, 12}, 'y'}, {"Image_espagnol", {18, 22}, 'r'},
                   {"Image_anglais", {18, 12}, 'r'}, {"Image_anglais", {10, 1}, 'b'}, {"Image_anglais", {17, 4}, 'r'}};
    for (const auto& s : samples) {
        SCOPED_TRACE(std::string(s.flag) + " " + s.expected);
        const QColor c = colourAt(s.flag, s.at);
        switch (s.expected) {
        case 'b': EXPECT_TRUE(c.blue() > 90 && c.red() < 60) << c.name().toStdString(); break;
        case 'w': EXPECT_GT(qGray(c.rgb()), 240); break;
        case 'r': EXPECT_TRUE(c.red() > 170 && c.green() < 70 && c.blue() < 80) << c.name().toStdString(); break;
        case 'y': EXPECT_TRUE(c.red() > 220 && c.green() > 160 && c.blue() < 60) << c.name().toStdString(); break;
        }
    }
}

TEST(ArtworkFacts, PointerHotSpotIsTheFingerTip)
{
    QFile spot(QStringLiteral(":/design/cursor/hand.txt"));
    ASSERT_TRUE(spot.open(QIODevice::ReadOnly));
    const QStringList xy = QString::fromLatin1(spot.readAll()).simplified().split(QLatin1Char(' '));
    ASSERT_EQ(xy.size(), 2);
    EXPECT_EQ(xy[0].toInt(), 11);
    EXPECT_EQ(xy[1].toInt(), 6);
    const QImage hand = load(QStringLiteral(":/design/cursor/hand.png"));
    EXPECT_GT(qAlpha(hand.pixel(11, 6)), 200) << "the hot spot is on the hand";
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(hand.pixel(corner)), 0) << "transparent background";
    // nothing of the hand stands above the fingertip
    const QRect drawn = boundsOf(hand, [](QRgb c) { return qAlpha(c) > 60; });
    EXPECT_GE(drawn.top(), 3);
    EXPECT_LE(drawn.top(), 6);
}
