#include "app/program.h"
#include "widgets/platform.h"
#include "widgets/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ulvane::setUpApplication();

    const auto messages = ulvane::makePlatformMessageBox();
    ulvane::Program program(*messages);
    program.start();
    return application.exec();
}
