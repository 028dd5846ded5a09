#include "app/program.h"
#include "widgets/message_box.h"
#include "widgets/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ulvane::setUpApplication();

    ulvane::ModalMessageBox messages;
    ulvane::Program program(messages);
    program.start();
    return application.exec();
}
