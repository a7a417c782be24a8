#pragma once
// Shared by the high-score tests: a program folder of their own for the score files, score
// files written and read from outside the program, and the rows of a list in short form.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/resources.h"
#include "players/form_options.h"
#include "players/form_score.h"
#include "players/high_score_list.h"
#include "support/test_support.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace score_test {

using players::HighScoreList;

// A score file as the program writes it: each entry scrambled, each line ended by CR LF.
inline QByteArray scoreFileBytes(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries)
        bytes += HighScoreList::ScrambleText(entry).toLatin1() + "\r\n";
    return bytes;
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The entries a score file holds, unscrambled, blanks after the names removed:
// "Zoé|412".
inline QStringList entriesOnDisk(const QString& path)
{
    QStringList out;
    const QByteArray bytes = readBytes(path);
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = HighScoreList::ScrambleText(QString::fromLatin1(line));
        const int tab = text.indexOf(QLatin1Char('\t'));
        out << (tab < 0 ? text : text.left(tab).trimmed() + QLatin1Char('|') + text.mid(tab + 1));
    }
    return out;
}

// A row of a list box in short form: "3. Zoé|412".
inline QString shortRow(const QString& row)
{
    const int tab = row.indexOf(QLatin1Char('\t'));
    return tab < 0 ? row : row.left(tab).trimmed() + QLatin1Char('|') + row.mid(tab + 1);
}

inline QStringList shortRows(const platform::ListBox& list)
{
    QStringList out;
    for (int i = 0; i < list.listCount(); ++i)
        out << shortRow(list.list(i));
    return out;
}

// Ten default entries, as the rows of a list show them.
inline QStringList defaultRows(int count = 10)
{
    QStringList out;
    for (int k = 1; k <= count; ++k)
        out << QStringLiteral("%1. *****************|-100").arg(k);
    return out;
}

class ScoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        platform::setProgramFolderOverride(dir_.path());
    }

    void TearDown() override
    {
        testing_support::unloadAll();
        testing_support::processEvents();
        platform::setProgramFolderOverride(std::nullopt);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // A list box of the score screen, emptied, for a table of the test's own.
    static platform::ListBox& emptyList()
    {
        platform::ListBox& list = platform::form<players::Form_score>().lstScores;
        list.clear();
        return list;
    }

    // A table of ten entries on the given file, filled into an empty list.
    static void fill(HighScoreList& table, const QString& file)
    {
        table.SetListCount(10);
        table.FileName(file);
        table.FillScoreList(emptyList());
    }

    testing_support::ScreenTest screens;

private:
    QTemporaryDir dir_;
};

} // namespace score_test
