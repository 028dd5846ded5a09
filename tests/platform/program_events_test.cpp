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

// Each result a study shows reaches the platform with its tab; a refused one does not.
TEST_F(ProgramEventsTest, PassesOnEachShownResult)
{
    openWorkbook(1);
    act("click Label79; click Label79");
    EXPECT_EQ(platform.take(), "");
    act("type MaskEdBox2 14; click Label79; click Label79");
    EXPECT_EQ(platform.take(), "result 1 of 2 | result 1 of 2");
    EXPECT_EQ(messages.take(), "Не задан радиус кабеля");
}

} // namespace
} // namespace ulvane
