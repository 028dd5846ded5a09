#include "widgets/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace ulvane {
namespace {

TEST(ModalMessageBox, ShowsTheSentenceWithOneOkButtonUnderTheProgramsName)
{
    QString seen;
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                           QString::number(box->buttons().size())}.join(u'|');
        box->buttons().front()->click();
    });
    ModalMessageBox().show(nullptr, QStringLiteral("Тест не пройден"));
    EXPECT_EQ(seen, QStringLiteral("Ulvane|Тест не пройден|0|1"));
}

} // namespace
} // namespace ulvane
