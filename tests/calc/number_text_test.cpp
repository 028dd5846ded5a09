#include "calc/cable_catalogue.h"
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

} // namespace
} // namespace ulvane
