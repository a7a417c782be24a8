// The score screen: the file of the game named in Form_options.Label_jeu, the hand-over of a
// game at the end of a scored run, closing, and a failed write told to the player once.
#include "players/score_fixture.h"

#include "media/form_traduction.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>

namespace {

using namespace score_test;
using platform::form;
using platform::loaded;
using players::Form_score;

class ScoreScreen : public ScoreTest {
protected:
    void SetUp() override
    {
        ScoreTest::SetUp();
        platform::setModalHook([this](platform::Form& f) {
            if (auto* s = dynamic_cast<Form_score*>(&f)) {
                ++shownModal;
                rowsShown = shortRows(s->lstScores);
                selected = s->lstScores.listIndex();
                if (onScoreScreen)
                    onScoreScreen(*s);
                else
                    s->Label_quitter.userClick();
            }
        });
    }
    void TearDown() override
    {
        media::setLanguageSource(nullptr);
        ScoreTest::TearDown();
    }

    int shownModal = 0;
    QStringList rowsShown;
    int selected = -2;
    std::function<void(Form_score&)> onScoreScreen;
};

TEST_F(ScoreScreen, ItsLoadReadsTheFileOfTheGameNamedInTheDurationDialog)
{
    const std::pair<const char*, const char*> games[] = {
        {"pn", "Scores_pn.tvo"}, {"pp", "Scores_pp.tvo"},   {"pp2", "Scores_pp2.tvo"}, {"pp3", "Scores_pp3.tvo"},
        {"nn", "Scores_nn.tvo"}, {"nn2", "Scores_nn2.tvo"}, {"PP", "Scores.tvo"},      {"", "Scores.tvo"},
    };
    for (const auto& [code, file] : games) {
        SCOPED_TRACE(code);
        // Each file holds its own name as the first entry.
        writeBytes(path(QString::fromLatin1(file)),
                   scoreFileBytes(QStringList{QString::fromLatin1(file).section('.', 0, 0).remove('_') +
                                              QStringLiteral("\t9")} +
                                  QStringList(9, QStringLiteral("Ana\t1"))));
        form<players::Form_options>().Label_jeu.setCaption(QString::fromLatin1(code));
        Form_score& s = form<Form_score>();
        EXPECT_EQ(s.scores()->scoreFile(), path(QString::fromLatin1(file)));
        EXPECT_EQ(s.lstScores.listCount(), 10);
        EXPECT_EQ(shortRow(s.lstScores.list(0)),
                  QStringLiteral("1. ") + QString::fromLatin1(file).section('.', 0, 0).remove('_') + "|9");
        EXPECT_EQ(s.Label_affiche.caption(), form<media::Form_traduction>().score.caption());
        EXPECT_EQ(s.Label_quitter.caption(), form<media::Form_traduction>().fermer.caption());
        platform::unload(s);
    }
    EXPECT_TRUE(screens.messages.isEmpty());
}

TEST_F(ScoreScreen, AHandOverEntersTheScoreShowsItSelectedAndTheNextShowingReadsItBack)
{
    players::entrer_score(QStringLiteral("pp2"), QStringLiteral("Zoé"), QStringLiteral("37"));
    EXPECT_EQ(form<players::Form_options>().Label_jeu.caption(), "pp2") << "the game names itself";
    EXPECT_EQ(shownModal, 1);
    EXPECT_EQ(rowsShown.value(0), "1. Zoé|37");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(loaded<Form_score>(), nullptr) << "Fermer unloads the screen";
    EXPECT_EQ(entriesOnDisk(path(QStringLiteral("Scores_pp2.tvo"))).value(0), "Zoé|37");

    // The next score, on the same game: below the first, read back from the file.
    players::entrer_score(QStringLiteral("pp2"), QStringLiteral("Léa"), QStringLiteral("12 points"));
    EXPECT_EQ(rowsShown.mid(0, 3), (QStringList{"1. Zoé|37", "2. Léa|12", "3. *****************|-100"}));
    EXPECT_EQ(selected, 1);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Scores_pp.tvo")))) << "another game's file is untouched";
    EXPECT_TRUE(screens.messages.isEmpty());
}

// A score that ranks nowhere selects no row: a lit first row would tell the child it came first.
TEST_F(ScoreScreen, ARefusedScoreSelectsNoRow)
{
    // The desktop activates the screen and gives the keyboard to its first control.
    onScoreScreen = [this](Form_score& s) {
        s.activateWindow();
        QCoreApplication::processEvents();
        selected = s.lstScores.listIndex();
        s.Label_quitter.userClick();
    };
    players::entrer_score(QStringLiteral("pp"), QStringLiteral("Zoé"), QStringLiteral("-210"));
    EXPECT_EQ(shownModal, 1);
    EXPECT_EQ(rowsShown.value(0), "1. *****************|-100");
    EXPECT_EQ(selected, -1);
}

TEST_F(ScoreScreen, EnterTheCloseLabelAndTheDesktopCloseAllCloseIt)
{
    const std::pair<const char*, std::function<void(Form_score&)>> ways[] = {
        {"Enter", [](Form_score& s) { s.deliverKeyDown(13, 0, &s.lstScores); }},
        {"Fermer", [](Form_score& s) { s.Label_quitter.userClick(); }},
        {"desktop close", [](Form_score& s) { s.close(); }},
    };
    for (const auto& [what, close] : ways) {
        SCOPED_TRACE(what);
        onScoreScreen = close;
        players::entrer_score(QStringLiteral("pn"), QStringLiteral("Zoé"), QStringLiteral("5"));
        testing_support::processEvents();
        EXPECT_EQ(loaded<Form_score>(), nullptr);
    }
    // Another key leaves it open.
    bool stillOpen = false;
    onScoreScreen = [&stillOpen](Form_score& s) {
        s.deliverKeyDown(65, 0, &s.lstScores);
        stillOpen = loaded<Form_score>() != nullptr && s.isVisible();
        s.Label_quitter.userClick();
    };
    players::entrer_score(QStringLiteral("pn"), QStringLiteral("Zoé"), QStringLiteral("5"));
    EXPECT_TRUE(stillOpen);
}

TEST_F(ScoreScreen, AHandOverWhileAnotherGamesTableIsOpenShowsItsOwnGamesTable)
{
    // A second game's scored run ends while the first one's table is still shown.
    onScoreScreen = [this](Form_score&) {
        onScoreScreen = nullptr;
        players::entrer_score(QStringLiteral("nn"), QStringLiteral("Hugo"), QStringLiteral("80"));
    };
    players::entrer_score(QStringLiteral("pp"), QStringLiteral("Zoé"), QStringLiteral("50"));
    EXPECT_EQ(entriesOnDisk(path(QStringLiteral("Scores_pp.tvo"))).value(0), "Zoé|50");
    EXPECT_EQ(entriesOnDisk(path(QStringLiteral("Scores_nn.tvo"))).value(0), "Hugo|80");
    EXPECT_EQ(entriesOnDisk(path(QStringLiteral("Scores_pp.tvo"))).value(1), "*****************|-100");
}

TEST_F(ScoreScreen, AScoreThatCannotBeSavedIsToldOnceInThePlayersLanguage)
{
    struct Case {
        const char* language;
        const char* what;
        const char* file;                                // the score file of pp
        std::function<void(const QString& file)> make;  // its failure
        const char* text;                                // the whole message
    };
    const char* const inGone = "gone/Scores_pp.tvo";
    const char* const here = "Scores_pp.tvo";
    const auto goneFolder = [this](const QString&) { platform::setProgramFolderOverride(path(QStringLiteral("gone"))); };
    const auto folderInPlace = [](const QString& file) { ASSERT_TRUE(QDir().mkpath(file)); };
    const Case cases[] = {
        {"francais", "no folder", inGone, goneFolder, "Le score n'a pas pu être enregistré.\n\nLe fichier ne peut pas être écrit."},
        {"anglais", "no folder", inGone, goneFolder, "The score could not be saved.\n\nThe file cannot be written."},
        {"espagnol", "no folder", inGone, goneFolder, "No se ha podido guardar el tanteo.\n\nNo se puede escribir el archivo."},
        {"anglais", "a folder in its place", here, folderInPlace, "The score could not be saved.\n\nThe file cannot be read."},
        {"espagnol", "a folder in its place", here, folderInPlace, "No se ha podido guardar el tanteo.\n\nNo se puede leer el archivo."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + ", " + c.what);
        platform::setProgramFolderOverride(path(QString()));
        QDir(path(QStringLiteral("Scores_pp.tvo"))).removeRecursively();
        const QString lang = QString::fromLatin1(c.language);
        media::setLanguageSource([lang] { return lang; });
        form<media::Form_traduction>().Command_langue.click();
        const QString file = path(QString::fromLatin1(c.file));
        c.make(file);
        screens.messages.clear();
        testing_support::LogCapture log;
        players::entrer_score(QStringLiteral("pp"), QStringLiteral("Zoé"), QStringLiteral("42"));
        // Nothing technical in the box, all of it in the log.
        ASSERT_EQ(screens.messages.size(), 1) << screens.messages.join(" / ").toStdString();
        EXPECT_EQ(screens.messages[0], QString::fromUtf8(c.text));
        const QStringList logged = log.lines.filter(file);
        ASSERT_EQ(logged.size(), 1) << log.lines.join(" / ").toStdString();
        EXPECT_TRUE(logged[0].startsWith(file + QStringLiteral(": "))) << logged[0].toStdString();
        EXPECT_GT(logged[0].size(), file.size() + 2) << "with the system's reason";
        // The player still sees the score in the table.
        EXPECT_EQ(rowsShown.value(0), "1. Zoé|42");
    }
}

} // namespace
