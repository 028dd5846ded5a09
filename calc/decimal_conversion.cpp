#include "calc/decimal_conversion.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>

#if ULVANE_HAVE_FLOAT_CHARCONV
#include <charconv>
#endif

namespace ulvane::decimal {

namespace clib {

namespace {

std::string_view localePoint()
{
    return std::localeconv()->decimal_point;
}

} // namespace

std::string ScientificText(double value, int fractionDigits)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", fractionDigits, value);
    std::string text(buffer, static_cast<std::size_t>(length));
    const auto point = text.find(localePoint());
    if (point != std::string::npos)
        text.replace(point, localePoint().size(), ".");
    return text;
}

double DecimalValue(std::string_view text)
{
    std::string localText(text);
    const auto point = localText.find('.');
    if (point != std::string::npos)
        localText.replace(point, 1, localePoint());
    // Beyond the range strtod gives infinity, below it 0, as wanted; denormals it
    // rounds correctly too, only with ERANGE set, which is no failure here.
    return std::strtod(localText.c_str(), nullptr);
}

} // namespace clib

#if ULVANE_HAVE_FLOAT_CHARCONV
namespace charconv {

std::string ScientificText(double value, int fractionDigits)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, fractionDigits);
    return std::string(buffer, result.ptr);
}

double DecimalValue(std::string_view text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc::result_out_of_range)
        return value;
    // Out of range leaves value alone. A plain text is too large when a digit before
    // its point is not 0, a scientific one (its first digit not 0) when its exponent
    // is positive.
    const auto exponentMark = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, exponentMark);
    const bool tooLarge =
        exponentMark != std::string_view::npos
            ? text[exponentMark + 1] != '-'
            : mantissa.substr(0, mantissa.find('.')).find_first_not_of('0') != std::string_view::npos;
    return tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace charconv

std::string ScientificText(double value, int fractionDigits)
{
    return charconv::ScientificText(value, fractionDigits);
}

double DecimalValue(std::string_view text)
{
    return charconv::DecimalValue(text);
}
#else
std::string ScientificText(double value, int fractionDigits)
{
    return clib::ScientificText(value, fractionDigits);
}

double DecimalValue(std::string_view text)
{
    return clib::DecimalValue(text);
}
#endif

} // namespace ulvane::decimal
