// The start-up display check.
#include <gtest/gtest.h>

#include "platform/forms.h"
#include "platform/shell.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "shell/form_resolution.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>

using platform::form;
using platform::loaded;
using shell::Form_resolution;
using players::Form_joueurs;

namespace {

class ResolutionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        platform::setOpenDocumentHook([this](const QString& f) { opened << f; });
    }
    void TearDown() override
    {
        platform::setOpenDocumentHook(nullptr);
        QDir::setCurrent(old_);
    }
    QTemporaryDir dir_;
    QString old_;
    testing_support::ScreenTest screens;
    QStringList opened;
};

TEST_F(ResolutionTest, WidthDecidesAtLoad)
{
    struct Case {
        QSize display;
        bool passes;
    };
    const Case cases[] = {{{799, 600}, false}, {{800, 600}, true}, {{800, 480}, true}, {{1024, 768}, true}};
    for (const Case& c : cases) {
        platform::setDisplaySizeOverride(c.display);
        form<Form_resolution>();
        if (c.passes) {
            EXPECT_EQ(loaded<Form_resolution>(), nullptr) << c.display.width();
            ASSERT_NE(loaded<Form_joueurs>(), nullptr);
            EXPECT_TRUE(loaded<Form_joueurs>()->isVisible());
        } else {
            ASSERT_NE(loaded<Form_resolution>(), nullptr);
            EXPECT_TRUE(loaded<Form_resolution>()->isVisible());
            EXPECT_EQ(loaded<Form_joueurs>(), nullptr);
        }
        testing_support::unloadAll();
    }
}

TEST_F(ResolutionTest, WideningTheDisplayGoesOnWithinTwoSecondsWithoutAClick)
{
    platform::setDisplaySizeOverride(QSize(640, 480));
    form<Form_resolution>();
    testing_support::advance(2000);
    EXPECT_NE(loaded<Form_resolution>(), nullptr) << "still narrow: the warning stays";
    platform::setDisplaySizeOverride(QSize(800, 600));
    testing_support::advance(1999);
    EXPECT_NE(loaded<Form_resolution>(), nullptr);
    testing_support::advance(1);
    EXPECT_EQ(loaded<Form_resolution>(), nullptr);
    ASSERT_NE(loaded<Form_joueurs>(), nullptr);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ResolutionTest, OkOnANarrowDisplayOpensTheAdviceAndEndsTheProgram)
{
    platform::setDisplaySizeOverride(QSize(640, 480));
    form<Form_resolution>().Command1.userClick();
    EXPECT_EQ(opened, QStringList{"Change_res.txt"});
    EXPECT_EQ(loaded<Form_resolution>(), nullptr);
    EXPECT_EQ(loaded<Form_joueurs>(), nullptr);
    testing_support::processEvents();
    EXPECT_EQ(screens.programEnds, 1);
}

TEST_F(ResolutionTest, OkAfterWideningOpensThePlayerScreenAndNoFile)
{
    platform::setDisplaySizeOverride(QSize(640, 480));
    form<Form_resolution>();
    platform::setDisplaySizeOverride(QSize(1024, 768));
    form<Form_resolution>().Command1.userClick();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_NE(loaded<Form_joueurs>(), nullptr);
}

} // namespace
