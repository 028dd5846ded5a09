#include "support/student.h"

#include "widgets/twips.h"

#include <QApplication>
#include <QTimer>
#include <QToolButton>

namespace ulvane {
namespace {

class StartWindowTest : public StudentTest
{
protected:
    // The page of the start window the student is on, with the code as its box shows
    // it, or else the windows open; then what the platform has heard since the last
    // look: how the student came in once the workbook is open, and that the work is
    // finished once the last window closes.
    QString where()
    {
        settle();
        QStringList open;
        for (QWidget *topLevel : QApplication::topLevelWidgets()) {
            if (topLevel->isVisible())
                open.append(topLevel->objectName() + (topLevel->parentWidget() ? " owned" : ""));
        }
        const QString told = platform.take();
        return (open == QStringList{"Form1"} ? seen("Frame1 Frame2 Text1") : open.join(u' '))
               + (told.isEmpty() ? "" : ", told " + told);
    }
};

TEST_F(StartWindowTest, OnlyTheExactCodeSkipsTheTest)
{
    const struct { const char *name; const char *actions; const char *where; } cases[] = {
        {"start", "type Text1 R28", "Frame1 Text1 «***»"},
        {"empty", "click Command1", "Frame2"},
        {"lower_case_letter", "type Text1 r2864; click Command1", "Frame2"},
        {"one_digit_off", "type Text1 R2865; click Command1", "Frame2"},
        {"one_character_short", "type Text1 R286; click Command1", "Frame2"},
        {"leading_blank", "type Text1  R2864; click Command1", "Frame2"},
        {"exact", "type Text1 R2864; click Command1", "Form2, told in by code"},
        {"sixth_character_not_taken", "type Text1 R28649; click Command1", "Form2, told in by code"},
        {"enter_in_the_box_does_nothing", "type Text1 R2864; key Return; key Enter", "Frame1 Text1 «*****»"},
        {"space_on_the_focused_button", "type Text1 R2864; key Tab; key Space", "Form2, told in by code"},
        {"return_on_the_focused_button", "type Text1 R2864; key Tab; key Return", "Form2, told in by code"},
    };
    for (const auto &c : cases) {
        restart();
        act(QString::fromLatin1(c.actions));
        EXPECT_EQ(where() + messages.take(), c.where) << c.name;
    }

    // The test page opens with the focus on its first answer.
    restart();
    act("key Tab; key Space");
    const QWidget *focused = QApplication::focusWidget();
    EXPECT_EQ(focused ? focused->objectName() : QString(), "Check1");
}

TEST_F(StartWindowTest, PassesExactlyOnTheKeyIgnoringQuestionFive)
{
    std::vector<std::pair<QString, QStringList>> cases = {{"no_ticks", {}}};
    for (const QString &missing : AnswerKey) {
        QStringList ticked = AnswerKey;
        ticked.removeOne(missing);
        cases.push_back({"without_" + missing, ticked});
    }
    for (const char *extra : {"Check16", "Check5", "Check17", "Check19", "Check6", "Check7", "Check11"})
        cases.push_back({QStringLiteral("with_%1").arg(extra), QStringList(AnswerKey) << extra});
    for (const auto &[name, ticked] : cases) {
        restart();
        act("click Command1");
        tickExactly(ticked);
        act("click Command2");
        EXPECT_EQ(where() + ' ' + messages.take(), "Frame2 Тест не пройден") << name;
    }

    // After a failure nothing has moved; correcting the answers passes, question five
    // counts for nothing, and paging does not matter.
    restart();
    act("click Command1; click down; click down");
    tickExactly(QStringList(AnswerKey) << "Check17" << "Check12" << "Check14");
    act("click Command2");
    EXPECT_EQ(messages.take(), "Тест не пройден");
    EXPECT_EQ(find("Frame8")->y(), twips(6080));
    act("click Check17; click Command2");
    EXPECT_EQ(where() + messages.take(), "Form2, told in by test");
}

TEST_F(StartWindowTest, PagingMovesTheStripWithinItsBounds)
{
    const struct { int down; int up; int lastTop; } cases[] = {{0, 1, 7080}, {1, 0, 6580}, {6, 0, 4580}, {5, 1, 5080}, {6, 5, 7080}, {5, 0, 4580}};
    for (const auto &c : cases) {
        restart();
        act("click Command1" + QString("; click down").repeated(c.down) + QString("; click up").repeated(c.up));
        EXPECT_EQ(find("Frame8")->y(), twips(c.lastTop)) << c.down << " down, " << c.up << " up";
        EXPECT_EQ(find("Frame4")->y(), twips(360) + twips(c.lastTop) - twips(7080));
    }
    EXPECT_LE(find("Frame8")->geometry().bottom(), find("Frame3")->height());
    EXPECT_EQ(find<QToolButton>("up")->arrowType(), Qt::UpArrow);
    EXPECT_EQ(find<QToolButton>("down")->arrowType(), Qt::DownArrow);
}

// The event loop runs as in the program; exec() returns once no window is left, and
// the work is finished then, not at the hand-over.
TEST_F(StartWindowTest, ProgramEndsWhenTheLastWindowCloses)
{
    const struct { const char *actions; const char *where; } cases[] = {
        {"", ", told finished"},
        {"click Command1", ", told finished"},
        {"type Text1 R2864; click Command1", ", told in by code | finished"},
    };
    for (const auto &c : cases) {
        restart();
        QTimer::singleShot(0, [&] {
            act(QString::fromLatin1(c.actions));
            QTimer::singleShot(0, [&] { window()->close(); });
        });
        EXPECT_EQ(QApplication::exec(), 0) << c.actions;
        EXPECT_EQ(where(), c.where) << c.actions;
    }
    EXPECT_TRUE(openWindow("Form2"));
}

} // namespace
} // namespace ulvane
