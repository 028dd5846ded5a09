#include "start_fixture.h"

#include <QLineEdit>
#include <QTimer>

namespace ulvane {
namespace {

class StartWindowTest : public StartTest
{
protected:
    void typeCode(const QString &keys) { student::typeInto(window, "Text1", keys); }
};

TEST_F(StartWindowTest, StartsOnTheStartPageShowingStarsForTheCode)
{
    EXPECT_EQ(window->windowTitle(), "Ulvane");
    EXPECT_TRUE(visible("Frame1"));
    EXPECT_FALSE(visible("Frame2"));
    typeCode("r2");
    EXPECT_EQ(student::find<QLineEdit>(window, "Text1")->displayText(), "**");
}

struct GateCase {
    const char *name;
    const char *typed;
    bool handsOver;
};

TEST_F(StartWindowTest, OnlyTheExactCodeSkipsTheTest)
{
    const GateCase cases[] = {
        {"empty", "", false},
        {"lower_case_letter", "r2864", false},
        {"one_digit_off", "R2865", false},
        {"one_character_short", "R286", false},
        {"leading_blank", " R2864", false},
        {"exact", "R2864", true},
        {"sixth_character_not_taken", "R28649", true},
    };
    for (const GateCase &c : cases) {
        Program gateProgram(messages);
        gateProgram.start();
        QWidget *gate = gateProgram.startWindow();
        student::typeInto(gate, "Text1", QString::fromLatin1(c.typed));
        student::click(gate, "Command1");
        settle();
        EXPECT_EQ(gateProgram.workbook() != nullptr, c.handsOver) << c.name;
        EXPECT_EQ(gateProgram.startWindow() == nullptr, c.handsOver) << c.name;
        if (!c.handsOver) {
            EXPECT_FALSE(student::find(gate, "Frame1")->isVisible()) << c.name;
            EXPECT_TRUE(student::find(gate, "Frame2")->isVisible()) << c.name;
        }
        EXPECT_TRUE(messages.takeMessages().isEmpty()) << c.name;
    }
}

TEST_F(StartWindowTest, EnterInTheCodeBoxDoesNothing)
{
    typeCode("R2864");
    QTest::keyClick(student::find(window, "Text1"), Qt::Key_Return);
    settle();
    ASSERT_EQ(program.startWindow(), window);
    EXPECT_TRUE(visible("Frame1"));
    EXPECT_EQ(program.workbook(), nullptr);
}

TEST_F(StartWindowTest, HandOverLeavesOnlyTheWorkbookOpen)
{
    typeCode("R2864");
    click("Command1");
    ASSERT_TRUE(handedOver());
    QWidgetList open;
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->isVisible())
            open.append(topLevel);
    }
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), "Form2");
    EXPECT_EQ(open.front()->parentWidget(), nullptr);
}

// The event loop runs here as in the program: the steps are queued, then exec()
// returns once no window is left.
TEST_F(StartWindowTest, ProgramEndsOnlyWhenTheLastWindowCloses)
{
    bool workbookSeenOpen = false;
    QTimer::singleShot(0, window, [&] {
        typeCode("R2864");
        click("Command1");
        QTimer::singleShot(0, &program, [&] {
            workbookSeenOpen = program.workbook() && program.workbook()->isVisible();
            if (program.workbook())
                program.workbook()->close();
        });
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(workbookSeenOpen);
}

TEST_F(StartWindowTest, ClosingTheStartPageEndsTheProgram)
{
    QTimer::singleShot(0, window, [this] { window->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(program.workbook(), nullptr);
}

TEST_F(StartWindowTest, ClosingTheTestPageEndsTheProgram)
{
    click("Command1");
    QTimer::singleShot(0, window, [this] { window->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(program.workbook(), nullptr);
}

} // namespace
} // namespace ulvane
