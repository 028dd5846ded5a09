// Properties on arbitrary bytes: the reader survives any text and yields a number
// that is never NaN; a number text without an exponent reads back as the value
// rounded to the 15 digits it shows, whichever separator it was written with; and
// where both are built, the C library's conversions agree bit for bit with
// <charconv>, the browser build's path with the desktop's.
#include "calc/decimal_conversion.h"
#include "calc/number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void checkReader(std::string_view text)
{
    const double value = ulvane::ReadLeadingNumber(text);
    if (std::isnan(value))
        std::abort();
}

void checkRoundTrip(double value)
{
    if (!std::isfinite(value))
        return;
    const std::string withPoint = ulvane::NumberText(value, '.');
    if (withPoint.find('E') != std::string::npos)
        return;
    if (ulvane::ReadLeadingNumber(withPoint) != ulvane::RoundToShownPrecision(value))
        std::abort();
    std::string withComma = ulvane::NumberText(value, ',');
    for (char &c : withComma) {
        if (c == ',')
            c = '.';
    }
    if (withComma != withPoint)
        std::abort();
}

#if ULVANE_HAVE_FLOAT_CHARCONV
void checkPathsAgree(double value, std::string_view bytes)
{
    using namespace ulvane::decimal;
    auto agree = [](std::string_view text) {
        if (std::bit_cast<std::uint64_t>(clib::DecimalValue(text)) != std::bit_cast<std::uint64_t>(charconv::DecimalValue(text)))
            std::abort();
    };
    if (std::isfinite(value)) {
        const std::string scientific = charconv::ScientificText(std::fabs(value), 14);
        if (clib::ScientificText(std::fabs(value), 14) != scientific)
            std::abort();
        agree(scientific);
    }
    // The plain texts a student types: the digits of the bytes, the first point kept.
    std::string typed;
    for (const char c : bytes) {
        if ((c >= '0' && c <= '9') || (c == '.' && typed.find('.') == std::string::npos))
            typed += c;
    }
    if (typed.find_first_of("0123456789") != std::string::npos)
        agree(typed);
}
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkReader(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrip(value);
#if ULVANE_HAVE_FLOAT_CHARCONV
        checkPathsAgree(value, std::string_view(reinterpret_cast<const char *>(data), size));
#endif
    }
    // Values of the size the studies show, built from the bytes as a decimal text.
    checkRoundTrip(ulvane::ReadLeadingNumber(std::string_view(reinterpret_cast<const char *>(data), size)));
    return 0;
}
