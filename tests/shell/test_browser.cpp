// Finding the web browser.
#include <gtest/gtest.h>

#include "platform/shell.h"
#include "shell/browser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(BrowserLookup, ProgramOfACommand)
{
    struct Case {
        const char* command;
        const char* program;
    };
    const Case cases[] = {
        {"\"/opt/web browser/run\" --new-window %1", "/opt/web browser/run"},
        {"/usr/bin/firefox %u", "/usr/bin/firefox %u"},
        {"", ""},
        {"/usr/bin/a\"b\" c", "/usr/bin/a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::programOfCommand(QString::fromUtf8(c.command)), QString::fromUtf8(c.program)) << c.command;
}

TEST(BrowserStart, AProgramPathWithBlanksIsTakenWhole)
{
    QTemporaryDir place;
    ASSERT_TRUE(place.isValid());
    ASSERT_TRUE(QDir(place.path()).mkpath(QStringLiteral("web browser")));
    const QString program = place.filePath(QStringLiteral("web browser/run"));
    QFile f(program);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString site = QStringLiteral("https://www.tastevolo.example/");

    struct Case {
        const char* what;
        QString commandLine;
        QStringList expected;
    };
    const Case cases[] = {
        {"path with a blank, unquoted", program + u' ' + site, {program, site}},
        {"path with a blank, quoted", u'"' + program + u'"' + u' ' + site, {program, site}},
        {"path alone", program, {program}},
        {"a program of the PATH with arguments", QStringLiteral("sh -c \"exit 0\""),
         {QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("exit 0")}},
        {"nothing executable: split at blanks", QStringLiteral("/no such/browser %u"),
         {QStringLiteral("/no"), QStringLiteral("such/browser"), QStringLiteral("%u")}},
        {"empty", QString(), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::programAndArguments(c.commandLine), c.expected) << c.what;
}

class BrowserEnv : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldPath_ = qgetenv("PATH");
        oldBrowser_ = qgetenv("BROWSER");
        hadBrowser_ = qEnvironmentVariableIsSet("BROWSER");
    }
    void TearDown() override
    {
        qputenv("PATH", oldPath_);
        if (hadBrowser_)
            qputenv("BROWSER", oldBrowser_);
        else
            qunsetenv("BROWSER");
    }
    QByteArray oldPath_, oldBrowser_;
    bool hadBrowser_ = false;
};

TEST_F(BrowserEnv, VariableThenAlternativeThenNone)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString fake = bin.filePath("x-www-browser");
    QFile f(fake);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QTemporaryDir empty;

    struct Case {
        const char* what;
        const char* browser;  // nullptr: unset
        QString path;
        QString expected;
    };
    const Case cases[] = {
        {"variable set", "mybrowser:otherbrowser", bin.path(), "mybrowser"},
        {"variable with quotes", "\"/opt/my browser\" --x", bin.path(), "/opt/my browser"},
        {"alternative present", nullptr, bin.path(), fake},
        {"empty variable, alternative", "", bin.path(), fake},
        {"none", nullptr, empty.path(), ""},
    };
    for (const Case& c : cases) {
        if (c.browser)
            qputenv("BROWSER", c.browser);
        else
            qunsetenv("BROWSER");
        qputenv("PATH", c.path.toLocal8Bit());
        EXPECT_EQ(shell::lire_navigateur_defaut(), c.expected) << c.what;
    }
}

} // namespace
