#include "calc/number_text.h"

#include "calc/decimal_conversion.h"

#include <charconv>
#include <cmath>

namespace ulvane {

namespace {

constexpr int ShownDigits = 15;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value in scientific form rounded to ShownDigits digits, the way %.15E rounds.
struct ShownDigitsForm {
    std::string digits; // ShownDigits digits, the first one non-zero
    int exponent;       // of the first digit
};

ShownDigitsForm shownDigitsForm(double magnitude)
{
    const std::string scientific = decimal::ScientificText(magnitude, ShownDigits - 1);
    const std::string_view text = scientific;
    const auto exponentMark = text.find('e');

    ShownDigitsForm form;
    for (char c : text.substr(0, exponentMark)) {
        if (isDigit(c))
            form.digits += c;
    }
    const std::string_view exponentText = text.substr(exponentMark + 1);
    const bool negativeExponent = exponentText.front() == '-';
    std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(),
                    form.exponent);
    if (negativeExponent)
        form.exponent = -form.exponent;
    return form;
}

enum class ExponentRule { AsPercentG, Never };

std::string numberText(double value, char decimalSeparator, ExponentRule rule)
{
    if (std::isnan(value))
        return "NAN";
    if (value == 0.0)
        return "0";

    std::string text = std::signbit(value) ? "-" : "";
    if (std::isinf(value))
        return text + "INF";

    ShownDigitsForm form = shownDigitsForm(std::fabs(value));
    std::string &digits = form.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = form.exponent;

    if (rule == ExponentRule::AsPercentG && (exponent < -4 || exponent >= ShownDigits)) {
        text += digits.front();
        if (digits.size() > 1)
            text += decimalSeparator + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= wholeDigits) {
            text += digits;
            text.append(wholeDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, wholeDigits);
            text += decimalSeparator;
            text += digits.substr(wholeDigits);
        }
    }
    return text;
}

} // namespace

double ReadLeadingNumber(std::string_view text)
{
    std::string number;
    bool seenSign = false;
    bool seenDigit = false;
    bool seenSeparator = false;
    for (char c : text) {
        if (isBlank(c))
            continue;
        if (isDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenSeparator) {
            seenSeparator = true;
        } else if ((c == '-' || c == '+') && !seenSign && number.empty()) {
            // The masks never type a sign, but a number text of a negative value has one.
            seenSign = true;
            if (c == '+')
                continue;
        } else {
            break;
        }
        number += c;
    }
    if (!seenDigit)
        return 0.0;

    const bool negative = number.front() == '-';
    const double value = decimal::DecimalValue(std::string_view(number).substr(negative ? 1 : 0));
    return negative ? -value : value;
}

std::string NumberText(double value, char decimalSeparator)
{
    return numberText(value, decimalSeparator, ExponentRule::AsPercentG);
}

std::string BoxNumberText(double value, char decimalSeparator, int characterLimit)
{
    const std::string text = NumberText(value, decimalSeparator);
    const auto limit = static_cast<std::size_t>(characterLimit);
    if (characterLimit <= 0 || text.size() <= limit)
        return text;
    // A cut exponent form would lose its exponent: a tiny value is cut from its fixed
    // form instead ("0.00"), a huge one is whole and shown in full.
    if (text.find('E') != std::string::npos) {
        return std::fabs(value) < 1
                   ? numberText(value, decimalSeparator, ExponentRule::Never).substr(0, limit)
                   : text;
    }
    const std::size_t wholeLength = text.find(decimalSeparator);
    if (wholeLength != std::string::npos && wholeLength <= limit)
        return text.substr(0, limit);
    return NumberText(std::round(value), decimalSeparator);
}

double RoundToShownPrecision(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    const double rounded = decimal::DecimalValue(decimal::ScientificText(std::fabs(value), ShownDigits - 1));
    return std::signbit(value) ? -rounded : rounded;
}

} // namespace ulvane
