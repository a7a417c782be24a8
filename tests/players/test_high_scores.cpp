// The high-score list and its score files: the substitution, the file format, the ranking,
// bad files, failed writes and names.
#include "players/score_fixture.h"

#include <QFontMetricsF>
#include <QSet>

#include <limits>

namespace {

using namespace score_test;
using players::HighScoreList;

// ----------------------------------------------------------------------- the substitution

TEST(ScrambleText, AlphabetIsMadeOfTheBlankSignsDigitsLettersAndLatinOneCharacters)
{
    const QString& a = HighScoreList::Alphabet();
    ASSERT_EQ(a.size(), 111);
    EXPECT_EQ(QSet<QChar>(a.begin(), a.end()).size(), 111) << "every character once";
    int blanks = 0, signs = 0, digits = 0, lower = 0, upper = 0, further = 0;
    for (QChar c : a) {
        const char16_t u = c.unicode();
        if (u == ' ')
            ++blanks;
        else if (u >= '0' && u <= '9')
            ++digits;
        else if (u >= 'a' && u <= 'z')
            ++lower;
        else if (u >= 'A' && u <= 'Z')
            ++upper;
        else if (u > 0x20 && u < 0x7F)  // printable ASCII, not a letter or digit
            ++signs;
        else if (u >= 0xA0 && u <= 0xFF)
            ++further;  // Latin-1, where Windows-1252 agrees
        else
            ADD_FAILURE() << "unexpected character " << int(u);
    }
    EXPECT_EQ(blanks, 1);
    EXPECT_EQ(signs, 19);
    EXPECT_EQ(digits, 10);
    EXPECT_EQ(lower, 26);
    EXPECT_EQ(upper, 26);
    EXPECT_EQ(further, 29);
    // The default entry's characters are in it.
    EXPECT_TRUE(a.contains(QLatin1Char('*')));
    EXPECT_TRUE(a.contains(QLatin1Char('-')));
}

TEST(ScrambleText, PermutationIsItsOwnInverseOverTheWholeAlphabet)
{
    const QString& a = HighScoreList::Alphabet();
    const QString& p = HighScoreList::Permutation();
    ASSERT_EQ(p.size(), a.size());
    QString sortedA = a, sortedP = p;
    std::sort(sortedA.begin(), sortedA.end());
    std::sort(sortedP.begin(), sortedP.end());
    EXPECT_EQ(sortedA, sortedP) << "the same characters";
    int unchanged = 0;
    for (int i = 0; i < a.size(); ++i) {
        const int q = static_cast<int>(a.indexOf(p.at(i)));
        EXPECT_EQ(p.at(q), a.at(i)) << "position " << i;
        unchanged += p.at(i) == a.at(i);
    }
    EXPECT_LE(unchanged, 1) << "a file is not readable as it stands";
    // Twice gives the text back; TAB stands for itself.
    const QString all = a + QLatin1Char('\t');
    EXPECT_EQ(HighScoreList::ScrambleText(HighScoreList::ScrambleText(all)), all);
    EXPECT_EQ(HighScoreList::ScrambleText(QStringLiteral("\t")), QStringLiteral("\t"));
    EXPECT_NE(HighScoreList::ScrambleText(QStringLiteral("Zoé\t412")), QStringLiteral("Zoé\t412"));
}

TEST(ScrambleText, DropsCharactersOutsideTheAlphabet)
{
    // Line breaks, NUL, a euro sign, a Greek letter and a character of another plane.
    const QString text = QStringLiteral("a\r\nb") + QChar(0) + QStringLiteral("c€dλe😀f");
    EXPECT_EQ(HighScoreList::ScrambleText(HighScoreList::ScrambleText(text)), QStringLiteral("abcdef"));
}

// ----------------------------------------------------------------------- the file format

TEST_F(ScoreTest, ANewFileHoldsTenDefaultEntriesByteForByte)
{
    HighScoreList table;
    fill(table, path(QStringLiteral("Scores_pp.tvo")));
    const QString entry = QStringLiteral("*****************\t-100");
    QByteArray expected;
    for (int k = 0; k < 10; ++k)
        expected += HighScoreList::ScrambleText(entry).toLatin1() + "\r\n";
    EXPECT_EQ(readBytes(path(QStringLiteral("Scores_pp.tvo"))), expected);
    EXPECT_EQ(expected.size(), 10 * (22 + 2));
    EXPECT_EQ(shortRows(platform::form<players::Form_score>().lstScores), defaultRows());
    EXPECT_FALSE(table.lastFailure());
}

TEST_F(ScoreTest, AnAcceptedScoreIsWrittenScrambledAndReadBackByTheNextLoad)
{
    const QString file = path(QStringLiteral("Scores_nn.tvo"));
    {
        HighScoreList table;
        fill(table, file);
        QString name = QStringLiteral("Zoé");
        ASSERT_TRUE(table.AddHighScore(platform::form<players::Form_score>().lstScores, name, 412));
        EXPECT_TRUE(name.startsWith(QStringLiteral("Zoé "))) << "padded in place";
    }
    // Line 1 holds the padded name, TAB and the score, scrambled; the others are the defaults.
    const QByteArray bytes = readBytes(file);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 11);
    const QString first = HighScoreList::ScrambleText(QString::fromLatin1(lines[0].chopped(1)));
    EXPECT_TRUE(first.startsWith(QStringLiteral("Zoé "))) << first.toStdString();
    EXPECT_TRUE(first.endsWith(QStringLiteral("\t412")));
    EXPECT_FALSE(bytes.contains("Zo")) << "not plain text";
    EXPECT_EQ(entriesOnDisk(file).mid(0, 2), (QStringList{"Zoé|412", "*****************|-100"}));

    HighScoreList again;
    fill(again, file);
    const QStringList rows = shortRows(platform::form<players::Form_score>().lstScores);
    EXPECT_EQ(rows.value(0), "1. Zoé|412");
    EXPECT_EQ(rows.value(1), "2. *****************|-100");
    EXPECT_EQ(readBytes(file), bytes) << "a load does not rewrite a good file";
}

// ----------------------------------------------------------------------------- ranking

// A known table: 500, 400, 300, 300, 200, 100, 50, 0, -10, -20.
class Ranking : public ScoreTest {
protected:
    void SetUp() override
    {
        ScoreTest::SetUp();
        QStringList entries;
        const QStringList names = {"Ana", "Ben", "Cléo", "Dan", "Eva", "Fred", "Gus", "Hana", "Ivo", "Jo"};
        const int scores[] = {500, 400, 300, 300, 200, 100, 50, 0, -10, -20};
        for (int i = 0; i < 10; ++i)
            entries << names[i] + QLatin1Char('\t') + QString::number(scores[i]);
        file_ = path(QStringLiteral("Scores_pp.tvo"));
        writeBytes(file_, scoreFileBytes(entries));
        before_ = readBytes(file_);
        fill(table_, file_);
    }

    QString file_;
    QByteArray before_;
    HighScoreList table_;
};

TEST_F(Ranking, ANewScoreGoesAboveTheFirstLowerOneAndBelowEveryEqualOne)
{
    struct Case {
        int score;
        int rank;  // 1 .. 10, or 0 when refused
    };
    const Case cases[] = {
        {501, 1}, {500, 2}, {301, 3}, {300, 5}, {299, 5}, {1, 8},
        {-19, 10}, {-20, 0}, {-21, 0}, {std::numeric_limits<int32_t>::min(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        writeBytes(file_, before_);
        HighScoreList table;
        fill(table, file_);
        platform::ListBox& list = platform::form<players::Form_score>().lstScores;
        const QStringList old = shortRows(list);
        QString name = QStringLiteral("Neo");
        const bool accepted = table.AddHighScore(list, name, c.score);
        if (c.rank == 0) {
            EXPECT_FALSE(accepted);
            EXPECT_EQ(shortRows(list), old);
            EXPECT_EQ(readBytes(file_), before_) << "nothing is written";
            continue;
        }
        ASSERT_TRUE(accepted);
        const QStringList rows = shortRows(list);
        ASSERT_EQ(rows.size(), 10);
        EXPECT_EQ(rows[c.rank - 1], QStringLiteral("%1. Neo|%2").arg(c.rank).arg(c.score));
        EXPECT_EQ(list.listIndex(), c.rank - 1) << "the new row is selected";
        // The rows above stay, the rows below move down one place renumbered, the last goes.
        for (int r = 1; r <= 10; ++r) {
            if (r < c.rank) {
                EXPECT_EQ(rows[r - 1], old[r - 1]);
            } else if (r > c.rank) {
                EXPECT_EQ(rows[r - 1].section(QLatin1Char(' '), 1), old[r - 2].section(QLatin1Char(' '), 1));
            }
            EXPECT_TRUE(rows[r - 1].startsWith(QStringLiteral("%1. ").arg(r)));
        }
        QStringList disk = entriesOnDisk(file_);
        QStringList shown;
        for (const QString& row : rows)
            shown << row.section(QLatin1Char(' '), 1);
        EXPECT_EQ(disk, shown) << "the file holds the list, rank prefixes left out";
    }
}

TEST_F(ScoreTest, ADefaultTableTakesAnyScoreAboveMinusOneHundredAtRankOne)
{
    const QString file = path(QStringLiteral("Scores_pn.tvo"));
    HighScoreList table;
    fill(table, file);
    const QByteArray fresh = readBytes(file);
    platform::ListBox& list = platform::form<players::Form_score>().lstScores;
    QString name = QStringLiteral("Léa");
    EXPECT_FALSE(table.AddHighScore(list, name, -100));
    EXPECT_EQ(readBytes(file), fresh);
    EXPECT_TRUE(table.AddHighScore(list, name, -99));
    EXPECT_EQ(shortRows(list).value(0), "1. Léa|-99");
    EXPECT_EQ(shortRows(list).value(1), "2. *****************|-100");
}

// ----------------------------------------------------------------------------- bad files

TEST_F(ScoreTest, BadFilesNeverCrashAndLoseNothingThatCanBeRead)
{
    const QString good = QStringLiteral("Ana\t300");
    QByteArray nineLines;
    for (int i = 0; i < 9; ++i)
        nineLines += HighScoreList::ScrambleText(good).toLatin1() + "\r\n";
    QByteArray eightLines;
    for (int i = 0; i < 8; ++i)
        eightLines += HighScoreList::ScrambleText(good).toLatin1() + "\r\n";
    QByteArray lfOnly, crOnly;
    for (int i = 0; i < 10; ++i) {
        lfOnly += HighScoreList::ScrambleText(QStringLiteral("Lf\t%1").arg(100 - i)).toLatin1() + "\n";
        crOnly += HighScoreList::ScrambleText(QStringLiteral("Cr\t%1").arg(100 - i)).toLatin1() + "\r";
    }
    QByteArray oneMegabyteLine = HighScoreList::ScrambleText(QStringLiteral("Big\t7")).toLatin1() + "\r\n";
    for (int i = 0; i < 8; ++i)
        oneMegabyteLine += scoreFileBytes({good});
    oneMegabyteLine += QByteArray(1 << 20, HighScoreList::ScrambleText(QStringLiteral("x")).toLatin1()[0]);
    const QByteArray scrambledTab = "\t";

    struct Case {
        const char* what;
        std::optional<QByteArray> bytes;  // nothing: no file
        QString first, last;              // rows 1 and 10
        bool rewritten;                   // the load writes a new file of default entries
    };
    const QString ana = QStringLiteral("Ana|300");
    const QString stars = QStringLiteral("*****************|-100");
    const Case cases[] = {
        {"missing", std::nullopt, stars, stars, true},
        {"8 lines", eightLines, stars, stars, true},
        {"9 lines: the tenth is a default entry", nineLines, ana, stars, false},
        {"no separator", scoreFileBytes({QStringLiteral("Nobody300")}) + nineLines, stars, ana, false},
        {"a score that is no number reads as its leading number",
         scoreFileBytes({QStringLiteral("Ana\t12abc")}) + nineLines, QStringLiteral("Ana|12"), ana, false},
        {"letters only read 0", scoreFileBytes({QStringLiteral("Ana\tabc")}) + nineLines, QStringLiteral("Ana|0"),
         ana, false},
        {"huge scores are clamped", scoreFileBytes({QStringLiteral("Max\t99999999999")}) + eightLines +
             scoreFileBytes({QStringLiteral("Min\t-99999999999")}).chopped(2),
         QStringLiteral("Max|2147483647"), QStringLiteral("Min|-2147483648"), false},
        {"LF only", lfOnly, QStringLiteral("Lf|100"), QStringLiteral("Lf|91"), false},
        {"CR only", crOnly, QStringLiteral("Cr|100"), QStringLiteral("Cr|91"), false},
        {"NUL bytes are dropped", QByteArray("\0\0", 2) + scoreFileBytes({good}) + nineLines, ana, ana, false},
        {"a 1 MB last line is cut before its separator", oneMegabyteLine, QStringLiteral("Big|7"), stars, false},
        {"empty", QByteArray(), stars, stars, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = path(QStringLiteral("bad.tvo"));
        QFile::remove(file);
        if (c.bytes)
            writeBytes(file, *c.bytes);
        HighScoreList table;
        fill(table, file);
        const QStringList rows = shortRows(platform::form<players::Form_score>().lstScores);
        ASSERT_EQ(rows.size(), 10);
        EXPECT_EQ(rows[0], QStringLiteral("1. ") + c.first);
        EXPECT_EQ(rows[9], QStringLiteral("10. ") + c.last);
        if (c.rewritten)
            EXPECT_EQ(entriesOnDisk(file), QStringList(10, stars));
        else
            EXPECT_EQ(readBytes(file), *c.bytes) << "a load leaves the file as it is";
        EXPECT_FALSE(table.lastFailure());

        // The next accepted score writes a clean file of ten entries.
        QString name = QStringLiteral("Neo");
        ASSERT_TRUE(table.AddHighScore(platform::form<players::Form_score>().lstScores, name, 400));
        const QStringList disk = entriesOnDisk(file);
        EXPECT_EQ(disk.size(), 10);
        EXPECT_EQ(disk.value(0), c.first.startsWith(QStringLiteral("Max")) ? c.first : QStringLiteral("Neo|400"));
        EXPECT_TRUE(readBytes(file).endsWith("\r\n"));
    }
}

TEST_F(ScoreTest, AFolderInPlaceOfTheFileIsNeverReplaced)
{
    const QString file = path(QStringLiteral("Scores_pp.tvo"));
    ASSERT_TRUE(QDir().mkpath(file));
    HighScoreList table;
    fill(table, file);
    EXPECT_EQ(shortRows(platform::form<players::Form_score>().lstScores), defaultRows());
    ASSERT_TRUE(table.lastFailure());
    EXPECT_EQ(table.lastFailure()->file, file);
    QString name = QStringLiteral("Zoé");
    EXPECT_TRUE(table.AddHighScore(platform::form<players::Form_score>().lstScores, name, 50));
    EXPECT_TRUE(QFileInfo(file).isDir());
}

TEST_F(ScoreTest, AFailedWriteKeepsTheOldFileAndIsRecorded)
{
    struct Case {
        const char* what;
        QString file;
    };
    const Case cases[] = {
        {"missing folder", path(QStringLiteral("nowhere/Scores_pp.tvo"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HighScoreList table;
        fill(table, c.file);
        ASSERT_TRUE(table.lastFailure()) << "the new file could not be made";
        table.clearFailure();
        QString name = QStringLiteral("Zoé");
        EXPECT_TRUE(table.AddHighScore(platform::form<players::Form_score>().lstScores, name, 50));
        EXPECT_EQ(shortRows(platform::form<players::Form_score>().lstScores).value(0), "1. Zoé|50");
        ASSERT_TRUE(table.lastFailure());
        EXPECT_EQ(table.lastFailure()->file, c.file);
        EXPECT_FALSE(table.lastFailure()->reason.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(c.file));
    }
    // A folder that takes the file's place after the load: the write fails, the folder stays.
    const QString file = path(QStringLiteral("Scores_nn2.tvo"));
    HighScoreList table;
    fill(table, file);
    ASSERT_FALSE(table.lastFailure());
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    QString name = QStringLiteral("Zoé");
    EXPECT_TRUE(table.AddHighScore(platform::form<players::Form_score>().lstScores, name, 50));
    ASSERT_TRUE(table.lastFailure());
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_TRUE(QDir(path(QString())).entryList(QStringList{QStringLiteral("*.tvo.*")}, QDir::Files).isEmpty())
        << "no temporary file is left behind";
}

// ---------------------------------------------------------------------------------- names

TEST_F(ScoreTest, NamesAreCleanedPaddedAndStoredAsTheAlphabetAllows)
{
    struct Case {
        const char* what;
        QString name;
        QString shown;   // in the list, blanks after it removed
        QString stored;  // in the file, after the next load
    };
    const QString eAcute = QStringLiteral("e") + QChar(0x0301);
    const Case cases[] = {
        {"TAB", QStringLiteral("Zo\tLéa"), QStringLiteral("Zo Léa"), QStringLiteral("Zo Léa")},
        {"CR LF", QStringLiteral("Zo\r\nLéa"), QStringLiteral("Zo  Léa"), QStringLiteral("Zo  Léa")},
        {"LF", QStringLiteral("Zo\nLéa"), QStringLiteral("Zo Léa"), QStringLiteral("Zo Léa")},
        {"a decomposed accent is composed", QStringLiteral("Zo") + eAcute, QStringLiteral("Zoé"),
         QStringLiteral("Zoé")},
        {"outside the alphabet: shown, not stored", QStringLiteral("Zoë€"), QStringLiteral("Zoë€"),
         QStringLiteral("Zoë")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = path(QStringLiteral("names.tvo"));
        QFile::remove(file);
        HighScoreList table;
        fill(table, file);
        QString name = c.name;
        ASSERT_TRUE(table.AddHighScore(platform::form<players::Form_score>().lstScores, name, 10));
        EXPECT_EQ(shortRows(platform::form<players::Form_score>().lstScores).value(0), "1. " + c.shown + "|10");
        HighScoreList again;
        fill(again, file);
        EXPECT_EQ(shortRows(platform::form<players::Form_score>().lstScores).value(0), "1. " + c.stored + "|10");
        EXPECT_EQ(entriesOnDisk(file).value(1), "*****************|-100") << "no entry is shifted";
    }
}

TEST_F(ScoreTest, ANameAsWideAsTenNIsNeitherPaddedNorCutAndANarrowOneIsPadded)
{
    const QString file = path(QStringLiteral("wide.tvo"));
    HighScoreList table;
    fill(table, file);
    platform::ListBox& list = platform::form<players::Form_score>().lstScores;
    const QFontMetricsF own(platform::form<players::Form_score>().font());

    QString wide = QStringLiteral("Maximilien-Alexandre de la Montagne");
    ASSERT_GE(own.horizontalAdvance(wide), own.horizontalAdvance(QString(10, QLatin1Char('N'))));
    const QString wideBefore = wide;
    ASSERT_TRUE(table.AddHighScore(list, wide, 90));
    EXPECT_EQ(wide, wideBefore);
    EXPECT_EQ(list.list(0), "1. " + wideBefore + "\t90");

    QString narrow = QStringLiteral("Jo");
    ASSERT_TRUE(table.AddHighScore(list, narrow, 80));
    EXPECT_GT(narrow.size(), 2);
    EXPECT_EQ(narrow.trimmed(), "Jo");
    // The blanks are stored in the file.
    const QString line = HighScoreList::ScrambleText(QString::fromLatin1(readBytes(file).split('\n').value(1).chopped(1)));
    EXPECT_EQ(line, narrow + "\t80");
}

TEST_F(ScoreTest, ScoresFromTheEntryBoxAreReadAsTheirLeadingNumberAndClamped)
{
    struct Case {
        const char* text;
        int32_t score;
    };
    const Case cases[] = {
        {"42", 42}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"-7", -7}, {" 15", 15},
        {"99999999999", std::numeric_limits<int32_t>::max()}, {"-99999999999", std::numeric_limits<int32_t>::min()},
        {"2147483648", std::numeric_limits<int32_t>::max()}, {"-2147483649", std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HighScoreList::readScore(QString::fromLatin1(c.text)), c.score) << c.text;
}

} // namespace
