// The files the program rewrites whole, on a disk that takes only part of the new contents
// (full, or under a size limit): the old file stays byte for byte, no stray file is left, and
// the failure is told as a failed save is told.
#include "players_fixture.h"
#include "score_fixture.h"

#include "players/form_score.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <functional>
#include <optional>

namespace {

using platform::form;

class WholeFileTest : public players_test::PlayersTest {
protected:
    void SetUp() override
    {
        PlayersTest::SetUp();
        platform::setProgramFolderOverride(path(QString()));
        onModal = [this](platform::Form& f) {
            if (auto* s = dynamic_cast<players::Form_score*>(&f)) {
                tablesShown << score_test::shortRows(s->lstScores).value(s->lstScores.listIndex());
                s->Label_quitter.userClick();
            }
        };
    }
    void TearDown() override
    {
        platform::setProgramFolderOverride(std::nullopt);
        PlayersTest::TearDown();
    }

    // Every file of the folder but the player database, with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> out;
        const QDir dir(path(QString()));
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
            if (!name.startsWith(QLatin1String("JOUEURS.MDB")))
                out.insert(name, score_test::readBytes(dir.filePath(name)));
        }
        return out;
    }

    QStringList tablesShown;  // the selected row of each score table shown
};

TEST_F(WholeFileTest, AWriteThatFailsPartWayLeavesTheOldFileAndIsTold)
{
    const QByteArray tenScores = score_test::scoreFileBytes(
        {QStringLiteral("Max\t190"), QStringLiteral("Léa\t180"), QStringLiteral("Tom\t170"),
         QStringLiteral("Ana\t160"), QStringLiteral("Hugo\t150"), QStringLiteral("Inès\t140"),
         QStringLiteral("Paul\t130"), QStringLiteral("Noé\t120"), QStringLiteral("Lou\t110"),
         QStringLiteral("Eva\t100")});
    struct Case {
        const char* what;
        const char* file;
        std::optional<QByteArray> before;  // nothing: no file
        const char* language;
        std::function<void()> act;         // what writes the file, under the limit
        const char* message;               // what the player is told; null: nothing
    };
    const auto scoredRun = [] { players::entrer_score(QStringLiteral("pp"), QStringLiteral("Zoé"), QStringLiteral("185")); };
    const auto quit = [this] { playerScreen().Label_quitter.userClick(); };
    const Case cases[] = {
        {"a ranking score in a table of ten", "Scores_pp.tvo", tenScores, "francais", scoredRun,
         "Le score n'a pas pu être enregistré.\n\nLe fichier ne peut pas être écrit."},
        {"the same in Spanish", "Scores_pp.tvo", tenScores, "espagnol", scoredRun,
         "No se ha podido guardar el tanteo.\n\nNo se puede escribir el archivo."},
        {"the default table of a missing file", "Scores_pp.tvo", std::nullopt, "anglais", scoredRun,
         "The score could not be saved.\n\nThe file cannot be written."},
        {"the language at Quitter", "langue.tvo", QByteArray("2\r\n"), "anglais", quit, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        for (const QString& name : QDir(path(QString())).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(path(name));
        const QString file = path(QString::fromLatin1(c.file));
        if (c.before)
            players_test::writeBytes(file, *c.before);
        const QString lang = QString::fromLatin1(c.language);
        media::setLanguageSource([lang] { return lang; });
        form<media::Form_traduction>().Command_langue.click();
        if (QString::fromLatin1(c.file) == QLatin1String("langue.tvo"))
            playerScreen().Image_langue.userClick();  // English becomes Spanish: "3" to write
        const QMap<QString, QByteArray> before = files();
        screens.messages.clear();
        tablesShown.clear();

        testing_support::LogCapture log;
        {
            testing_support::FileSizeLimit limit(1);
            if (!limit.ok())
                GTEST_SKIP() << "no file-size limit can be set here, so a disk that fills up cannot be tried";
            c.act();
        }

        EXPECT_EQ(files(), before) << "the old file stays as it was, and nothing else is left beside it";
        if (c.message) {
            ASSERT_EQ(screens.messages.size(), 1) << screens.messages.join(" / ").toStdString();
            EXPECT_EQ(screens.messages[0], QString::fromUtf8(c.message));
            ASSERT_EQ(tablesShown.size(), 1);
            EXPECT_TRUE(tablesShown[0].endsWith(QStringLiteral(". Zoé|185"))) << "the player still sees the score";
        } else {
            EXPECT_TRUE(screens.messages.isEmpty()) << screens.messages.join(" / ").toStdString();
        }
        const QStringList logged = log.lines.filter(file);
        ASSERT_FALSE(logged.isEmpty()) << log.lines.join(" / ").toStdString();
        EXPECT_TRUE(logged[0].contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << logged[0].toStdString();
    }
}

} // namespace
