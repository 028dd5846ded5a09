#include "widgets/fonts.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
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

// No text falls back to a font of other metrics or a smaller or larger size: each face
// the layout names is drawn in itself or its Liberation stand-in (on Windows the sans
// texts may ask for another face of the same metrics), at the size asked, with the
// Russian letters in it.
TEST(LayoutFont, DrawsRussianInTheNamedFaceOrItsStandIn)
{
    if (QFontDatabase::families().isEmpty())
        GTEST_SKIP() << "the platform offers no fonts";
    const std::pair<Typeface, QStringList> faces[] = {
        {Typeface::Sans, {"MS Sans Serif", "Liberation Sans", "Microsoft Sans Serif"}},
        {Typeface::Serif, {"Times New Roman", "Liberation Serif"}},
        {Typeface::Mono, {"Courier New", "Liberation Mono"}}};
    for (const auto &[face, families] : faces) {
        for (const double points : SansFontPoints) {
            const QFont font = layoutFont({face, points});
            const QFontInfo drawn(font);
            EXPECT_TRUE(families.contains(font.family())) << font.family().toStdString();
            EXPECT_TRUE(families.contains(drawn.family())) << drawn.family().toStdString();
            EXPECT_EQ(drawn.pixelSize(), font.pixelSize()) << drawn.family().toStdString() << " " << points;
            EXPECT_TRUE(QFontMetrics(font).inFontUcs4(U'Ж')) << drawn.family().toStdString() << " " << points;
        }
    }
}

} // namespace
} // namespace ulvane
