#include "calc/influence.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

namespace ulvane {
namespace {

// E and Uдоп, the verdict, then E with each wire and the conclusion ("-" when unset).
std::string shown(const InfluenceResult &result)
{
    auto optional = [](std::optional<double> value) { return value ? NumberText(*value, '.') : "-"; };
    const char *const conclusions[] = {"70", "120", "unsuitable"};
    return NumberText(result.Emf, '.') + ' ' + std::to_string(result.PermissibleVoltage)
           + (result.Verdict == InfluenceVerdict::NormMet ? " norm " : " protect ") + optional(result.EmfWire120)
           + ' ' + optional(result.EmfWire70) + ' '
           + (result.Conclusion ? conclusions[static_cast<int>(*result.Conclusion)] : "-");
}

TEST(CalculateInfluence, ReproducesTheWorkedExamplesToEveryDigit)
{
    const struct { const char *name; InfluenceInputs inputs; const char *expected; } cases[] = {
        {"norm_met", {100, 1, 1, 1, 1}, "1733.85715830905 3800 norm - - -"},
        {"wire_70", {100, 0.5, 1, 1, 1}, "3865.61745359355 3800 protect 3285.77483555452 3479.05570823419 70"},
        {"wire_120", {100, 0.43, 1, 1, 1}, "4427.93687633062 3800 protect 3763.74634488103 3985.14318869756 120"},
        {"not_suitable", {100, 0.1, 1, 1, 1},
         "10546.1831992945 3800 protect 8964.25571940034 9491.56487936506 unsuitable"},
        {"smallest_admitted", {10, 5, 0.5, 1, 6}, "0.827371892211732 3500 norm - - -"},
        {"largest_admitted", {10000, 0.01, 5, 9.99, 2},
         "1603452.95751911 3500 protect 1362935.01389124 1443107.6617672 unsuitable"},
        {"cable_7", {100, 1, 1, 1, 7}, "371.540819637653 3500 norm - - -"},
        {"cable_14", {100, 1, 1, 1, 14}, "1610.01021842983 3600 norm - - -"},
        {"cable_16", {100, 1, 1, 1, 16}, "1312.77756271971 3400 norm - - -"},
        // Near Uдоп each EMF is compared as shown, rounded to 15 digits; the lengths put
        // one EMF a few units in the last place from 3800 V.
        {"emf_just_below", {100, 1, 2.1916453623584315, 1, 1}, "3800 3800 norm - - -"},
        {"emf_just_above", {100, 1, 2.1916453623584342, 1, 1}, "3800 3800 protect 3230 3420 70"},
        {"wire70_just_below", {100, 1, 2.4351615137315901, 1, 1}, "4222.22222222222 3800 protect 3588.88888888888 3800 120"},
        {"wire70_just_above", {100, 1, 2.4351615137315936, 1, 1}, "4222.22222222222 3800 protect 3588.88888888889 3800 120"},
        {"wire120_just_below", {100, 1, 2.578406308656978, 1, 1},
         "4470.58823529411 3800 protect 3800 4023.5294117647 unsuitable"},
        {"wire120_exactly", {100, 1, 2.5784063086569811, 1, 1},
         "4470.58823529412 3800 protect 3800 4023.52941176471 unsuitable"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(CalculateInfluence(c.inputs)), c.expected) << c.name;
}

TEST(InputsComplete, AnyZeroConditionIsMissing)
{
    EXPECT_TRUE(InputsComplete({100, 1, 1, 1, 1}));
    const InfluenceInputs missing[] = {{0, 1, 1, 1, 1}, {100, 0, 1, 1, 1}, {100, 1, 0, 1, 1}, {100, 1, 1, 0, 1}};
    for (std::size_t box = 0; box < std::size(missing); ++box)
        EXPECT_FALSE(InputsComplete(missing[box])) << "box " << box + 1;
}

} // namespace
} // namespace ulvane
