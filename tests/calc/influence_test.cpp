#include "calc/influence.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

namespace ulvane {
namespace {

std::string shown(std::optional<double> value)
{
    return value ? NumberText(*value, '.') : "-";
}

TEST(CalculateInfluence, ReproducesTheWorkedExamplesToEveryDigit)
{
    using enum InfluenceVerdict;
    using enum WireConclusion;
    const struct { const char *name; InfluenceInputs inputs; const char *emf; int permissibleVoltage;
                   InfluenceVerdict verdict; const char *emfWire120; const char *emfWire70;
                   std::optional<WireConclusion> conclusion; } cases[] = {
        {"norm_met", {100, 1, 1, 1, 1}, "1733.85715830905", 3800, NormMet, "-", "-", {}},
        {"wire_70", {100, 0.5, 1, 1, 1}, "3865.61745359355", 3800, ProtectionNeeded,
         "3285.77483555452", "3479.05570823419", SteelWire70},
        {"wire_120", {100, 0.43, 1, 1, 1}, "4427.93687633062", 3800, ProtectionNeeded,
         "3763.74634488103", "3985.14318869756", SteelWire120},
        {"not_suitable", {100, 0.1, 1, 1, 1}, "10546.1831992945", 3800, ProtectionNeeded,
         "8964.25571940034", "9491.56487936506", NotSuitable},
        {"smallest_admitted", {10, 5, 0.5, 1, 6}, "0.827371892211732", 3500, NormMet, "-", "-", {}},
        {"largest_admitted", {10000, 0.01, 5, 9.99, 2}, "1603452.95751911", 3500, ProtectionNeeded,
         "1362935.01389124", "1443107.6617672", NotSuitable},
        {"cable_7", {100, 1, 1, 1, 7}, "371.540819637653", 3500, NormMet, "-", "-", {}},
        {"cable_14", {100, 1, 1, 1, 14}, "1610.01021842983", 3600, NormMet, "-", "-", {}},
        {"cable_16", {100, 1, 1, 1, 16}, "1312.77756271971", 3400, NormMet, "-", "-", {}},
        // Near Uдоп each EMF is compared as shown, rounded to 15 digits; the lengths put
        // one EMF a few units in the last place from 3800 V.
        {"emf_just_below", {100, 1, 2.1916453623584315, 1, 1}, "3800", 3800, NormMet, "-", "-", {}},
        {"emf_just_above", {100, 1, 2.1916453623584342, 1, 1}, "3800", 3800, ProtectionNeeded,
         "3230", "3420", SteelWire70},
        {"wire70_just_below", {100, 1, 2.4351615137315901, 1, 1}, "4222.22222222222", 3800,
         ProtectionNeeded, "3588.88888888888", "3800", SteelWire120},
        {"wire70_just_above", {100, 1, 2.4351615137315936, 1, 1}, "4222.22222222222", 3800,
         ProtectionNeeded, "3588.88888888889", "3800", SteelWire120},
        {"wire120_just_below", {100, 1, 2.578406308656978, 1, 1}, "4470.58823529411", 3800,
         ProtectionNeeded, "3800", "4023.5294117647", NotSuitable},
        {"wire120_exactly", {100, 1, 2.5784063086569811, 1, 1}, "4470.58823529412", 3800,
         ProtectionNeeded, "3800", "4023.52941176471", NotSuitable},
    };
    for (const auto &c : cases) {
        const InfluenceResult result = CalculateInfluence(c.inputs);
        EXPECT_EQ(NumberText(result.Emf, '.'), c.emf) << c.name;
        EXPECT_EQ(result.PermissibleVoltage, c.permissibleVoltage) << c.name;
        EXPECT_EQ(result.Verdict, c.verdict) << c.name;
        EXPECT_EQ(shown(result.EmfWire120), c.emfWire120) << c.name;
        EXPECT_EQ(shown(result.EmfWire70), c.emfWire70) << c.name;
        EXPECT_EQ(result.Conclusion, c.conclusion) << c.name;
    }
}

TEST(InputsComplete, AnyZeroConditionIsMissing)
{
    EXPECT_TRUE(InputsComplete({100, 1, 1, 1, 1}));
    EXPECT_FALSE(InputsComplete({0, 1, 1, 1, 1}));
    EXPECT_FALSE(InputsComplete({100, 0, 1, 1, 1}));
    EXPECT_FALSE(InputsComplete({100, 1, 0, 1, 1}));
    EXPECT_FALSE(InputsComplete({100, 1, 1, 0, 1}));
}

} // namespace
} // namespace ulvane
