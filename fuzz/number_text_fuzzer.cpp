// Two properties on arbitrary bytes: the reader survives any text and yields a
// number that is never NaN; and a number text without an exponent reads back as the
// value rounded to the 15 digits it shows, whichever separator it was written with.
#include "calc/number_text.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkReader(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrip(value);
    }
    // Values of the size the studies show, built from the bytes as a decimal text.
    checkRoundTrip(ulvane::ReadLeadingNumber(std::string_view(reinterpret_cast<const char *>(data), size)));
    return 0;
}
