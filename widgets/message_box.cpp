#include "widgets/message_box.h"

#include <QMessageBox>

namespace ulvane {

void ModalMessageBox::show(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ulvane"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace ulvane
