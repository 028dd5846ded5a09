#include "random_student.h"

#include <gtest/gtest.h>

namespace ulvane {
namespace {

constexpr int ActionsPerSeed = 20000;

class RandomStudentTest : public testing::TestWithParam<std::uint32_t>
{
};

TEST_P(RandomStudentTest, KeepsEveryInvariant)
{
    RandomStudent student(GetParam());
    const std::string broken = student.run(ActionsPerSeed);
    EXPECT_TRUE(broken.empty()) << broken << "\n" << student.replayNote();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomStudentTest, testing::Values(1u, 2u, 3u, 4u, 20261206u),
                         testing::PrintToStringParamName());

} // namespace
} // namespace ulvane
