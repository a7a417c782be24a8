// A note picture shows its head on the line or space its name calls for, on the right staff,
// and nowhere else; every note picture lines up with the empty staff.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

enum class Staff { Treble, Bass };

// The written step of a note-picture name, worked out here from the name alone:
// letter + octave * 7, with do = C = 0 and middle C (key 20, MIDI 60) in octave 4.
int writtenStep(const QString& name)
{
    const int key = name.left(2).toInt();
    const QString rest = name.mid(3);
    static const char* const letters[7] = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};
    static const int semitone[7] = {0, 2, 4, 5, 7, 9, 11};
    int letter = -1;
    for (int i = 0; i < 7; ++i)
        if (rest.startsWith(QLatin1String(letters[i])))
            letter = i;
    const QString after = rest.mid(QString::fromLatin1(letters[letter]).size());
    const int alter = after.startsWith(QLatin1Char('D')) ? 1 : after.startsWith(QLatin1Char('B')) ? -1 : 0;
    const int midi = 40 + key;
    const int octave = (midi - alter - semitone[letter]) / 12 - 1;
    return octave * 7 + letter;
}

constexpr int kE4 = 4 * 7 + 2;   // bottom line of the treble staff
constexpr int kG2 = 2 * 7 + 4;   // bottom line of the bass staff
constexpr int kC4 = 4 * 7 + 0;

QImage load(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

bool differs(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) > 40 || std::abs(qGreen(a) - qGreen(b)) > 40
           || std::abs(qBlue(a) - qBlue(b)) > 40;
}

// The empty staff's ten lines, found in its pixels: rows dark across the right part of the
// picture, grouped, as pixel-centre rows (top to bottom).
std::vector<double> staffLines(const QImage& staff)
{
    std::vector<double> lines;
    int runStart = -1;
    for (int y = 0; y <= staff.height(); ++y) {
        bool dark = false;
        if (y < staff.height()) {
            int count = 0;
            const int x0 = staff.width() * 45 / 100, x1 = staff.width() * 95 / 100;
            for (int x = x0; x < x1; ++x)
                count += qGray(staff.pixel(x, y)) < 128;
            dark = count > (x1 - x0) * 9 / 10;
        }
        if (dark && runStart < 0)
            runStart = y;
        if (!dark && runStart >= 0) {
            lines.push_back((runStart + y) / 2.0);
            runStart = -1;
        }
    }
    return lines;
}

struct Case {
    const char* name;
    Staff staff;
};

// Names across both staves, with the staff each stands on as the catalogue says: names with
// _S on the treble staff and _F on the bass staff; near middle C the name without suffix on
// the other staff (21_DOD bass, 19_DOB / 21_REB / 22_RE treble).
const Case kCases[] = {
    {"01_FA", Staff::Bass},     {"02_SOLB", Staff::Bass},    {"02_FAD", Staff::Bass},
    {"07_DOB", Staff::Bass},    {"08_SID", Staff::Bass},     {"12_FAB", Staff::Bass},
    {"13_FA", Staff::Bass},     {"16_SOLD", Staff::Bass},    {"19_SI", Staff::Bass},
    {"19_DOB_F", Staff::Bass},  {"19_DOB", Staff::Treble},   {"20_DO_S", Staff::Treble},
    {"20_DO_F", Staff::Bass},   {"21_DOD", Staff::Bass},     {"21_DOD_S", Staff::Treble},
    {"21_REB", Staff::Treble},  {"21_REB_F", Staff::Bass},   {"22_RE", Staff::Treble},
    {"22_RE_F", Staff::Bass},   {"24_FAB", Staff::Treble},   {"27_SOL", Staff::Treble},
    {"30_SIB", Staff::Treble},  {"36_FAB", Staff::Treble},   {"37_MID", Staff::Treble},
    {"39_SOL", Staff::Treble},
};

const char* const kStyles[] = {"RONDE", "BLANCHE", "NOIRE", "CROCHE", "BULLE", "SMILEY", "FOOT", "BASKET"};

class NotePosition : public ::testing::Test {
protected:
    void SetUp() override
    {
        empty_ = load(QStringLiteral(":/res/DIVERS/PORTEE.png"));
        ASSERT_FALSE(empty_.isNull());
        lines_ = staffLines(empty_);
        ASSERT_EQ(lines_.size(), 10u) << "the empty staff shows two five-line staves";
        // The head's column: the middle of the whole note drawn for 13_FA (no accidental, no
        // ledger line, no stem).
        const QImage f = load(QStringLiteral(":/res/RONDE/13_FA.png"));
        int left = f.width(), right = -1;
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x)
                if (differs(f.pixel(x, y), empty_.pixel(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        ASSERT_GE(right, left);
        headX_ = (left + right) / 2;
    }

    double halfSpace(Staff s) const
    {
        const size_t first = s == Staff::Treble ? 0 : 5;
        return (lines_[first + 4] - lines_[first]) / 8.0;
    }

    double expectedRow(Staff s, int step) const
    {
        const double bottom = s == Staff::Treble ? lines_[4] : lines_[9];
        return bottom - (step - (s == Staff::Treble ? kE4 : kG2)) * halfSpace(s);
    }

    // Rows where the note picture differs from the empty staff in a narrow band through the
    // head's middle, leaving out the rows of middle C's ledger line when the note needs it.
    std::vector<int> headRows(const QImage& img, Staff s, int step) const
    {
        std::vector<double> ledgers;
        if ((s == Staff::Treble && step <= kC4) || (s == Staff::Bass && step >= kC4))
            ledgers.push_back(expectedRow(s, kC4));
        std::vector<int> rows;
        for (int y = 0; y < img.height(); ++y) {
            bool ledger = false;
            for (double l : ledgers)
                ledger = ledger || std::abs(y + 0.5 - l) <= 2.0;
            if (ledger)
                continue;
            for (int x = headX_ - 2; x <= headX_ + 2; ++x)
                if (differs(img.pixel(x, y), empty_.pixel(x, y))) {
                    rows.push_back(y);
                    break;
                }
        }
        return rows;
    }

    QImage empty_;
    std::vector<double> lines_;
    int headX_ = 0;
};

} // namespace

TEST_F(NotePosition, HeadStandsWhereItsNameWritesIt)
{
    const double space = 2 * halfSpace(Staff::Treble);
    for (const char* style : kStyles) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(std::string(style) + "/" + c.name);
            const QImage img = load(QStringLiteral(":/res/%1/%2.png").arg(QLatin1String(style), QLatin1String(c.name)));
            ASSERT_FALSE(img.isNull());
            const int step = writtenStep(QLatin1String(c.name));
            const double expected = expectedRow(c.staff, step);
            const std::vector<int> rows = headRows(img, c.staff, step);
            ASSERT_FALSE(rows.empty()) << "no head in the head's column";
            if (QLatin1String(style) == QLatin1String("CROCHE")) {
                // a flag hanging from a lower stem end crosses the head's column: look only
                // for the head itself among the rows within one space of the expected row
                std::vector<int> near;
                for (int r : rows)
                    if (std::abs(r + 0.5 - expected) <= space)
                        near.push_back(r);
                ASSERT_FALSE(near.empty());
                EXPECT_NEAR((near.front() + near.back() + 1) / 2.0, expected, 2.0);
                continue;
            }
            const double centre = (rows.front() + rows.back() + 1) / 2.0;
            EXPECT_NEAR(centre, expected, 2.0);
            // nothing else in the head's column: one head, about a space high
            EXPECT_LE(rows.back() - rows.front() + 1, 1.6 * space);
        }
    }
}

TEST_F(NotePosition, SadFaceStandsWhereTheHappyOneDoes)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const QImage happy = load(QStringLiteral(":/res/SMILEY/%1.png").arg(QLatin1String(c.name)));
        const QImage sad = load(QStringLiteral(":/res/SMILEY/%1_2.png").arg(QLatin1String(c.name)));
        const int step = writtenStep(QLatin1String(c.name));
        const std::vector<int> a = headRows(happy, c.staff, step), b = headRows(sad, c.staff, step);
        ASSERT_FALSE(a.empty());
        ASSERT_FALSE(b.empty());
        EXPECT_NEAR((a.front() + a.back()) / 2.0, (b.front() + b.back()) / 2.0, 1.0);
        EXPECT_TRUE(happy != sad) << "the second face differs from the first";
    }
}

TEST_F(NotePosition, EveryNotePictureLinesUpWithTheEmptyStaff)
{
    // Away from the note (the clefs on the left, the end of the staff on the right) a note
    // picture is the empty staff, pixel for pixel.
    const QStringList names{QStringLiteral("01_FA"), QStringLiteral("20_DO_S"), QStringLiteral("21_REB_F"),
                            QStringLiteral("39_SOL"), QStringLiteral("07_DOB"), QStringLiteral("33_DOD")};
    for (const char* style : kStyles) {
        for (const QString& name : names) {
            SCOPED_TRACE(std::string(style) + "/" + name.toStdString());
            const QImage img = load(QStringLiteral(":/res/%1/%2.png").arg(QLatin1String(style), name));
            ASSERT_EQ(img.size(), empty_.size());
            int mismatches = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    if (x >= headX_ - 45 && x <= headX_ + 40)
                        continue;
                    mismatches += img.pixel(x, y) != empty_.pixel(x, y);
                }
            }
            EXPECT_EQ(mismatches, 0);
        }
    }
}
