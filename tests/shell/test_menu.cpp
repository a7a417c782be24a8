// The main menu: its pictures per language, the order pages, the taskbar, and a note player
// that cannot start.
#include <gtest/gtest.h>

#include "media/form_image.h"
#include "media/form_instrument.h"
#include "media/form_traduction.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_options.h"
#include "players/form_score.h"
#include "shell/form_piano.h"
#include "support/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

using platform::form;
using platform::loaded;

namespace {

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        platform::RecordingNoteSynth::installFactory();
        platform::setEffectPlayerFactory([] { return std::make_unique<platform::RecordingEffectPlayer>(); });
        platform::setOpenDocumentHook([this](const QString& f) { opened << f; });
    }
    void TearDown() override
    {
        testing_support::unloadAll();
        testing_support::processEvents();
        platform::setNoteSynthFactory(nullptr);
        platform::setEffectPlayerFactory(nullptr);
        platform::setOpenDocumentHook(nullptr);
        QDir::setCurrent(old_);
    }

    // A new player, logged in with the language of the file (1, 2, 3).
    shell::Form_piano* logIn(const char* languageDigit)
    {
        QFile f(QStringLiteral("langue.tvo"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(languageDigit) + "\r\n");
        f.close();
        form<players::Form_joueurs>().Command_nouveau.userClick();
        form<players::Form_nouveau_joueur>().Text_nom.setText(QStringLiteral("Léa"));
        form<players::Form_nouveau_joueur>().Command_save.userClick();
        testing_support::processEvents();
        form<players::Form_joueurs>().DBCombo1.pick(0);
        form<players::Form_joueurs>().Label_jouer.userClick();
        return loaded<shell::Form_piano>();
    }

    testing_support::ScreenTest screens;
    QTemporaryDir dir_;
    QString old_;
    QStringList opened;
};

TEST_F(MenuTest, GamePicturesAndOrderPageFollowTheLanguage)
{
    struct Case {
        const char* digit;
        bool english;
        QString page;
    };
    const Case cases[] = {{"1", false, "bon_de_commande.htm"}, {"2", true, "order.htm"}, {"3", false, "pedido.htm"}};
    const QPixmap frPp2 = platform::designPicture("Form_piano", "Image_pp2");
    const QPixmap usPp2 = platform::designPicture("Form_piano", "Image_pp2us");
    const QPixmap usPn = platform::designPicture("Form_piano", "Image_pnus");
    ASSERT_FALSE(frPp2.isNull());
    for (const Case& c : cases) {
        auto* menu = logIn(c.digit);
        ASSERT_NE(menu, nullptr) << c.digit;
        EXPECT_EQ(menu->Image_pp2.picture().cacheKey(), (c.english ? usPp2 : frPp2).cacheKey()) << c.digit;
        EXPECT_EQ(menu->Image_pn.picture().cacheKey() == usPn.cacheKey(), c.english) << c.digit;
        EXPECT_EQ(menu->Image_pp.picture().cacheKey(),
                  platform::designPicture("Form_piano", "Image_pp").cacheKey());
        opened.clear();
        menu->enveloppe.userClick();
        EXPECT_EQ(opened, QStringList{c.page}) << c.digit;
        testing_support::unloadAll();
        testing_support::processEvents();
    }
}

TEST_F(MenuTest, AnUnknownLanguageOpensNoOrderPage)
{
    auto* menu = logIn("1");
    ASSERT_NE(menu, nullptr);
    form<players::Form_joueurs>().Label_langue.setCaption(QStringLiteral("deutsch"));
    menu->enveloppe.userClick();
    EXPECT_TRUE(opened.isEmpty());
    menu->Label_aide.userClick();
    EXPECT_EQ(opened, QStringList{"aide.chm"});
}

TEST_F(MenuTest, TheEnvelopeLooksPressedWhileTheButtonIsDown)
{
    auto* menu = logIn("1");
    ASSERT_NE(menu, nullptr);
    const auto& store = form<media::Form_image>();
    EXPECT_EQ(menu->enveloppe.picture().cacheKey(), store.enveloppenoir.picture().cacheKey());
    menu->enveloppe.userMouseDown();
    EXPECT_EQ(menu->enveloppe.picture().cacheKey(), store.enveloppe.picture().cacheKey());
    menu->enveloppe.userMouseUp();
    EXPECT_EQ(menu->enveloppe.picture().cacheKey(), store.enveloppenoir.picture().cacheKey());
}

TEST_F(MenuTest, TheTaskbarGoesOnlyOnADisplayExactly800Wide)
{
    for (int width : {800, 1024}) {
        platform::setDisplaySizeOverride(QSize(width, 600));
        auto* menu = logIn("1");
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(platform::taskbarHidden(), width == 800) << width;
        EXPECT_EQ(menu->windowState(), width == 800 ? 2 : 0);
        // What to restore is what was done: a display widened meanwhile changes nothing.
        platform::setDisplaySizeOverride(QSize(1280, 1024));
        menu->Label_changer_utilisateur.userClick();
        EXPECT_FALSE(platform::taskbarHidden()) << width;
        testing_support::unloadAll();
        testing_support::processEvents();
    }
}

TEST_F(MenuTest, LeavingTheMenuUnloadsTheSettingsDialogsAndTheScoreScreen)
{
    QTemporaryDir programFolder;
    platform::setProgramFolderOverride(programFolder.path());
    for (bool quit : {false, true}) {
        SCOPED_TRACE(quit ? "Quitter" : "Changer d'utilisateur");
        auto* menu = logIn("1");
        ASSERT_NE(menu, nullptr);
        form<players::Form_options>();
        form<players::Form_score>();
        (quit ? menu->Label_quitter : menu->Label_changer_utilisateur).userClick();
        EXPECT_EQ(loaded<shell::Form_piano>(), nullptr);
        EXPECT_EQ(loaded<players::Form_options>(), nullptr);
        EXPECT_EQ(loaded<players::Form_score>(), nullptr);
        testing_support::unloadAll();
        testing_support::processEvents();
    }
    platform::setProgramFolderOverride(std::nullopt);
}

// The help and the order page open through xdg-open, here a stand-in of the test's own that
// ends with the given status; with "none" there is no opener on the PATH at all.
TEST_F(MenuTest, AHelpOrOrderPageThatCannotBeShownIsToldInThePlayersLanguage)
{
    QTemporaryDir bin;
    const QByteArray oldPath = qgetenv("PATH");
    struct Case {
        const char* what;
        const char* digit;
        bool help;           // the help button, else the envelope
        bool fileThere;      // aide.chm or the order page beside the program
        const char* opener;  // the stand-in's exit status, or "none"
        const char* told;    // "" for no message
    };
    const Case cases[] = {
        {"help shown", "1", true, true, "0", ""},
        {"no help file", "2", true, false, "0", "The help could not be opened. The file aide.chm or a program to show it may be missing."},
        {"no viewer", "1", true, true, "3",
         "L'aide n'a pas pu être ouverte. Il manque peut-être le fichier aide.chm ou un programme pour le lire."},
        {"no opener at all", "3", true, true, "none",
         "No se ha podido abrir la ayuda. Quizás falta el archivo aide.chm o un programa para mostrarlo."},
        {"no order page", "1", false, false, "0",
         "Le bon de commande n'a pas pu être ouvert. Il manque peut-être la page ou un navigateur web."},
        {"no browser", "3", false, true, "4",
         "No se ha podido abrir el formulario de pedido. Quizás falta la página o un navegador web."},
        {"order page shown", "2", false, true, "0", ""},
        // The viewer was on screen, then killed or closed with an error: the page was shown.
        {"help closed with an error after a while", "1", true, true, "4 after a while", ""},
        {"no viewer, found out slowly", "2", true, true, "3 after a while",
         "The help could not be opened. The file aide.chm or a program to show it may be missing."},
    };
    platform::setDocumentShownAfter(300);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* menu = logIn(c.digit);
        ASSERT_NE(menu, nullptr);
        platform::setOpenDocumentHook(nullptr);
        const QString file = c.help ? QStringLiteral("aide.chm")
                           : *c.digit == '2' ? QStringLiteral("order.htm")
                           : *c.digit == '3' ? QStringLiteral("pedido.htm") : QStringLiteral("bon_de_commande.htm");
        QFile::remove(file);
        if (c.fileThere) {
            QFile page(file);
            ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        }
        QFile::remove(bin.filePath(QStringLiteral("xdg-open")));
        QFile::remove(bin.filePath(QStringLiteral("xdg-open.ran")));
        if (QByteArray(c.opener) != "none") {
            QFile opener(bin.filePath(QStringLiteral("xdg-open")));
            ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
            const QByteArray status = QByteArray(c.opener).split(' ').first();
            const QByteArray wait = QByteArray(c.opener).contains("after") ? "/bin/sleep 0.5\n" : "";
            opener.write("#!/bin/sh\n" + wait + ": > \"$0.ran\"\nexit " + status + "\n");
            opener.close();
            opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(bin.path()));
        screens.messages.clear();
        testing_support::LogCapture log;
        if (c.help)
            menu->Label_aide.userClick();
        else
            menu->enveloppe.userClick();
        // The opener ends on its own time: wait for its word (a while after it ran, when it
        // says nothing).
        for (int i = 0, after = 0; i < 300 && screens.messages.isEmpty() && after < 20; ++i) {
            testing_support::processEvents();
            QThread::msleep(10);
            if (QFile::exists(bin.filePath(QStringLiteral("xdg-open.ran"))))
                ++after;
        }
        qputenv("PATH", oldPath);
        EXPECT_EQ(screens.messages, *c.told ? QStringList{QString::fromUtf8(c.told)} : QStringList());
        // Nothing technical for the player; the file and the reason go to the log.
        // (A viewer's own failing end is logged, not told.)
        const bool logged = *c.told || QByteArray(c.opener).contains("after");
        EXPECT_EQ(log.lines.filter(file).size(), logged ? 1 : 0) << log.lines.join(" / ").toStdString();
        testing_support::unloadAll();
        testing_support::processEvents();
        platform::setOpenDocumentHook([this](const QString& f) { opened << f; });
    }
    platform::setDocumentShownAfter(10000);
}

TEST_F(MenuTest, WithoutABrowserTheWebButtonSaysSoAndStartsNothing)
{
    auto* menu = logIn("1");
    ASSERT_NE(menu, nullptr);
    QStringList started;
    platform::setStartProgramHook([&](const QString& c) {
        started << c;
        return true;
    });
    menu->chemin_navigateur.clear();
    menu->Label_web.userClick();
    EXPECT_EQ(screens.messages,
              QStringList{"Le navigateur ne peut pas être trouvé. Veuillez le lancer depuis le menu Démarrer!"});
    EXPECT_TRUE(started.isEmpty());
    menu->chemin_navigateur = QStringLiteral("/usr/bin/browser");
    menu->Label_web.userClick();
    EXPECT_EQ(started, QStringList{"/usr/bin/browser https://www.tastevolo.example/"});
    platform::setStartProgramHook(nullptr);
}

TEST_F(MenuTest, ABrowserWhosePathHoldsBlanksIsStartedWithThePathWhole)
{
    // A browser in a folder with a blank, named in double quotes in BROWSER; it writes what
    // it was given into a file.
    QTemporaryDir place;
    ASSERT_TRUE(place.isValid());
    ASSERT_TRUE(QDir(place.path()).mkpath(QStringLiteral("web browser")));
    const QString program = place.filePath(QStringLiteral("web browser/run"));
    const QString given = place.filePath(QStringLiteral("given.txt"));
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + QFile::encodeName(given) + ".part\"\n"
                 "mv \"" + QFile::encodeName(given) + ".part\" \"" + QFile::encodeName(given) + "\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldBrowser = qgetenv("BROWSER");
    const bool hadBrowser = qEnvironmentVariableIsSet("BROWSER");
    qputenv("BROWSER", "\"" + QFile::encodeName(program) + "\" --new-window");

    auto* menu = logIn("1");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->chemin_navigateur, program);
    menu->Label_web.userClick();
    for (int waited = 0; waited < 5000 && !QFile::exists(given); waited += 20)
        QThread::msleep(20);
    QFile result(given);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly)) << "the browser was not started";
    EXPECT_EQ(result.readAll(), QByteArray("https://www.tastevolo.example/\n"));
    EXPECT_TRUE(screens.messages.isEmpty());

    if (hadBrowser)
        qputenv("BROWSER", oldBrowser);
    else
        qunsetenv("BROWSER");
}

// The browser named in BROWSER: missing, not executable, or a stand-in of the test's own that
// waits the given time and ends with the given status, in a folder whose name may hold a blank
// (then written in double quotes).
TEST_F(MenuTest, AWebSiteThatCannotBeShownIsToldInThePlayersLanguage)
{
    QTemporaryDir place;
    ASSERT_TRUE(place.isValid());
    ASSERT_TRUE(QDir(place.path()).mkpath(QStringLiteral("web browser")));
    const QByteArray oldBrowser = qgetenv("BROWSER");
    const bool hadBrowser = qEnvironmentVariableIsSet("BROWSER");
    struct Case {
        const char* what;
        const char* digit;
        const char* browser;  // "missing", "not executable", or "<seconds to wait> <status>"
        bool blank;           // the browser's folder name holds a blank
        const char* told;     // "" for no message
        const char* reason;   // in the log line, after the command; "" for no log line
        bool atOnce;          // told before the click returns
    };
    const char* const french =
        "Le site de Corvalent n'a pas pu être ouvert. Le navigateur web manque peut-être ou n'a pas pu démarrer.";
    const char* const english = "The Corvalent web site could not be opened. The web browser may be missing or could not start.";
    const char* const spanish =
        "No se ha podido abrir el sitio web de Corvalent. Quizás falta el navegador web o no ha podido arrancar.";
    const Case cases[] = {
        {"no such program", "1", "missing", false, french, "No such file or directory", true},
        {"no such program, quoted path with a blank", "3", "missing", true, spanish, "No such file or directory", true},
        {"not executable", "2", "not executable", false, english, "Permission denied", true},
        {"fails at once", "2", "0 3", false, english, "ended with status 3", false},
        {"fails at once, quoted path with a blank", "3", "0 3", true, spanish, "ended with status 3", false},
        {"fails soon, the menu waiting meanwhile", "1", "0.2 3", false, french, "ended with status 3", false},
        {"runs fine", "1", "0 0", false, "", "", false},
        {"runs fine, quoted path with a blank", "2", "0 0", true, "", "", false},
        // The browser showed the site a while, then was closed with an error: only logged.
        {"closed with an error after a while", "3", "0.6 1", false, "", "the program ended with status 1", false},
    };
    platform::setDocumentShownAfter(400);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString program =
            place.filePath(c.blank ? QStringLiteral("web browser/run") : QStringLiteral("run"));
        const QString ran = program + QStringLiteral(".ran");
        QFile::remove(program);
        QFile::remove(ran);
        const QByteArray browser(c.browser);
        if (browser != "missing") {
            QFile script(program);
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            const QList<QByteArray> waitAndStatus = browser.split(' ');
            script.write("#!/bin/sh\n/bin/sleep " + waitAndStatus.first() + "\n: > \"$0.ran\"\nexit " +
                         waitAndStatus.last() + "\n");
            script.close();
            if (browser != "not executable")
                script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray name = QFile::encodeName(program);
        qputenv("BROWSER", c.blank ? '"' + name + '"' : name);
        auto* menu = logIn(c.digit);
        ASSERT_NE(menu, nullptr);
        screens.messages.clear();
        testing_support::LogCapture log;
        QElapsedTimer click;
        click.start();
        menu->Label_web.userClick();
        // The menu goes on answering while the browser runs.
        EXPECT_LT(click.elapsed(), 150);
        EXPECT_EQ(screens.messages.size(), c.atOnce ? 1 : 0);
        // The browser ends on its own time: wait for its word (a while after it ran, when it
        // says nothing).
        for (int i = 0, after = 0; i < 300 && screens.messages.isEmpty() && after < 20; ++i) {
            testing_support::processEvents();
            QThread::msleep(10);
            if (QFile::exists(ran))
                ++after;
        }
        EXPECT_EQ(screens.messages, *c.told ? QStringList{QString::fromUtf8(c.told)} : QStringList());
        // The command and the system's reason go to the log.
        const QStringList lines = log.lines.filter(program);
        EXPECT_EQ(lines.size(), *c.reason ? 1 : 0) << log.lines.join(" / ").toStdString();
        for (const QString& line : lines) {
            EXPECT_TRUE(line.startsWith(program + QStringLiteral(" https://www.tastevolo.example/: "))) << line.toStdString();
            EXPECT_TRUE(line.contains(QString::fromUtf8(c.reason))) << line.toStdString();
        }
        testing_support::unloadAll();
        testing_support::processEvents();
    }
    platform::setDocumentShownAfter(10000);
    if (hadBrowser)
        qputenv("BROWSER", oldBrowser);
    else
        qunsetenv("BROWSER");
}

TEST_F(MenuTest, AMissingPianoFileEndsTheProgramCleanly)
{
    // The real synthesizer, and no piano.sgt in the current directory.
    platform::setNoteSynthFactory(nullptr);
    ASSERT_FALSE(QFile::exists(QStringLiteral("piano.sgt")));
    auto* menu = logIn("2");
    ASSERT_NE(menu, nullptr) << "the menu's load goes to its end";
    ASSERT_EQ(screens.messages.size(), 1);
    EXPECT_EQ(screens.messages.first(), form<media::Form_traduction>().Label_directx.caption());
    EXPECT_TRUE(screens.messages.first().startsWith("The sound could not be started"));
    testing_support::processEvents();
    EXPECT_EQ(loaded<shell::Form_piano>(), nullptr);
    EXPECT_EQ(loaded<players::Form_joueurs>(), nullptr);
    EXPECT_EQ(loaded<media::Form_instrument>(), nullptr);
    EXPECT_TRUE(platform::loadedForms().empty());
    EXPECT_GE(screens.programEnds, 1);
}

} // namespace
