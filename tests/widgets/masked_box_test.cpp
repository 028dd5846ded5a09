#include "calc/number_text.h"
#include "widgets/masked_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace ulvane {
namespace {

double reading(const MaskedBox &box)
{
    return ReadLeadingNumber(box.boxText().toStdString());
}

struct TypingCase {
    const char *name;
    const char *mask;
    int cursor;
    const char *keys;
    const char *shown;
    double read;
};

TEST(MaskedBox, ShowsPromptsAndReadsTheLeadingNumber)
{
    const TypingCase cases[] = {
        {"empty_five_digits", "#####", 0, "", "*****", 0},
        {"empty_with_point", "#.##", 0, "", "*.**", 0},
        {"whole_part_only", "#.##", 0, "5", "5.**", 5},
        {"point_is_skipped_over", "#.###", 0, "05", "0.5**", 0.5},
        {"typed_point_is_accepted", "#.###", 0, "0.5", "0.5**", 0.5},
        {"partly_filled", "#####", 0, "12", "12***", 12},
        {"unfilled_position_first", "#####", 2, "12", "**12*", 0},
        {"letters_and_signs_refused", "#.##", 0, "a-,5", "5.**", 5},
        {"two_digits_at_most", "##", 0, "123", "12", 12},
        {"full", "#.##", 0, "999", "9.99", 9.99},
    };
    for (const TypingCase &c : cases) {
        MaskedBox box(QString::fromLatin1(c.mask));
        box.setCursorPosition(c.cursor);
        QTest::keyClicks(&box, QString::fromLatin1(c.keys));
        EXPECT_EQ(box.boxText(), QString::fromLatin1(c.shown)) << c.name;
        EXPECT_EQ(reading(box), c.read) << c.name;
    }
}

// Whatever is pasted, the box keeps the form of its mask and reads as a number.
TEST(MaskedBox, PastedJunkKeepsTheMasksForm)
{
    const QString pastes[] = {
        QStringLiteral("abc"),   QStringLiteral("3,5"),  QStringLiteral("-12"),
        QString(10000, u'7'),    QStringLiteral("ρ=100"), QStringLiteral("🙂🙂1"),
        QStringLiteral("1.2.3"), QStringLiteral("\t4\n2"),
    };
    for (const char *mask : {"#####", "#.##", "#.###", "##"}) {
        for (const QString &paste : pastes) {
            MaskedBox box(QString::fromLatin1(mask));
            QApplication::clipboard()->setText(paste);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
            const QString text = box.boxText();
            ASSERT_EQ(text.size(), qsizetype(std::strlen(mask))) << mask << " " << paste.left(10).toStdString();
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (mask[i] == '#')
                    EXPECT_TRUE(QStringLiteral("0123456789*").contains(text[i])) << text.toStdString();
                else
                    EXPECT_EQ(text[i], QLatin1Char(mask[i])) << text.toStdString();
            }
            EXPECT_TRUE(std::isfinite(reading(box))) << text.toStdString();
        }
    }
}

TEST(MaskedBox, TakesTheTextsTheProgramSets)
{
    const std::pair<const char *, const char *> resets[] = {
        {"#####", "10000"}, {"#.##", "0.01"}, {"#.###", "0.500"}, {"#.##", "1.00"}};
    for (const auto &[mask, text] : resets) {
        MaskedBox box(QString::fromLatin1(mask));
        box.setText(QString::fromLatin1(text));
        EXPECT_EQ(box.boxText(), QString::fromLatin1(text));
    }
}

TEST(MaskedBox, ReportsFocusLeavingForAnotherControlOnly)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *box = new MaskedBox(QStringLiteral("#.##"));
    auto *next = new MaskedBox(QStringLiteral("#.##"));
    layout->addWidget(box);
    layout->addWidget(next);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy left(box, &MaskedBox::focusLeft);

    box->setFocus();
    QFocusEvent windowDeactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box, &windowDeactivated);
    EXPECT_EQ(left.count(), 0);

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
    EXPECT_EQ(left.count(), 1);

    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(left.count(), 2);
}

} // namespace
} // namespace ulvane
