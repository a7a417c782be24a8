#include "players/high_score_list.h"

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/resources.h"
#include "platform/vb.h"
#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QStringList>

#include <cmath>
#include <limits>

namespace players {

namespace {

// The default entry of a new table.
const QString kDefaultName = QStringLiteral("*****************");
constexpr int32_t kDefaultScore = -100;
// The longest name a line can hold and still be read back whole with its separator and score.
constexpr int kMaxNameChars = HighScoreList::kMaxLineChars - 12;

// The text of a row after its rank prefix ("3. "): from the second character after its first
// ".".
QString sansRang(const QString& row)
{
    const int dot = row.indexOf(QLatin1Char('.'));
    return dot < 0 ? row : row.mid(dot + 2);
}

QString rang(int row) { return QString::number(row + 1) + QStringLiteral(". "); }

// One line of a score file: up to CR LF, LF or CR, or the end of the file; at most
// kMaxLineChars characters.  Nothing when the file has no more characters.
std::optional<QString> lireLigne(QFile& file)
{
    if (file.atEnd())
        return std::nullopt;
    QByteArray bytes;
    char c = 0;
    while (bytes.size() < HighScoreList::kMaxLineChars && file.getChar(&c)) {
        if (c == '\n')
            break;
        if (c == '\r') {
            char next = 0;
            if (file.getChar(&next) && next != '\n')
                file.ungetChar(next);
            break;
        }
        bytes.append(c);
    }
    return QString::fromLatin1(bytes);
}

} // namespace

QString nettoyer_nom(const QString& name)
{
    QString clean = name.normalized(QString::NormalizationForm_C);
    for (QChar& c : clean) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    if (clean.size() > kMaxNameChars)
        clean.truncate(kMaxNameChars);
    return clean;
}

// --------------------------------------------------------------------------- substitution

const QString& HighScoreList::Alphabet()
{
    // The blank, 19 signs, the digits, the letters, 22 accented letters and 7 signs.
    static const QString alphabet = QStringLiteral(
        " !\"#%&'()*+,-./:;?@_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
        "àâäáãçéèêëîïíñôöóùûüúÉ¡¿«»°ªº");
    return alphabet;
}

const QString& HighScoreList::Permutation()
{
    // Character p of the alphabet stands at position q here exactly when character q of the
    // alphabet stands at position p: applying the substitution twice gives the text back.
    static const QString permutation = QStringLiteral(
        ";K(Hí2ú\"vbGeSL¡_ 4ç:at&m?°6wjº0*óo,uhgO8îZ3DdêAéñ1f)7JùáqäYnôN+#Wx!.âFiª»ü-ÉëöI«ClïMBz¿@r"
        "ûpUkà%sEVcyèR'T/ãXQ5P9");
    return permutation;
}

QString HighScoreList::ScrambleText(const QString& text)
{
    static const QString from = Alphabet() + QLatin1Char('\t');
    static const QString to = Permutation() + QLatin1Char('\t');
    QString result;
    result.reserve(std::min<qsizetype>(text.size(), kMaxLineChars));
    const qsizetype n = std::min<qsizetype>(text.size(), kMaxLineChars);
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype p = from.indexOf(text.at(i));
        if (p >= 0)
            result.append(to.at(p));
    }
    return result;
}

// ------------------------------------------------------------------------------- the file

int32_t HighScoreList::readScore(const QString& text)
{
    const double value = platform::val(text);
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(std::nearbyint(value), lowest, highest));
}

int16_t HighScoreList::CountLines(const QString& text)
{
    // Line ends as the reader sees them: CR LF, LF or CR.
    int ends = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n')) {
            ++ends;
        } else if (text.at(i) == QLatin1Char('\r')) {
            ++ends;
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        }
    }
    return static_cast<int16_t>(std::min(ends + 1, int{std::numeric_limits<int16_t>::max()}));
}

QString HighScoreList::AppFolder() const
{
    QString folder = platform::programFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString HighScoreList::DefaultFileName() const { return AppFolder() + QStringLiteral("Scores.tvo"); }
QString HighScoreList::DefaultFileName_pn() const { return AppFolder() + QStringLiteral("Scores_pn.tvo"); }
QString HighScoreList::DefaultFileName_pp() const { return AppFolder() + QStringLiteral("Scores_pp.tvo"); }
QString HighScoreList::DefaultFileName_pp2() const { return AppFolder() + QStringLiteral("Scores_pp2.tvo"); }
QString HighScoreList::DefaultFileName_pp3() const { return AppFolder() + QStringLiteral("Scores_pp3.tvo"); }
QString HighScoreList::DefaultFileName_nn() const { return AppFolder() + QStringLiteral("Scores_nn.tvo"); }
QString HighScoreList::DefaultFileName_nn2() const { return AppFolder() + QStringLiteral("Scores_nn2.tvo"); }

void HighScoreList::setDefaults()
{
    if (separator_.isEmpty())
        separator_ = QStringLiteral("\t");
    if (listCount_ == 0)
        listCount_ = kDefaultListCount;
    if (scoreFile_.isEmpty())
        scoreFile_ = DefaultFileName();
}

QString HighScoreList::defaultLine() const
{
    return kDefaultName + separator_ + QString::number(kDefaultScore);
}

void HighScoreList::fail(platform::FileFailure kind, const QString& reason)
{
    failure_ = Failure{scoreFile_, reason, kind};
}

bool HighScoreList::writeFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ScrambleText(line).toLatin1() + "\r\n";
    QString reason;
    if (!platform::replaceWholeFile(scoreFile_, bytes, &reason)) {
        fail(platform::FileFailure::CannotWrite, reason);
        return false;
    }
    return true;
}

void HighScoreList::FillScoreList(platform::ListBox& theList)
{
    setDefaults();
    unreadable_ = false;

    QFile file(scoreFile_);
    const QFileInfo info(scoreFile_);
    bool valid = false;
    if (info.exists()) {
        if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
            // Kept as it is: the entries it may hold are not replaced by default ones.
            unreadable_ = true;
            fail(platform::FileFailure::CannotRead,
                 info.isDir() ? QStringLiteral("Is a directory") : file.errorString());
            addDefaultRows(theList);
            return;
        }
        const QString head = QString::fromLatin1(file.read(kValidityChars));
        valid = CountLines(head) >= listCount_;
    }

    if (valid && file.seek(0)) {
        for (int k = 0; k < listCount_; ++k) {
            const std::optional<QString> line = lireLigne(file);
            QString text = line ? ScrambleText(*line) : QString();
            // A missing line, or one without the separator, is a default entry.
            if (!text.contains(separator_))
                text = defaultLine();
            const QString name = GetNamePart(text, theList);
            const int32_t score = readScore(GetScorePart(text));
            theList.addItem(rang(k) + name + separator_ + QString::number(score));
        }
        return;
    }
    file.close();

    addDefaultRows(theList);
    writeFile(QStringList(listCount_, defaultLine()));
}

void HighScoreList::addDefaultRows(platform::ListBox& theList)
{
    QString name = kDefaultName;
    PadToWidth(name, theList);
    const QString row = name + separator_ + QString::number(kDefaultScore);
    for (int k = 0; k < listCount_; ++k)
        theList.addItem(rang(k) + row);
}

int16_t HighScoreList::FindScorePosition(const platform::ListBox& theList, int32_t pScore) const
{
    const int rows = std::min<int>(listCount_, theList.listCount());
    for (int i = 0; i < rows; ++i) {
        if (readScore(GetScorePart(theList.list(i))) < pScore)
            return static_cast<int16_t>(i);
    }
    return -1;
}

bool HighScoreList::AddHighScore(platform::ListBox& theList, QString& pName, int32_t pScore)
{
    setDefaults();
    const int16_t p = FindScorePosition(theList, pScore);
    if (p == -1)
        return false;

    for (int i = theList.listCount() - 1; i > p; --i)
        theList.setList(i, rang(i) + sansRang(theList.list(i - 1)));
    pName = nettoyer_nom(pName);
    PadToWidth(pName, theList);
    theList.setList(p, rang(p) + pName + separator_ + QString::number(pScore));
    theList.setListIndex(p);

    if (unreadable_) {
        // The file could not be read: writing it would lose the entries it holds.
        if (!failure_)
            fail(platform::FileFailure::CannotRead, QStringLiteral("The file could not be read"));
        return true;
    }
    QStringList lines;
    for (int i = 0; i < listCount_; ++i)
        lines << (i < theList.listCount() ? sansRang(theList.list(i)) : defaultLine());
    writeFile(lines);
    return true;
}

// ---------------------------------------------------------------------------------- names

void HighScoreList::PadToWidth(QString& name, const platform::ListBox& theList)
{
    if (nameLength_ == 0)
        nameLength_ = kDefaultNameLength;
    const QString reference(std::max<int>(0, nameLength_), QLatin1Char('N'));

    // The screen's own font decides whether the name is already wide enough ...
    const QWidget* screen = theList.parentForm();
    const QFont screenFont = screen ? screen->font() : theList.widget()->font();
    const QFontMetricsF onScreen(screenFont);
    if (onScreen.horizontalAdvance(name) >= onScreen.horizontalAdvance(reference))
        return;

    // ... and the list's font name and size, with the screen's weight and style, how many
    // blanks it takes.
    QFont padding = screenFont;
    const QFont listFont = theList.widget()->font();
    padding.setFamily(listFont.family());
    if (listFont.pixelSize() > 0)
        padding.setPixelSize(listFont.pixelSize());
    else
        padding.setPointSizeF(listFont.pointSizeF());
    const QFontMetricsF metrics(padding);
    const double target = metrics.horizontalAdvance(reference);
    const double blank = metrics.horizontalAdvance(QLatin1Char(' '));
    double width = metrics.horizontalAdvance(name);
    // Bounded: a blank that takes no room, or a reference wider than a line, ends it.
    while (width < target && blank > 0 && name.size() < kMaxNameChars) {
        name += QLatin1Char(' ');
        width = metrics.horizontalAdvance(name);
    }
}

QString HighScoreList::GetNamePart(const QString& line, const platform::ListBox& theList)
{
    QString name = line.left(line.indexOf(separator_));
    PadToWidth(name, theList);
    return name;
}

QString HighScoreList::GetScorePart(const QString& line) const
{
    const qsizetype at = line.indexOf(separator_);
    return at < 0 ? QString() : line.mid(at + separator_.size());
}

} // namespace players
