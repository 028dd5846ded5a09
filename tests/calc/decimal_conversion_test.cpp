#include "calc/decimal_conversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace ulvane::decimal {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// Run through the path this build chose and, where both are built, through each.
template <typename Check>
void forEachPath(Check check)
{
    check("chosen", &ScientificText, &DecimalValue);
    check("clib", &clib::ScientificText, &clib::DecimalValue);
#if ULVANE_HAVE_FLOAT_CHARCONV
    check("charconv", &charconv::ScientificText, &charconv::DecimalValue);
#endif
}

using Writer = std::string (*)(double, int);
using Reader = double (*)(std::string_view);

TEST(DecimalConversion, BordersOfTheDoubleRange)
{
    const struct { const char *name; double value; const char *scientific; } written[] = {
        {"fifteen_digits", 1733.85715830905, "1.73385715830905e+03"},
        {"half_rounds_to_even_binary", 0.125, "1.25000000000000e-01"},
        {"largest", std::numeric_limits<double>::max(), "1.79769313486232e+308"},
        {"smallest_normal", std::numeric_limits<double>::min(), "2.22507385850720e-308"},
        {"smallest_denormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"},
        {"rounds_into_next_decade", 999999999999999.9, "1.00000000000000e+15"},
    };
    const struct { const char *name; std::string text; double expected; } read[] = {
        {"plain", "12.5", 12.5}, {"point_first", ".5", 0.5}, {"point_last", "7.", 7},
        {"scientific", "1.73385715830905e+03", 1733.85715830905},
        {"overflowing_digits", std::string(400, '9'), Infinity},
        {"overflowing_exponent", "1.8e+308", Infinity},
        {"underflowing_fraction", "0." + std::string(400, '0') + "1", 0},
        {"underflowing_exponent", "2.4703282292062327e-324", 0},
        {"denormal_fraction", "0." + std::string(312, '0') + "123", 1.23e-313},
        {"smallest_denormal", "4.94065645841247e-324", std::numeric_limits<double>::denorm_min()},
    };
    forEachPath([&](const char *path, Writer write, Reader readText) {
        for (const auto &c : written)
            EXPECT_EQ(write(c.value, 14), c.scientific) << path << ' ' << c.name;
        for (const auto &c : read)
            EXPECT_EQ(readText(c.text), c.expected) << path << ' ' << c.name;
    });
}

#if ULVANE_HAVE_FLOAT_CHARCONV
// Random bit patterns cover every exponent, denormals included, and random digit
// strings the texts a student types.
TEST(DecimalConversion, CLibraryPathMatchesCharconv)
{
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::fabs(std::bit_cast<double>(random()));
        if (!std::isfinite(value))
            continue;
        const std::string text = charconv::ScientificText(value, 14);
        ASSERT_EQ(clib::ScientificText(value, 14), text) << value;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(clib::DecimalValue(text)),
                  std::bit_cast<std::uint64_t>(charconv::DecimalValue(text)))
            << text;

        std::string typed = std::to_string(random() % 100000000);
        typed.insert(random() % (typed.size() + 1), 1, '.');
        ASSERT_EQ(std::bit_cast<std::uint64_t>(clib::DecimalValue(typed)),
                  std::bit_cast<std::uint64_t>(charconv::DecimalValue(typed)))
            << typed;
    }
}
#endif

} // namespace
} // namespace ulvane::decimal
