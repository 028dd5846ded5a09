#include "widgets/message_box.h"

#include <QMessageBox>

namespace ulvane {

void ModalMessageBox::show(QWidget *parent, const QString &text)
{
#ifdef Q_OS_WASM
    // A nested event loop in the browser needs Asyncify, which makes the program a
    // quarter larger; an application-modal box blocks the student just the same.
    auto *box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Ulvane"), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
#else
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ulvane"), text, QMessageBox::Ok, parent);
    box.exec();
#endif
}

} // namespace ulvane
