// Every test program runs headless in one QApplication with the program's resources.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/application.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    platform::initApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
