#include "support/student.h"

namespace ulvane {
namespace {

using ProgramEventsTest = StudentTest;

// The platform hears how the student came in once the workbook is open, whatever was
// typed or failed on the way; the work is finished when the student closes the last
// window, not at the hand-over.
TEST_F(ProgramEventsTest, TellsTheWayInAndWhenTheWorkIsFinished)
{
    window()->close();
    EXPECT_EQ(platform.take(), "finished");

    const struct { const char *name; const char *actions; bool passesTest; const char *told; } ways[] = {
        {"code", "type Text1 R2864; click Command1", false, "in by code"},
        {"wrong code, then the test", "type Text1 R2865; click Command1", true, "in by test"},
        {"the test failed first", "click Command1; click Command2", true, "in by test"},
    };
    for (const auto &way : ways) {
        restart();
        act(QString::fromUtf8(way.actions));
        if (way.passesTest) {
            EXPECT_EQ(platform.take(), "") << way.name;
            tickExactly(AnswerKey);
            act("click Command2");
        }
        EXPECT_EQ(platform.take(), way.told) << way.name;
        window()->close();
        EXPECT_EQ(platform.take(), "finished") << way.name;
    }
}

} // namespace
} // namespace ulvane
