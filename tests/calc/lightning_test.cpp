#include "calc/lightning.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

namespace ulvane {
namespace {

// The worked examples print a value's leading digits and "…": sometimes cut, sometimes
// rounded. given is those digits, e.g. "0.316545".
bool matchesGivenDigits(double value, std::string_view given)
{
    const auto point = given.find('.');
    const int decimals = point == std::string_view::npos
                             ? 0
                             : static_cast<int>(given.size() - point - 1);
    char rounded[64];
    auto end = std::to_chars(rounded, rounded + sizeof rounded, value, std::chars_format::fixed,
                             decimals).ptr;
    if (std::string_view(rounded, static_cast<std::size_t>(end - rounded)) == given)
        return true;
    char precise[64];
    end = std::to_chars(precise, precise + sizeof precise, value, std::chars_format::fixed,
                        decimals + 6).ptr;
    return std::string_view(precise, static_cast<std::size_t>(end - precise)).substr(0, given.size())
           == given;
}

LightningInputs bareCable(double u, double r, double resistance, double rho, double t)
{
    LightningInputs inputs;
    inputs.ImpulseVoltage = u;
    inputs.CableRadius = r;
    inputs.SheathResistance = resistance;
    inputs.SoilResistivity = rho;
    inputs.ThunderstormHours = t;
    return inputs;
}

struct ExampleCase {
    const char *name;
    LightningInputs inputs;
    const char *unprotected;
    const char *oneWire;
    const char *twoWires;
};

TEST(CalculateLightningDamage, ReproducesTheWorkedExamples)
{
    const ExampleCase cases[] = {
        {"band_7_bare_band_8_wire", bareCable(3000, 10, 1.5, 500, 36), "0.316545", "0.0994934",
         "0.0925289"},
        {"band_4_voltage_and_hours", bareCable(3800, 14, 2.1, 2000, 40), "0.875047", "0.463465",
         "0.431023"},
        {"band_7_threshold_low_part", bareCable(3000, 10, 1.5, 1000, 36), "0.45290", nullptr,
         nullptr},
        {"band_7_threshold_high_part", bareCable(3000, 10, 1.5, 1001, 36), "0.56402", nullptr,
         nullptr},
    };
    for (const ExampleCase &c : cases) {
        const LightningResult result = CalculateLightningDamage(c.inputs);
        EXPECT_TRUE(matchesGivenDigits(result.DamagesUnprotected, c.unprotected))
            << c.name << ": " << result.DamagesUnprotected;
        if (c.oneWire) {
            EXPECT_TRUE(matchesGivenDigits(result.DamagesOneWire, c.oneWire))
                << c.name << ": " << result.DamagesOneWire;
            EXPECT_TRUE(matchesGivenDigits(result.DamagesTwoWires, c.twoWires))
                << c.name << ": " << result.DamagesTwoWires;
        }
    }
}

// Each band written out as the reference table prints it, to catch a band chosen
// wrongly on its borders or a part chosen wrongly on its threshold.
struct BandCase {
    const char *name;
    double resistance;
    double rho;
    double expected;
};

double cube(double x)
{
    return std::pow(x, 3);
}

double square(double x)
{
    return std::pow(x, 2);
}

TEST(ReferenceDamageCount, ChoosesBandAndPartOnTheirBorders)
{
    const double rho = 500;
    const BandCase cases[] = {
        {"above_all_bands", 10.01, rho, 0},
        {"band_1_top", 10, rho,
         ((7 * 1e-9 * cube(rho) - 1 * 1e-5 * square(rho)) + 0.0096 * rho + 0.0375) * (10 / 10.0)},
        {"band_1_bottom", 5, rho,
         ((7 * 1e-9 * cube(rho) - 1 * 1e-5 * square(rho)) + 0.0096 * rho + 0.0375) * (5 / 10.0)},
        {"band_1_high_part_negative_cube", 5, 2000,
         ((-3 * 1e-12 * cube(2000) - 1 * 1e-9 * square(2000)) + 0.0008 * 2000 + 2.6967)
             * (5 / 10.0)},
        {"band_2_bottom", 3, rho,
         ((3 * 1e-9 * cube(rho) - 6 * 1e-6 * square(rho)) + 0.0048 * rho + 0.0071) * (3 / 5.0)},
        {"band_3_bottom", 2.6, rho,
         ((3 * 1e-9 * cube(rho) - 5 * 1e-6 * square(rho)) + 0.0034 * rho + 0.0033) * (2.6 / 3)},
        {"band_4_bottom", 2.3, rho,
         ((3 * 1e-9 * cube(rho) - 5 * 1e-6 * square(rho)) + 0.0028 * rho + 0.0006) * (2.3 / 2.6)},
        {"band_4_high_part", 2.3, 1001, (0.5135 * std::log(1001) - 2.5932) * (2.3 / 2.6)},
        {"band_5_bottom", 2, rho,
         ((1 * 1e-9 * cube(rho) - 3 * 1e-6 * square(rho)) + 0.0021 * rho + 0.0003) * (2 / 2.3)},
        {"band_6_bottom", 1.65, rho,
         ((3 * 1e-10 * cube(rho) - 9 * 1e-7 * square(rho)) + 0.0013 * rho + 0.0045)
             * (1.65 / 2)},
        {"band_7_bottom", 1, rho,
         ((4 * 1e-10 * cube(rho) - 1 * 1e-6 * square(rho)) + 0.0011 * rho - 0.0018) * (1 / 1.65)},
        {"band_8_bottom_low_scale", 0.7, rho,
         ((1 * 1e-10 * cube(rho) - 4 * 1e-7 * square(rho)) + 0.0006 * rho - 0.0016)
             * (0.625 * 0.7)},
        {"band_8_high_scale", 0.7, 1001,
         ((1 * 1e-12 * cube(1001) - 3 * 1e-8 * square(1001)) + 0.0002 * 1001 + 0.1288)
             * (0.57 * 0.7)},
        {"band_9_bottom", 0.42, rho,
         ((3 * 1e-10 * cube(rho) - 5 * 1e-7 * square(rho)) + 0.0004 * rho - 0.0007)
             * (0.42 / 0.7)},
        {"band_9_high_part", 0.42, 1001, (0.0471 * std::log(1001) - 0.1949) * (0.42 / 0.7)},
        {"band_10_on_threshold", 0.3, 50, 0},
        {"band_10_above_threshold", 0.3, 51, (0.0233 * std::log(51) - 0.0895) * (0.67 * 0.3 / 0.42)},
        {"band_11_on_threshold", 0.2, 30, 0},
        {"band_11_well_above_threshold", 0.2, 1000,
         (0.0089 * std::log(1000) - 0.0307) * (0.8 * 0.2 / 0.3)},
        {"band_11_negative_formula_counts_none", 0.25, 31, 0},
        {"band_12_on_threshold", 0.1, 75, 0},
        {"band_12_above_threshold", 0.1, 76, (0.0034 * std::log(76) - 0.0093) * (0.57 * 0.1 / 0.2)},
        {"band_13_on_threshold", 0.05, 100, 0},
        {"band_13_above_threshold", 0.05, 101,
         (0.0005 * std::log(101) + 0.0004) * (0.57 * 0.05 / 0.1)},
        {"band_13_zero_resistance", 0, 5000, 0},
        {"below_all_bands", -0.01, rho, 0},
    };
    for (const BandCase &c : cases)
        EXPECT_DOUBLE_EQ(ReferenceDamageCount(c.resistance, c.rho), c.expected) << c.name;
}

TEST(ReferenceDamageCount, NeverNegativeAtAnyResistivity)
{
    for (const ResistanceBand &band : ResistanceBands()) {
        for (double rho = 10; rho <= 10000; rho += 1) {
            EXPECT_GE(ReferenceDamageCount(band.LowerResistance, rho), 0.0)
                << band.LowerResistance << " " << rho;
            EXPECT_GE(ReferenceDamageCount(band.UpperResistance, rho), 0.0)
                << band.UpperResistance << " " << rho;
        }
    }
}

struct SameResultCase {
    const char *name;
    LightningInputs inputs;
    LightningInputs equivalent;
};

LightningInputs inHose(LightningInputs inputs, double groundingResistance, double spacing)
{
    inputs.InHose = true;
    inputs.GroundingResistance = groundingResistance;
    inputs.GroundingSpacing = spacing;
    return inputs;
}

TEST(CalculateLightningDamage, DefaultsLimitsAndHoseMode)
{
    const SameResultCase cases[] = {
        {"empty_voltage_is_3000", bareCable(0, 10, 1.5, 500, 40), bareCable(3000, 10, 1.5, 500, 40)},
        {"empty_hours_are_36", bareCable(3800, 10, 1.5, 500, 0), bareCable(3800, 10, 1.5, 500, 36)},
        {"resistivity_below_10", bareCable(3000, 10, 1.5, 5, 36), bareCable(3000, 10, 1.5, 10, 36)},
        {"empty_resistivity", bareCable(3000, 10, 1.5, 0, 36), bareCable(3000, 10, 1.5, 10, 36)},
        {"resistivity_above_10000", bareCable(3000, 10, 1.5, 20000, 36),
         bareCable(3000, 10, 1.5, 10000, 36)},
        {"hose_replaces_typed_resistivity", inHose(bareCable(3000, 10, 1.5, 9999, 36), 10, 2),
         bareCable(3000, 10, 1.5, 20, 36)},
        {"hose_is_limited_too", inHose(bareCable(3000, 10, 1.5, 500, 36), 0, 2),
         bareCable(3000, 10, 1.5, 10, 36)},
        {"hose_largest_product", inHose(bareCable(3000, 10, 1.5, 500, 36), 99, 9.99),
         bareCable(3000, 10, 1.5, 989.01, 36)},
    };
    for (const SameResultCase &c : cases) {
        const LightningResult result = CalculateLightningDamage(c.inputs);
        const LightningResult expected = CalculateLightningDamage(c.equivalent);
        EXPECT_EQ(result.DamagesUnprotected, expected.DamagesUnprotected) << c.name;
        EXPECT_EQ(result.DamagesOneWire, expected.DamagesOneWire) << c.name;
        EXPECT_EQ(result.DamagesTwoWires, expected.DamagesTwoWires) << c.name;
    }
}

TEST(CalculateLightningDamage, ScalesWithHoursAndVoltage)
{
    const LightningResult base = CalculateLightningDamage(bareCable(3000, 14, 2.1, 2000, 36));
    const LightningResult doubleHours = CalculateLightningDamage(bareCable(3000, 14, 2.1, 2000, 72));
    const LightningResult halfVoltage = CalculateLightningDamage(bareCable(1500, 14, 2.1, 2000, 36));
    for (const LightningResult &doubled : {doubleHours, halfVoltage}) {
        EXPECT_DOUBLE_EQ(doubled.DamagesUnprotected, 2 * base.DamagesUnprotected);
        EXPECT_DOUBLE_EQ(doubled.DamagesOneWire, 2 * base.DamagesOneWire);
        EXPECT_DOUBLE_EQ(doubled.DamagesTwoWires, 2 * base.DamagesTwoWires);
    }
    EXPECT_EQ(base.DamagesTwoWires, base.DamagesOneWire * 0.93);
}

TEST(CalculateLightningDamage, EmptyResistanceGivesNoDamages)
{
    const LightningResult result = CalculateLightningDamage(bareCable(3000, 10, 0, 500, 36));
    EXPECT_EQ(result.DamagesUnprotected, 0);
    EXPECT_EQ(result.DamagesOneWire, 0);
    EXPECT_EQ(result.DamagesTwoWires, 0);
}

TEST(CalculateLightningDamage, NegativeFormulaJustAboveBand11ThresholdCountsNoDamages)
{
    const LightningResult result = CalculateLightningDamage(bareCable(3000, 10, 0.25, 31, 36));
    EXPECT_EQ(result.DamagesUnprotected, 0);
    EXPECT_FALSE(std::signbit(result.DamagesUnprotected));
    EXPECT_EQ(result.DamagesOneWire, 0);
    EXPECT_EQ(result.DamagesTwoWires, 0);
}

} // namespace
} // namespace ulvane
