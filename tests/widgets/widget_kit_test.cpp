#include "widgets/fonts.h"
#include "widgets/masked_box.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

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

// The right-click menu speaks Russian, and its actions edit a masked box as keys do.
TEST(MaskedBox, ContextMenuIsRussianAndWorks)
{
    MaskedBox box(QStringLiteral("#.##"));
    auto run = [&box](int action) {
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList captions;
        for (QAction *item : menu->actions())
            captions.append(item->text().section(u'\t', 0, 0).remove(u'&'));
        if (action >= 0)
            menu->actions().at(action)->trigger();
        return captions.join(u',');
    };
    EXPECT_EQ(run(-1), "Отменить действие,Повторить действие,,Вырезать,Копировать,Вставить,Удалить,,Выделить всё");
    QApplication::clipboard()->setText(QStringLiteral("725"));
    run(5);
    EXPECT_EQ(box.displayText(), "7.25");
    box.selectAll();
    run(6);
    EXPECT_EQ(box.displayText(), "*.**");
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
