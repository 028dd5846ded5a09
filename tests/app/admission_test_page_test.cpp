#include "start_fixture.h"
#include "widgets/twips.h"

#include <QCheckBox>

#include <set>
#include <string>

namespace ulvane {
namespace {

const char *const TickedByKey[] = {"Check1", "Check2", "Check3", "Check15", "Check4",
                                   "Check18", "Check8", "Check9", "Check10"};
const char *const ClearByKey[] = {"Check16", "Check5", "Check17", "Check19",
                                  "Check6", "Check7", "Check11"};
const char *const Ungraded[] = {"Check12", "Check13", "Check14"};
const char *const QuestionFrames[] = {"Frame4", "Frame5", "Frame6", "Frame7", "Frame8"};

// Ticks exactly the boxes named, clearing the others.
void tickExactly(QWidget *window, const std::set<std::string> &ticked)
{
    for (int number = 1; number <= 19; ++number) {
        const std::string name = "Check" + std::to_string(number);
        student::find<QCheckBox>(window, name.c_str())->setChecked(ticked.count(name) > 0);
    }
}

class AdmissionTestPageTest : public StartTest
{
protected:
    void SetUp() override
    {
        StartTest::SetUp();
        click("Command1");
    }

    std::set<std::string> key() const { return {std::begin(TickedByKey), std::end(TickedByKey)}; }

    int frameTop(const char *frame) { return student::find(window, frame)->y(); }
};

TEST_F(AdmissionTestPageTest, PagingMovesTheStripByFiveHundredTwipsWithinItsBounds)
{
    std::vector<int> startTops;
    for (const char *frame : QuestionFrames)
        startTops.push_back(frameTop(frame));
    EXPECT_EQ(frameTop("Frame8"), twips(7080));

    click("up");
    EXPECT_EQ(frameTop("Frame8"), twips(7080)) << "7080 is not below 6800";

    const int tops[] = {6580, 6080, 5580, 5080, 4580};
    for (int top : tops) {
        click("down");
        EXPECT_EQ(frameTop("Frame8"), twips(top));
    }
    click("down");
    EXPECT_EQ(frameTop("Frame8"), twips(4580)) << "4580 is not above 5000";
    const QWidget *lastQuestion = student::find(window, "Frame8");
    EXPECT_LE(lastQuestion->geometry().bottom(), lastQuestion->parentWidget()->height());
    EXPECT_LT(student::find(window, "Frame4")->geometry().bottom(), 0);

    for (int i = 0; i < 5; ++i)
        click("up");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(frameTop(QuestionFrames[i]), startTops[static_cast<std::size_t>(i)]);
}

struct GradingCase {
    std::string name;
    std::set<std::string> ticked;
    bool passes;
};

TEST_F(AdmissionTestPageTest, PassesExactlyOnTheKeyIgnoringQuestionFive)
{
    std::vector<GradingCase> cases = {
        {"no_ticks", {}, false},
        {"exact_key", key(), true},
    };
    std::set<std::string> everything;
    for (int number = 1; number <= 19; ++number)
        everything.insert("Check" + std::to_string(number));
    cases.push_back({"every_box", everything, false});
    for (const char *missing : TickedByKey) {
        std::set<std::string> ticked = key();
        ticked.erase(missing);
        cases.push_back({std::string("without_") + missing, ticked, false});
    }
    for (const char *extra : ClearByKey) {
        std::set<std::string> ticked = key();
        ticked.insert(extra);
        cases.push_back({std::string("with_") + extra, ticked, false});
    }
    for (const char *ungraded : Ungraded) {
        std::set<std::string> ticked = key();
        ticked.insert(ungraded);
        cases.push_back({std::string("key_and_") + ungraded, ticked, true});
    }

    for (const GradingCase &c : cases) {
        Program grading(messages);
        grading.start();
        StartWindow *start = grading.startWindow();
        student::click(start, "Command1");
        tickExactly(start, c.ticked);
        student::click(start, "Command2");
        settle();
        EXPECT_EQ(grading.workbook() != nullptr, c.passes) << c.name;
        const QStringList expected = c.passes ? QStringList{} : QStringList{"Тест не пройден"};
        EXPECT_EQ(messages.takeMessages(), expected) << c.name;
    }
}

TEST_F(AdmissionTestPageTest, FailureChangesNothingAndCorrectingPasses)
{
    std::set<std::string> almost = key();
    almost.insert("Check17");
    tickExactly(window, almost);
    click("down");
    click("down");
    const int pagedTop = frameTop("Frame8");

    click("Command2");
    EXPECT_EQ(messages.takeMessages(), QStringList{"Тест не пройден"});
    EXPECT_EQ(frameTop("Frame8"), pagedTop);
    for (int number = 1; number <= 19; ++number) {
        const std::string name = "Check" + std::to_string(number);
        EXPECT_EQ(student::find<QCheckBox>(window, name.c_str())->isChecked(), almost.count(name) > 0)
            << name;
    }

    click("Check17");
    click("Command2");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(handedOver());
}

} // namespace
} // namespace ulvane
