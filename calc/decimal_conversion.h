#pragma once

#include <string>
#include <string_view>

// The two conversions between doubles and decimal text that the number texts rest
// on, both correctly rounded and independent of the C locale. The floating-point
// <charconv> does them where the standard library has it; elsewhere (Emscripten's
// libc++) the C library's snprintf and strtod, which round correctly as well, stand
// in. Where <charconv> has them both are built, so the tests hold one against the
// other.
namespace ulvane::decimal {

// value as "%.*e" writes it with fractionDigits digits after the point:
// "1.23456789012346e+03"; "." whatever the C locale says.
std::string ScientificText(double value, int fractionDigits);

// A decimal text without sign, plain ("12.5", ".5") or as ScientificText writes it,
// as the nearest double; infinity where it is beyond the largest double, 0 where it
// is below the smallest.
double DecimalValue(std::string_view text);

namespace clib {
std::string ScientificText(double value, int fractionDigits);
double DecimalValue(std::string_view text);
} // namespace clib

#if ULVANE_HAVE_FLOAT_CHARCONV
namespace charconv {
std::string ScientificText(double value, int fractionDigits);
double DecimalValue(std::string_view text);
} // namespace charconv
#endif

} // namespace ulvane::decimal
