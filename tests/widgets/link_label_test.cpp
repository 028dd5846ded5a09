#include "widgets/fonts.h"
#include "widgets/link_label.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace ulvane {
namespace {

TEST(LinkLabel, ActsOnClicksOnlyWhileEnabledAndLeavesTheFocusAlone)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *input = new QLineEdit;
    auto *link = new LinkLabel(QStringLiteral("Вперед >>"), colours::LinkBlue, sansFont(12));
    layout->addWidget(input);
    layout->addWidget(link);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    input->setFocus();
    QSignalSpy clicked(link, &LinkLabel::clicked);

    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(QApplication::focusWidget(), input);

    link->setEnabled(false);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);

    link->setEnabled(true);
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

} // namespace
} // namespace ulvane
