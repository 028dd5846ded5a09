#include "support/student.h"

namespace ulvane {
namespace {

using ProgramEventsTest = StudentTest;

// The work is finished when the student closes the last window, not at the hand-over.
TEST_F(ProgramEventsTest, TellsThePlatformWhenTheWorkIsFinished)
{
    window()->close();
    EXPECT_EQ(platform.take(), "finished");

    restart();
    act("type Text1 R2864; click Command1");
    EXPECT_EQ(platform.take(), "");
    window()->close();
    EXPECT_EQ(platform.take(), "finished");
}

} // namespace
} // namespace ulvane
