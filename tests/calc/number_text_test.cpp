#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ulvane {
namespace {

struct ReadCase {
    const char *name;
    std::string text;
    double expected;
};

TEST(ReadLeadingNumber, ReadsTheLeadingNumberOfABoxText)
{
    const ReadCase cases[] = {
        {"empty_mask_with_point", "*.**", 0},
        {"whole_part_then_prompts", "5.**", 5},
        {"digits_after_an_unfilled_position", "**12*", 0},
        {"fraction_then_prompts", "0.5**", 0.5},
        {"digits_then_prompts", "12***", 12},
        {"full_mask", "10000", 10000},
        {"smallest_width", "0.01", 0.01},
        {"largest_current", "9.99", 9.99},
        {"reset_length", "0.500", 0.5},
        {"blank_inside", "1 2", 12},
        {"tab_and_line_breaks_inside", "\t1\r\n2.\n5", 12.5},
        {"comma_is_no_separator", "3,5", 3},
        {"second_point_ends_it", "1.2.3", 1.2},
        {"point_first", ".5", 0.5},
        {"point_last", "7.", 7},
        {"point_alone", ".", 0},
        {"empty_text", "", 0},
        {"letters", "abc", 0},
        {"letter_after_digits", "42abc", 42},
        {"leading_minus", "-5", -5},
        {"leading_plus", "+2.5", 2.5},
        {"sign_alone", "-", 0},
        {"sign_after_digits_ends_it", "5-3", 5},
        {"second_sign_ends_it", "--5", 0},
        {"negative_zero_fraction", "-0.0", 0},
        {"no_exponent", "1E5", 1},
        {"cyrillic_after_digits", "25кВ", 25},
        {"leading_zeros", "007", 7},
        {"overflowing_digits", std::string(400, '9'), std::numeric_limits<double>::infinity()},
        {"underflowing_fraction", "0." + std::string(400, '0') + "1", 0},
    };
    for (const ReadCase &c : cases)
        EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << c.name;
}

struct TextCase {
    const char *name;
    double value;
    const char *withPoint;
    const char *withComma;
};

TEST(NumberText, WritesFifteenSignificantDigitsInGeneralForm)
{
    const TextCase cases[] = {
        {"zero", 0, "0", "0"},
        {"negative_zero", -0.0, "0", "0"},
        {"whole", 3800, "3800", "3800"},
        {"hundred", 100, "100", "100"},
        {"below_one", 0.5, "0.5", "0,5"},
        {"long_fraction", 1733.85715830905, "1733.85715830905", "1733,85715830905"},
        {"rounded_to_fifteen", 2.0 / 3.0, "0.666666666666667", "0,666666666666667"},
        {"binary_noise_dropped", 0.1 + 0.2, "0.3", "0,3"},
        {"negative", -2.5, "-2.5", "-2,5"},
        {"smallest_fixed", 0.0001, "0.0001", "0,0001"},
        {"largest_exponent_below_fixed", 0.00001, "1E-05", "1E-05"},
        {"small_with_digits", -9.17e-5, "-9.17E-05", "-9,17E-05"},
        {"largest_fixed", 999999999999999, "999999999999999", "999999999999999"},
        {"rounds_up_into_exponent", 999999999999999.9, "1E+15", "1E+15"},
        {"large", 1.5e20, "1.5E+20", "1,5E+20"},
        {"large_rounded", 123456789012345678.0, "1.23456789012346E+17", "1,23456789012346E+17"},
        {"three_digit_exponent", 1e-300, "1E-300", "1E-300"},
        {"whole_below_exponent_rule", 1e14, "100000000000000", "100000000000000"},
    };
    for (const TextCase &c : cases) {
        EXPECT_EQ(NumberText(c.value, '.'), c.withPoint) << c.name;
        EXPECT_EQ(NumberText(c.value, ','), c.withComma) << c.name;
    }
}

TEST(NumberText, ReadsBackAsTheValueRoundedToFifteenDigits)
{
    const double values[] = {1733.85715830905, 0.827371892211732, 1443107.6617672, -0.0925289,
                             2.0 / 3.0, 0.0001, 123456.789012345678};
    for (double value : values)
        EXPECT_EQ(ReadLeadingNumber(NumberText(value, '.')), RoundToShownPrecision(value))
            << value;
}

struct BoxCase {
    const char *name;
    double value;
    char separator;
    int characterLimit;
    const char *expected;
};

TEST(BoxNumberText, CutsToTheBoxWithoutChangingTheNumbersSize)
{
    const BoxCase cases[] = {
        {"cut_fraction", 1733.85715830905, '.', 4, "1733"},
        {"cut_after_point", 3865.61745359355, '.', 5, "3865."},
        {"cut_after_comma", 3865.61745359355, ',', 5, "3865,"},
        {"cut_below_one", 0.827371892211732, ',', 4, "0,82"},
        {"whole_part_fills_box", 10546.1831992945, '.', 5, "10546"},
        {"fits", 3800, '.', 4, "3800"},
        {"no_limit", 3479.05570823419, ',', 0, "3479,05570823419"},
        {"whole_part_too_long_rounds_down", 1362935.01389124, '.', 5, "1362935"},
        {"whole_part_too_long_rounds_up", 1603452.95751911, ',', 5, "1603453"},
        {"whole_number_too_long", 123456, '.', 5, "123456"},
        {"tiny_cut_from_fixed_form", 4.14e-7, ',', 4, "0,00"},
        {"huge_in_full", 1.5e20, '.', 5, "1.5E+20"},
    };
    for (const BoxCase &c : cases)
        EXPECT_EQ(BoxNumberText(c.value, c.separator, c.characterLimit), c.expected) << c.name;
}

TEST(RoundToShownPrecision, RoundsToFifteenSignificantDigits)
{
    EXPECT_EQ(RoundToShownPrecision(3799.9999999999995), 3800);
    EXPECT_EQ(RoundToShownPrecision(3800.0000000000005), 3800);
    EXPECT_EQ(RoundToShownPrecision(0.1 + 0.2), 0.3);
    EXPECT_EQ(RoundToShownPrecision(0), 0);
    EXPECT_TRUE(std::isinf(RoundToShownPrecision(std::numeric_limits<double>::infinity())));
}

} // namespace
} // namespace ulvane
