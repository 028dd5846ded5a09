#include "widgets/fonts.h"
#include "widgets/message_box.h"
#include "workbook/workbook_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ulvane::installFontSubstitutions();

    ulvane::ModalMessageBox messages;
    ulvane::WorkbookWindow workbook(messages);
    workbook.show();
    return application.exec();
}
