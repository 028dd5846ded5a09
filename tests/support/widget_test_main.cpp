#include "platform/platform.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Widget tests share one application set up as the program's; every test builds
// fresh windows. Offscreen unless told otherwise, also when ctest lists them.
int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto platform = ulvane::startPlatform();
    QLocale::setDefault(QLocale::c());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
