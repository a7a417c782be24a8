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

// The score screen at the end of scored runs: each showing is kept (rows in short form,
// "1. Zoé|-40", the selected row and the title) and closed with "Fermer".  The score files go
// to a program folder of the test's own.
class ScoreScreens {
public:
    struct Showing {
        QStringList rows;
        int selected;
        QString title;
    };

    ScoreScreens()
    {
        platform::setProgramFolderOverride(folder_.path());
        platform::setModalHook([this](platform::Form& f) {
            if (auto* s = dynamic_cast<players::Form_score*>(&f)) {
                showings.push_back({score_test::shortRows(s->lstScores), s->lstScores.listIndex(),
                                    s->Label_affiche.caption()});
                s->Label_quitter.userClick();
            }
        });
    }
    ~ScoreScreens()
    {
        platform::setModalHook(nullptr);
        platform::setProgramFolderOverride(std::nullopt);
    }
    ScoreScreens(const ScoreScreens&) = delete;
    ScoreScreens& operator=(const ScoreScreens&) = delete;

    // The entries of a game's score file as the program wrote it ("Zoé|-40").
    QStringList entries(const QString& codeJeu) const
    {
        return score_test::entriesOnDisk(QDir(folder_.path()).filePath(QStringLiteral("Scores_%1.tvo").arg(codeJeu)));
    }

    QList<Showing> showings;

private:
    QTemporaryDir folder_;
};

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
