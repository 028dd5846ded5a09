#pragma once

#include <string>
#include <string_view>

namespace ulvane {

// The longest leading decimal number of a UTF-8 text, as a masked input box hands
// it over: blanks anywhere are skipped, "." is the only decimal separator, a sign
// may lead, and the first other character ("*", ",", a letter, an exponent's "E")
// ends the number. No number gives 0. Independent of the C locale.
double ReadLeadingNumber(std::string_view text);

// The text written whenever a number is put into a box: at most 15 significant
// digits, rounded; no grouping, no trailing zeros, "0" before the separator below 1,
// and the exponent form of the %.15G rule where that rule uses one ("9.17E-05").
// Independent of the C locale: the caller passes the user's decimal separator.
std::string NumberText(double value, char decimalSeparator);

// A number in a result box that keeps at most characterLimit characters (0: no
// limit): the number text cut to the limit, "3865," for 3865.617 in five. Where the
// whole part alone is longer than the limit, the value rounded to a whole number, in
// full ("1603453"), since a cut would show a number of the wrong size.
std::string BoxNumberText(double value, char decimalSeparator, int characterLimit);

// value rounded to 15 significant digits, the precision NumberText shows.
double RoundToShownPrecision(double value);

} // namespace ulvane
