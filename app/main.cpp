#include "app/program.h"
#include "widgets/fonts.h"
#include "widgets/message_box.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ulvane::installFontSubstitutions();

    ulvane::ModalMessageBox messages;
    ulvane::Program program(messages);
    program.start();
    return application.exec();
}
