#include "calc/cable_catalogue.h"
#include "calc/influence.h"
#include "calc/lightning.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

namespace ulvane {
namespace {

TEST(ReadLeadingNumber, ReadsTheLeadingNumberOfABoxText)
{
    const struct { const char *name; std::string text; double expected; } cases[] = {
        {"empty_mask", "*.**", 0}, {"digits_after_an_unfilled_position", "**12*", 0},
        {"fraction_then_prompts", "0.5**", 0.5}, {"smallest_width", "0.01", 0.01},
        {"blanks_inside", "\t1 2.\n5", 12.5}, {"comma_is_no_separator", "3,5", 3},
        {"second_point_ends_it", "1.2.3", 1.2}, {"point_first", ".5", 0.5}, {"empty_text", "", 0},
        {"letter_after_digits", "42abc", 42}, {"leading_minus", "-5", -5}, {"leading_plus", "+2.5", 2.5},
        {"sign_after_digits_ends_it", "5-3", 5}, {"second_sign_ends_it", "--5", 0}, {"no_exponent", "1E5", 1},
        {"overflowing_digits", std::string(400, '9'), std::numeric_limits<double>::infinity()},
        {"underflowing_fraction", "0." + std::string(400, '0') + "1", 0},
        {"denormal_fraction", "0." + std::string(312, '0') + "123", 1.23e-313},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << c.name;
}

// The borders of the double range too, on both the C library's path and <charconv>'s.
TEST(NumberText, WritesFifteenSignificantDigitsWithTheUsersSeparator)
{
    const struct { const char *name; double value; const char *withComma; } cases[] = {
        {"zero", 0, "0"}, {"negative_zero", -0.0, "0"}, {"fifteen_digits", 1733.85715830905, "1733,85715830905"},
        {"rounded_to_fifteen", 2.0 / 3.0, "0,666666666666667"}, {"binary_noise_dropped", 0.1 + 0.2, "0,3"},
        {"negative", -2.5, "-2,5"}, {"smallest_fixed", 0.0001, "0,0001"},
        {"largest_exponent_below_fixed", 0.00001, "1E-05"}, {"small_with_digits", -9.17e-5, "-9,17E-05"},
        {"largest_fixed", 999999999999999, "999999999999999"},
        {"rounds_up_into_exponent", 999999999999999.9, "1E+15"},
        {"large_rounded", 123456789012345678.0, "1,23456789012346E+17"}, {"three_digit_exponent", 1e-300, "1E-300"},
        {"largest", std::numeric_limits<double>::max(), "1,79769313486232E+308"},
        {"smallest_normal", std::numeric_limits<double>::min(), "2,2250738585072E-308"},
        {"smallest_denormal", std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(NumberText(c.value, ','), c.withComma) << c.name;
        std::string withPoint = c.withComma;
        std::replace(withPoint.begin(), withPoint.end(), ',', '.');
        EXPECT_EQ(NumberText(c.value, '.'), withPoint) << c.name;
        if (withPoint.find('E') == std::string::npos) {
            EXPECT_EQ(ReadLeadingNumber(withPoint), RoundToShownPrecision(c.value)) << c.name;
        }
    }
}

TEST(BoxNumberText, CutsToTheBoxWithoutChangingTheNumbersSize)
{
    const struct { const char *name; double value; int characterLimit; const char *expected; } cases[] = {
        {"cut_below_one", 0.827371892211732, 4, "0,82"}, {"no_limit", 3479.05570823419, 0, "3479,05570823419"},
        {"whole_part_too_long_rounds_up", 1603452.95751911, 5, "1603453"},
        {"whole_number_too_long", 123456, 5, "123456"}, {"tiny_cut_from_fixed_form", 4.14e-7, 4, "0,00"},
        {"huge_in_full", 1.5e20, 5, "1,5E+20"}, {"tiny_that_fits_stays_whole", 1e-7, 5, "1E-07"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BoxNumberText(c.value, ',', c.characterLimit), c.expected) << c.name;
}

TEST(CableCatalogue, EveryValueIsTheNumberItsTextShows)
{
    auto valueOf = [](std::string_view text) {
        std::string withPoint(text);
        std::replace(withPoint.begin(), withPoint.end(), ',', '.');
        return ReadLeadingNumber(withPoint);
    };
    int position = 0;
    for (const CableType &cable : CableCatalogue::Entries()) {
        EXPECT_EQ(cable.Position, ++position);
        EXPECT_EQ(cable.SheathResistance.Value, valueOf(cable.SheathResistance.Text)) << cable.Name;
        EXPECT_EQ(cable.ShieldingFactor.Value, valueOf(cable.ShieldingFactor.Text)) << cable.Name;
        EXPECT_EQ(cable.OuterDiameter.Value, valueOf(cable.OuterDiameter.Text)) << cable.Name;
        EXPECT_EQ(cable.MaxImpulseVoltage, valueOf(cable.MaxImpulseVoltageText)) << cable.Name;
    }
    EXPECT_EQ(position, 16);
}

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

std::string shown(const LightningResult &result)
{
    return NumberText(result.DamagesUnprotected, '.') + " " + NumberText(result.DamagesOneWire, '.')
           + " " + NumberText(result.DamagesTwoWires, '.');
}

// The defaults and limits, hose mode and the scaling by T and U; the tab shows the
// worked examples.
TEST(CalculateLightningDamage, AppliesDefaultsLimitsHoseAndScalingToEveryDigit)
{
    const char *const band7 = "0.316545454545455 0.0994934372316533 0.0925288966254375";
    const char *const soil10 = "0.00827309090909091 0.0020569053374762 0.00191292196385287";
    const char *const doubled = "1.99510687380952 1.05670038809301 0.9827313609265";
    const struct { const char *name; LightningInputs inputs; const char *expected; } cases[] = {
        // U, r, R, ρ, T, then Rз, l and the hose
        {"band_7_bare_band_8_wire", {3000, 10, 1.5, 500, 36}, band7},
        {"threshold_low_part", {3000, 10, 1.5, 1000, 36}, "0.452909090909091 0.140772127406 0.13091807848758"},
        {"threshold_high_part", {3000, 10, 1.5, 1001, 36}, "0.56402985315285 0.12904803181557 0.12001466958848"},
        {"empty_resistance", {3000, 10, 0, 500, 36}, "0 0 0"},
        {"empty_voltage_and_hours", {0, 10, 1.5, 500, 0}, band7},
        {"resistivity_below_10", {3000, 10, 1.5, 5, 36}, soil10},
        {"resistivity_above_10000", {3000, 10, 1.5, 20000, 36},
         "1.09527765494978 0.0554151555262136 0.0515360946393787"},
        {"hose_is_limited_too", {3000, 10, 1.5, 500, 36, 0, 2, true}, soil10},
        {"double_hours", {3000, 14, 2.1, 2000, 72}, doubled},
        {"half_voltage", {1500, 14, 2.1, 2000, 36}, doubled},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(CalculateLightningDamage(c.inputs)), c.expected) << c.name;
}

// Every band on its borders and both sides of its threshold, to catch a wrong band,
// part, coefficient or scale.
TEST(ReferenceDamageCount, ChoosesBandPartAndScale)
{
    const struct { double resistance; double rho; const char *expected; } cases[] = {
        {10.01, 500, "0"}, {10, 500, "3.2125"}, {5, 500, "1.60625"}, {5, 2000, "2.13435"},
        {4.99, 1000, "1.8034858"}, {4.99, 1001, "1.80580207916499"}, {3, 500, "0.76926"},
        {2.99, 1001, "1.10915134463063"}, {2.6, 500, "0.71786"}, {2.59, 1001, "0.950774634643064"},
        {2.3, 500, "0.464953846153846"}, {2.3, 1001, "0.844317243119323"},
        {2, 500, "0.369826086956522"}, {1.99, 1001, "0.597375845524457"}, {1.65, 500, "0.385275"},
        {1.64, 1001, "0.616672639447116"}, {1, 500, "0.211030303030303"},
        {0.99, 10, "0.002697811875"}, {0.7, 500, "0.09226875"}, {0.7, 1001, "0.119677246227399"},
        {0.69, 10000, "0.235494073926934"}, {0.42, 500, "0.06708"},
        {0.42, 1001, "0.0783014100634482"}, {0.41, 10000, "0.0818219658434221"}, {0.3, 50, "0"},
        {0.3, 51, "0.0010105213946139"}, {0.29, 9999, "0.0396496810324391"}, {0.2, 30, "0"},
        {0.2, 1000, "0.0164154783909019"}, {0.25, 31, "0"}, {0.19, 9999, "0.0119210235396392"},
        {0.1, 75, "0"}, {0.1, 76, "0.00154598060673745"}, {0.09, 9999, "0.00256762665412931"},
        {0.05, 100, "0"}, {0.05, 101, "0.000771654673649879"}, {0, 5000, "0"}, {-0.01, 500, "0"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(NumberText(ReferenceDamageCount(c.resistance, c.rho), '.'), c.expected)
            << c.resistance << " Ом/км, " << c.rho << " Ом*м";
    }
}

} // namespace
} // namespace ulvane
