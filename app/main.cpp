#include "app/program.h"
#include "platform/platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const auto platform = ulvane::startPlatform();
    ulvane::Program program(*platform);
    program.start();
    return application.exec();
}
