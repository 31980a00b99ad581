#pragma once
// Numbers to text and back, independent of the machine's locale ("." is the decimal point).
#include <cstddef>
#include <string>
#include <string_view>

namespace vagaris {

// Pattern formatter: "0" mandatory digit, the first "." the decimal point, other characters
// copied, an optional second section after ";" for negative values. Halves go away from
// zero, judged on the exact binary value (2.675 → "2.67", 0.125 → "0.13"). The section and
// sign follow the value after rounding, so -0.001 with "+0.00;-0.00" prints "+0.00".
std::string FormatNumber(const std::string& pattern, double value);

// Sexagesimal texts, styles 1, 3 and 4; hours and degrees truncated, seconds rounded,
// no carry (60.00s can appear).
std::string HoursText(int style, double angleRadians);
std::string DegreesText(int style, double angleRadians);

// Reads a decimal number: surrounding blanks ignored, optional sign, digits, optional point
// and digits, optional exponent; a lone "." is 0. Anything else, an empty text or a value
// that is not finite throws "'<text>' is not a valid floating point value".
double ParseFloat(const std::string& text);
// Reads an integer (surrounding blanks ignored, optional sign). Throws
// "'<text>' is not a valid integer value".
int ParseInt(const std::string& text);

// Round to the nearest integer, halves to the even neighbour (control logic rounding).
long long RoundHalfEven(double x);

std::string Trim(const std::string& s);

// True for a non-empty text of ASCII digits only.
bool AllDigits(const std::string& s);

// Characters of a UTF-8 text (continuation bytes not counted).
std::size_t Utf8Length(std::string_view text);

// The first `maxChars` characters of a UTF-8 text (a character is never split).
std::string Utf8Prefix(const std::string& text, std::size_t maxChars);

}  // namespace vagaris
