#include "calc/influence.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ulvane {
namespace {

std::string shown(std::optional<double> value)
{
    return value ? NumberText(*value, '.') : "unset";
}

struct InfluenceCase {
    const char *name;
    InfluenceInputs inputs;
    const char *emf;
    int permissibleVoltage;
    InfluenceVerdict verdict;
    const char *emfWire120;
    const char *emfWire70;
    std::optional<WireConclusion> conclusion;
};

TEST(CalculateInfluence, ReproducesTheWorkedExamplesToEveryDigit)
{
    using enum InfluenceVerdict;
    using enum WireConclusion;
    const InfluenceCase cases[] = {
        {"norm_met", {100, 1, 1, 1, 1}, "1733.85715830905", 3800, NormMet, "unset", "unset",
         std::nullopt},
        {"wire_70", {100, 0.5, 1, 1, 1}, "3865.61745359355", 3800, ProtectionNeeded,
         "3285.77483555452", "3479.05570823419", SteelWire70},
        {"wire_120", {100, 0.43, 1, 1, 1}, "4427.93687633062", 3800, ProtectionNeeded,
         "3763.74634488103", "3985.14318869756", SteelWire120},
        {"not_suitable", {100, 0.1, 1, 1, 1}, "10546.1831992945", 3800, ProtectionNeeded,
         "8964.25571940034", "9491.56487936506", NotSuitable},
        {"smallest_admitted", {10, 5, 0.5, 1, 6}, "0.827371892211732", 3500, NormMet, "unset",
         "unset", std::nullopt},
        {"largest_admitted", {10000, 0.01, 5, 9.99, 2}, "1603452.95751911", 3500,
         ProtectionNeeded, "1362935.01389124", "1443107.6617672", NotSuitable},
    };
    for (const InfluenceCase &c : cases) {
        const InfluenceResult result = CalculateInfluence(c.inputs);
        EXPECT_EQ(NumberText(result.Emf, '.'), c.emf) << c.name;
        EXPECT_EQ(result.PermissibleVoltage, c.permissibleVoltage) << c.name;
        EXPECT_EQ(result.Verdict, c.verdict) << c.name;
        EXPECT_EQ(shown(result.EmfWire120), c.emfWire120) << c.name;
        EXPECT_EQ(shown(result.EmfWire70), c.emfWire70) << c.name;
        EXPECT_EQ(result.Conclusion, c.conclusion) << c.name;
    }
}

TEST(CalculateInfluence, TakesShieldingAndVoltageOfTheChosenCable)
{
    struct CableCase {
        int position;
        double shieldingFactor;
        int permissibleVoltage;
    };
    const CableCase cases[] = {{1, 0.7, 3800}, {7, 0.15, 3500}, {14, 0.65, 3600}, {16, 0.53, 3400}};
    const double unshieldedEmf = CalculateInfluence({100, 1, 1, 1, 1}).Emf / 0.7;
    for (const CableCase &c : cases) {
        const InfluenceResult result = CalculateInfluence({100, 1, 1, 1, c.position});
        EXPECT_EQ(result.PermissibleVoltage, c.permissibleVoltage) << c.position;
        EXPECT_DOUBLE_EQ(result.Emf, unshieldedEmf * c.shieldingFactor) << c.position;
    }
}

// Near Uдоп the wire EMFs are compared as the student sees them, rounded to 15
// digits: one that shows as "3800" is not below 3800, whichever side of it its double
// lies. The verdict itself compares E unrounded. Each length below is the double that
// puts one EMF within a few units in the last place of 3800 V.
struct BorderCase {
    const char *name;
    double approachLength;
    InfluenceVerdict verdict;
    std::optional<WireConclusion> conclusion;
};

TEST(CalculateInfluence, ComparesTheWireEmfAsShown)
{
    using enum InfluenceVerdict;
    using enum WireConclusion;
    // ρ = 100, a = 1, Iкз = 1, cable 1; L picks the EMF.
    const BorderCase cases[] = {
        {"emf_3799.9999999999955", 2.1916453623584315, NormMet, std::nullopt},
        {"emf_3800.0000000000005", 2.1916453623584342, ProtectionNeeded, SteelWire70},
        {"wire70_3799.9999999999955", 2.4351615137315901, ProtectionNeeded, SteelWire120},
        {"wire70_3800.0000000000014", 2.4351615137315936, ProtectionNeeded, SteelWire120},
        {"wire120_3799.9999999999955", 2.578406308656978, ProtectionNeeded, NotSuitable},
        {"wire120_exactly_3800", 2.5784063086569811, ProtectionNeeded, NotSuitable},
    };
    for (const BorderCase &c : cases) {
        const InfluenceResult result = CalculateInfluence({100, 1, c.approachLength, 1, 1});
        EXPECT_EQ(result.Verdict, c.verdict) << c.name;
        EXPECT_EQ(result.Conclusion, c.conclusion) << c.name;
    }
}

struct RangeCase {
    const char *name;
    InfluenceInput input;
    double value;
    bool admitted;
};

TEST(InfluenceInputRange, BothBoundsBelongToTheRange)
{
    using enum InfluenceInput;
    const RangeCase cases[] = {
        {"resistivity_9", SoilResistivity, 9, false},
        {"resistivity_10", SoilResistivity, 10, true},
        {"resistivity_10000", SoilResistivity, 10000, true},
        {"resistivity_10001", SoilResistivity, 10001, false},
        {"width_empty", ApproachWidth, 0, false},
        {"width_0.01_as_read", ApproachWidth, ReadLeadingNumber("0.01"), true},
        {"width_5.00", ApproachWidth, ReadLeadingNumber("5.00"), true},
        {"width_5.01", ApproachWidth, 5.01, false},
        {"length_0.499", ApproachLength, 0.499, false},
        {"length_0.5", ApproachLength, 0.5, true},
        {"length_5", ApproachLength, 5, true},
        {"length_5.001", ApproachLength, 5.001, false},
        {"current_0.99", ShortCircuitCurrent, 0.99, false},
        {"current_1", ShortCircuitCurrent, 1, true},
        {"current_9.99", ShortCircuitCurrent, 9.99, true},
    };
    for (const RangeCase &c : cases)
        EXPECT_EQ(InfluenceInputRange(c.input).admits(c.value), c.admitted) << c.name;
}

TEST(InfluenceInputRange, ResetTextsLieInsideTheirRanges)
{
    using enum InfluenceInput;
    for (InfluenceInput input : {SoilResistivity, ApproachWidth, ApproachLength, ShortCircuitCurrent}) {
        const InputRange &range = InfluenceInputRange(input);
        EXPECT_TRUE(range.admits(ReadLeadingNumber(range.ResetText))) << range.ResetText;
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

TEST(ConclusionText, GivesTheResultPageSentences)
{
    EXPECT_EQ(ConclusionText(WireConclusion::SteelWire70),
              "Вывод: используем стальной тросс сечением 70 кв.мм");
    EXPECT_EQ(ConclusionText(WireConclusion::SteelWire120),
              "Вывод: используем стальной тросс сечением 120 кв.мм");
    EXPECT_EQ(ConclusionText(WireConclusion::NotSuitable),
              "Вывод: в данных условиях кабель не пригоден к использованию , т.к. степень "
              "воздействия ЛЭП превышает допустимые нормы");
}

} // namespace
} // namespace ulvane
