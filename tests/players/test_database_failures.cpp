// A player database that cannot be used, or only read, and saves that fail.
#include "players_fixture.h"

#include "platform/vb.h"
#include "players/form_options.h"
#include "players/module2.h"
#include "shell/form_piano.h"
#include "shell/form_resolution.h"

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <string_view>

#include <sys/stat.h>

using platform::form;
using platform::loaded;
using store_test::Lock;
using store_test::OtherProgramLock;
using players::Form_joueurs;
using players::Form_nouveau_joueur;

namespace {

class DatabaseFailureTest : public players_test::PlayersTest {
protected:
    // A player "Anna" in the file, logged in on the player screen: the current record.
    platform::PlayerBookmark logInAnna()
    {
        const auto anna = addPlayer("Anna");
        screens.messages.clear();
        Form_joueurs& f = playerScreen();
        pick(f, "Anna");
        f.Label_jouer.userClick();
        EXPECT_EQ(form<Form_nouveau_joueur>().Data1.bookmark(), anna);
        return anna;
    }

    // The same, in a new run with no player file and the language of that langue.tvo ("" for
    // none: French).
    platform::PlayerBookmark logInAnnaAfresh(const char* languageFile)
    {
        restart();
        QFile::remove(dbPath());
        QFile::remove(path("langue.tvo"));
        if (*languageFile)
            players_test::writeBytes(path("langue.tvo"), languageFile);
        return logInAnna();
    }
};

TEST_F(DatabaseFailureTest, AFileThatCannotServeIsLeftAsItWasAndTheProgramStops)
{
    const char* const fr = "Le fichier des joueurs JOUEURS.MDB ne peut pas servir. Il n'a pas été modifié ; "
                           "Tastevolo va s'arrêter.\n\n";
    const char* const en = "The player file JOUEURS.MDB cannot be used. It was left as it was; Tastevolo will stop.\n\n";
    const char* const es = "El archivo de jugadores JOUEURS.MDB no se puede usar. No se ha modificado; Tastevolo se "
                           "va a cerrar.\n\n";
    const auto truncated = store_test::writeCutShortPlayerFile;
    const auto playerFile = [this](const QString&) { addPlayer("Anna"); };
    struct Case {
        const char* what;
        const char* languageFile;  // "" for none (French)
        std::function<void(const QString&)> make;
        QString message;  // the whole message, in the language of the start
        std::optional<Lock> heldBy = std::nullopt;  // another program's lock during the start
    };
    const Case cases[] = {
        {"not a database", "", [](const QString& p) { players_test::writeBytes(p, "Standard Jet DB\0\0 not ours"); },
         QString::fromUtf8(fr) + QStringLiteral("Ce fichier n'est pas un fichier de joueurs.")},
        {"the first half of a real one", "",
         [](const QString& p) {
             {
                 platform::PlayerStore store;
                 ASSERT_TRUE(store.open(p));
             }
             const QByteArray whole = players_test::fileBytes(p);
             players_test::writeBytes(p, whole.left(whole.size() / 2));
         },
         QString::fromUtf8(fr) + QStringLiteral("Le fichier est abîmé.")},
        {"no table tastevolo", "2\r\n", [](const QString& p) { players_test::execSql(p, "CREATE TABLE other (Nom TEXT)"); },
         QString::fromUtf8(en) + QStringLiteral("This is not a player file.")},
        {"a column missing", "3\r\n",
         [](const QString& p) {
             players_test::execSql(p, "CREATE TABLE tastevolo (Nom TEXT, password TEXT, sons1 TEXT, sons2 TEXT, "
                        "sons3 TEXT, sons4 TEXT, sons5 TEXT, sons6 TEXT, sons7 TEXT, sons8 TEXT, "
                        "duree TEXT, imgnotes TEXT, pp TEXT, pp2 TEXT, pp3 TEXT, pn TEXT, nn TEXT)");
         },
         QString::fromUtf8(es) + QStringLiteral("Este archivo no es un archivo de jugadores.")},
        {"a folder in its place", "2\r\n", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); },
         QString::fromUtf8(en) + QStringLiteral("This is not a player file.")},
        {"cut short", "", truncated, QString::fromUtf8(fr) + QStringLiteral("Le fichier est abîmé.")},
        {"cut short", "2\r\n", truncated, QString::fromUtf8(en) + QStringLiteral("The file is damaged.")},
        {"held by another program", "", playerFile,
         QString::fromUtf8(fr) + QStringLiteral("Le fichier est utilisé par un autre programme."), Lock::Exclusive},
        {"held by another program", "2\r\n", playerFile,
         QString::fromUtf8(en) + QStringLiteral("The file is in use by another program."), Lock::Exclusive},
        {"held by another program's commit", "3\r\n", playerFile,
         QString::fromUtf8(es) + QStringLiteral("Otro programa está usando el archivo."), Lock::Pending},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + c.languageFile);
        restart();
        QFile::remove(dbPath());
        QDir(dbPath()).removeRecursively();
        QFile::remove(path("langue.tvo"));
        if (*c.languageFile)
            players_test::writeBytes(path("langue.tvo"), c.languageFile);
        c.make(dbPath());
        const QByteArray before = players_test::fileBytes(dbPath());
        std::optional<OtherProgramLock> other;
        if (c.heldBy)
            other.emplace(dbPath(), *c.heldBy);
        screens.messages.clear();
        screens.programEnds = 0;
        // The player takes a few seconds to read the message: the screens' timers tick meanwhile
        // (the display check's among them), and the box's event loop runs what they post.
        platform::setMsgBoxHook([this](const QString& text, int, const QString&) {
            screens.messages << text;
            testing_support::advance(5000);
            testing_support::runMessageBoxLoop();
            return 1;
        });

        // The program starts as usual: the display check opens the player screen.
        testing_support::LogCapture log;
        QElapsedTimer clock;
        clock.start();
        platform::dispatch([] { form<shell::Form_resolution>(); });
        const qint64 waited = clock.elapsed();
        ASSERT_EQ(screens.messages.size(), 1);
        EXPECT_EQ(screens.messages[0], c.message) << "in the language of the start, nothing technical";
        // The file and SQLite's or the system's reason go to the log.
        EXPECT_EQ(log.lines.filter(dbPath()).size(), 1) << log.lines.join(" / ").toStdString();
        if (c.heldBy) {
            // The message comes within a fraction of a second (with room for a loaded machine),
            // and the log tells the lock, not a foreign file.
            EXPECT_LT(waited, 2500) << "ms";
            const QString line = log.lines.filter(dbPath()).value(0);
            EXPECT_TRUE(line.contains(u"database is locked")) << line.toStdString();
            EXPECT_FALSE(line.contains(u"not a player database")) << line.toStdString();
        }
        if (Form_joueurs* f = loaded<Form_joueurs>()) {
            EXPECT_FALSE(f->isVisible());
        }
        testing_support::processEvents();
        EXPECT_TRUE(platform::loadedForms().empty());
        EXPECT_EQ(screens.programEnds, 1);
        other.reset();
        EXPECT_EQ(players_test::fileBytes(dbPath()), before);
        EXPECT_TRUE(notices.isEmpty());
        if (c.heldBy) {
            // Once the other program is done, the next start is as usual.
            restart();
            screens.messages.clear();
            Form_joueurs& f = playerScreen();
            EXPECT_TRUE(screens.messages.isEmpty());
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(f.DBCombo1.listCount(), 1);
        }
    }
}

TEST_F(DatabaseFailureTest, AMissingFileIsCreatedWithTheEmptyTable)
{
    Form_joueurs& f = playerScreen();
    EXPECT_TRUE(screens.messages.isEmpty());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.DBCombo1.listCount(), 0);
    EXPECT_TRUE(QFile::exists(dbPath()));
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(DatabaseFailureTest, AReadOnlyFileLetsThePlayerInAndReportsTheFailedSave)
{
    const auto anna = addPlayer("Anna", "Secret");
    players_test::writeBytes(path("langue.tvo"), "2\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dbPath()).constData(), 0444), 0);
    const QByteArray before = players_test::fileBytes(dbPath());

    Form_joueurs& f = playerScreen();
    ASSERT_TRUE(screens.messages.isEmpty());
    pick(f, "Anna");
    f.Text_password_test.setText("Secret");
    f.Label_jouer.userClick();
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(form<Form_nouveau_joueur>().Data1.bookmark(), anna);

    form<players::Form_options>().Option7.setValue(true);
    form<players::Form_options>().Label_retour.userClick();
    ASSERT_EQ(screens.messages.size(), 1);
    EXPECT_EQ(screens.messages[0], "The player's data was not saved.\n\nThe file cannot be written.");
    EXPECT_FALSE(form<players::Form_options>().isVisible()) << "the program goes on";
    EXPECT_EQ(players_test::fileBytes(dbPath()), before);

    // A new player cannot be made either: the dialog says so and stays open.
    form<shell::Form_piano>().Label_changer_utilisateur.userClick();
    f.Command_nouveau.userClick();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    fiche.Text_nom.setText("Bob");
    fiche.Command_save.userClick();
    ASSERT_EQ(screens.messages.size(), 2);
    EXPECT_EQ(screens.messages[1], "The player's data was not saved.\n\nThe file cannot be written.");
    EXPECT_TRUE(fiche.isVisible());
    EXPECT_EQ(loaded<Form_joueurs>(), nullptr);
    fiche.Label_cancel.userClick();
    EXPECT_EQ(loaded<Form_joueurs>()->DBCombo1.listCount(), 1);
    EXPECT_EQ(players_test::fileBytes(dbPath()), before);
    ::chmod(QFile::encodeName(dbPath()).constData(), 0644);
}

TEST_F(DatabaseFailureTest, ASaveWhileAnotherProgramHoldsTheFileIsToldSoonAndTheNextSaveStoresIt)
{
    struct Case {
        Lock lock;
        const char* languageFile;  // "" for none (French)
        QString message;
    };
    const Case cases[] = {
        {Lock::Exclusive, "",
         QStringLiteral("Les données du joueur n'ont pas été enregistrées.\n\n"
                        "Le fichier est utilisé par un autre programme.")},
        {Lock::Reserved, "2\r\n",
         QStringLiteral("The player's data was not saved.\n\nThe file is in use by another program.")},
        {Lock::Pending, "3\r\n",
         QStringLiteral("Los datos del jugador no se han guardado.\n\nOtro programa está usando el archivo.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(store_test::lockName(c.lock));
        const auto anna = logInAnnaAfresh(c.languageFile);
        ASSERT_FALSE(HasFailure());
        const QByteArray before = players_test::fileBytes(dbPath());

        // The duration dialog closes while another program holds the file.
        auto other = std::make_optional<OtherProgramLock>(dbPath(), c.lock);
        testing_support::LogCapture log;
        QElapsedTimer clock;
        clock.start();
        form<players::Form_options>().Option7.setValue(true);
        form<players::Form_options>().Label_retour.userClick();
        EXPECT_LT(clock.elapsed(), 2000) << "ms: the screen is not held for seconds";
        ASSERT_EQ(screens.messages.size(), 1);
        EXPECT_EQ(screens.messages[0], c.message);
        ASSERT_EQ(log.lines.filter(dbPath()).size(), 1) << log.lines.join(" / ").toStdString();
        EXPECT_TRUE(log.lines.filter(dbPath())[0].contains(u"database is locked"));
        EXPECT_FALSE(form<players::Form_options>().isVisible()) << "the program goes on";
        other.reset();
        EXPECT_EQ(players_test::fileBytes(dbPath()), before);

        // The other program is done: the next close stores the choice.
        form<players::Form_options>().Label_retour.userClick();
        EXPECT_EQ(screens.messages.size(), 1);
        EXPECT_EQ(rowOf(anna).value(u"duree"), QStringLiteral("7"));
    }
}

// A setting closed as it was (the duration the player already has): there is nothing to write,
// but the row is looked up. When it cannot be, the player is told why as for any other save, and
// the log never speaks of a missing row that is there.
TEST_F(DatabaseFailureTest, ASaveWithNothingChangedTellsWhyTheFileCouldNotBeRead)
{
    // Makes the page holding the player rows unreadable, as a disk fault would, and counts the
    // change in the file's header so that a program that has the file open reads it again.
    const auto damageTheRows = [this] {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(dbPath()).constData(), &db), SQLITE_OK);
        sqlite3_stmt* stmt = nullptr;
        int rootPage = 0, pageSize = 0;
        if (sqlite3_prepare_v2(db,
                               "SELECT (SELECT rootpage FROM sqlite_master WHERE name = 'tastevolo'), page_size "
                               "FROM pragma_page_size",
                               -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW) {
            rootPage = sqlite3_column_int(stmt, 0);
            pageSize = sqlite3_column_int(stmt, 1);
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        ASSERT_GT(rootPage, 1);
        ASSERT_GT(pageSize, 0);
        QByteArray bytes = players_test::fileBytes(dbPath());
        const qsizetype page = qsizetype(rootPage - 1) * pageSize;
        ASSERT_GT(bytes.size(), page + 8);
        bytes[page] = char(0xff);  // no kind of b-tree page
        bytes[27] = char(bytes[27] + 1);  // the file change counter
        players_test::writeBytes(dbPath(), bytes);
    };
    struct Case {
        const char* what;
        const char* languageFile;  // "" for none (French)
        std::function<void(platform::PlayerBookmark)> meanwhile;  // done by another program
        std::optional<Lock> heldBy;  // another program's lock during the save
        QString message;             // "" when the save goes through
        const char* logged;          // in the log line, when told
    };
    const auto nothing = [](platform::PlayerBookmark) {};
    const Case cases[] = {
        {"held", "", nothing, Lock::Exclusive,
         QStringLiteral("Les données du joueur n'ont pas été enregistrées.\n\n"
                        "Le fichier est utilisé par un autre programme."),
         "database is locked"},
        {"held by a commit", "2\r\n", nothing, Lock::Pending,
         QStringLiteral("The player's data was not saved.\n\nThe file is in use by another program."),
         "database is locked"},
        // Others may still read the file: the row is there, and nothing is to be written.
        {"held, readable", "", nothing, Lock::Reserved, QString(), ""},
        {"damaged", "3\r\n", [&](platform::PlayerBookmark) { damageTheRows(); }, std::nullopt,
         QStringLiteral("Los datos del jugador no se han guardado.\n\nEl archivo está dañado."), "malformed"},
        {"the row deleted", "2\r\n",
         [this](platform::PlayerBookmark anna) {
             players_test::execSql(dbPath(), QStringLiteral("DELETE FROM tastevolo WHERE rowid = %1")
                                                  .arg(anna).toUtf8().constData());
         },
         std::nullopt, QStringLiteral("The player's data was not saved."), "there is no player row"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto anna = logInAnnaAfresh(c.languageFile);
        ASSERT_NE(anna, 0);
        const platform::PlayerRow stored = rowOf(anna);
        c.meanwhile(anna);
        const QByteArray before = players_test::fileBytes(dbPath());

        std::optional<OtherProgramLock> other;
        if (c.heldBy)
            other.emplace(dbPath(), *c.heldBy);
        testing_support::LogCapture log;
        form<players::Form_options>().Label_retour.userClick();
        other.reset();
        EXPECT_EQ(players_test::fileBytes(dbPath()), before) << "a save with nothing to write wrote";
        const QStringList lines = log.lines.filter(dbPath());
        if (c.message.isEmpty()) {
            EXPECT_TRUE(screens.messages.isEmpty()) << screens.messages.join(" / ").toStdString();
            EXPECT_TRUE(lines.isEmpty()) << lines.join(" / ").toStdString();
            EXPECT_EQ(rowOf(anna), stored);
            continue;
        }
        ASSERT_EQ(screens.messages.size(), 1);
        EXPECT_EQ(screens.messages[0], c.message);
        ASSERT_EQ(lines.size(), 1) << log.lines.join(" / ").toStdString();
        EXPECT_TRUE(lines[0].contains(QLatin1String(c.logged))) << lines[0].toStdString();
        EXPECT_TRUE(lines[0].contains(u"cannot be saved")) << lines[0].toStdString();
        if (std::string_view(c.logged) != "there is no player row") {
            EXPECT_FALSE(lines[0].contains(u"no player row")) << lines[0].toStdString();
        }
    }
}

// A setting stored while another program keeps writing the file: the wait lets the timers and
// queued work run, and what they do meanwhile neither writes the row a second time nor loses
// what is stored or still to be stored.
TEST_F(DatabaseFailureTest, WhatRunsWhileASaveWaitsNeitherWritesTwiceNorLosesAChange)
{
    struct Case {
        const char* name;
        std::function<void()> during;
        // The row's pp once the duration is stored, and the messages shown.
        const char* ppStored;
        int messages;
        bool programEnded;
    };
    const Case cases[] = {
        // A level passed as the clock or a MIDI note ran during the wait: that save is refused
        // and told, the new level is kept for the next save.
        {"a level passed",
         [] {
             form<Form_nouveau_joueur>().Label_pp.setCaption(QStringLiteral("2"));
             form<Form_nouveau_joueur>().Command_UpdateRecord.setValue(true);
         },
         "1", 1, false},
        // The screens unloaded and the file closed (the program ending) in the middle of the wait.
        {"the program ended",
         [] {
             testing_support::unloadAll();
             players::closePlayerDatabase();
         },
         "1", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        QFile::remove(dbPath());
        const auto anna = logInAnna();
        ASSERT_FALSE(HasFailure());

        bool ran = false;
        QTimer::singleShot(150, [&] {
            ran = true;
            c.during();
        });
        {
            store_test::OtherProgramWriting other(dbPath(), std::chrono::milliseconds(500),
                                                  std::chrono::milliseconds(0));
            form<players::Form_options>().Option7.setValue(true);
            form<players::Form_options>().Label_retour.userClick();
        }
        testing_support::processEvents();
        ASSERT_TRUE(ran) << "nothing ran during the wait";
        EXPECT_EQ(rowOf(anna).value(u"duree"), QStringLiteral("7"));
        EXPECT_EQ(rowOf(anna).value(u"pp"), QLatin1String(c.ppStored));
        ASSERT_EQ(screens.messages.size(), c.messages) << screens.messages.join(" / ").toStdString();
        if (c.messages > 0) {
            EXPECT_EQ(screens.messages[0], QStringLiteral("Les données du joueur n'ont pas été enregistrées.\n\n"
                                                          "Le fichier est utilisé par un autre programme."));
        }
        EXPECT_EQ(rows().size(), 1);
        if (c.programEnded) {
            EXPECT_EQ(loaded<Form_nouveau_joueur>(), nullptr);
            continue;
        }
        // The change kept is stored by the next save.
        EXPECT_EQ(form<Form_nouveau_joueur>().Label_pp.caption(), QStringLiteral("2"));
        form<Form_nouveau_joueur>().Command_UpdateRecord.setValue(true);
        EXPECT_EQ(rowOf(anna).value(u"pp"), QStringLiteral("2"));
        EXPECT_EQ(rowOf(anna).value(u"duree"), QStringLiteral("7"));
        EXPECT_EQ(screens.messages.size(), c.messages);
    }
}

TEST_F(DatabaseFailureTest, ASaveWithNoPlayerChosenWritesNothingAndSaysSo)
{
    const auto anna = addPlayer("Anna");
    const platform::PlayerRow before = rowOf(anna);
    playerScreen();
    Form_nouveau_joueur& fiche = form<Form_nouveau_joueur>();
    fiche.Label_duree.setCaption("9");
    players::enregistrer_bruitages();
    ASSERT_EQ(screens.messages.size(), 1);
    // No kind of file failure: the message alone.
    EXPECT_EQ(screens.messages[0], u"Les données du joueur n'ont pas été enregistrées.");
    EXPECT_EQ(rowOf(anna), before);
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(DatabaseFailureTest, TwoProgramsOnOneFileSeeEachOthersPlayers)
{
    addPlayer("Anna");
    Form_joueurs& f = playerScreen();
    pick(f, "Anna");
    f.Label_jouer.userClick();
    // Another program adds a player and stores progress meanwhile.
    addPlayer("Bob");
    form<Form_nouveau_joueur>().Label_pp.setCaption("2");
    form<Form_nouveau_joueur>().Command_UpdateRecord.setValue(true);
    EXPECT_TRUE(screens.messages.isEmpty());
    EXPECT_EQ(rows().size(), 2);
    form<shell::Form_piano>().Label_changer_utilisateur.userClick();
    f.Command_nouveau.userClick();
    form<Form_nouveau_joueur>().Label_cancel.userClick();
    EXPECT_EQ(loaded<Form_joueurs>()->DBCombo1.listCount(), 2);
}

} // namespace
