#include "core/TextForms.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <algorithm>

#include "core/Angles.h"
#include "core/Errors.h"

namespace vagaris {

namespace {

// |value| rounded to `decimals` places, halves away from zero judged on the exact binary
// value, written as "iii.fff" (no point when decimals is 0) into buf. Returns the length.
std::size_t RoundedText(double absValue, int decimals, char* buf, std::size_t capacity) {
    const auto res =
        std::to_chars(buf, buf + capacity, absValue, std::chars_format::fixed, decimals);
    std::size_t length = static_cast<std::size_t>(res.ptr - buf);
    // to_chars resolves an exact tie to the even neighbour. A tie is exact only when
    // absValue · 2^(decimals+1) is an integer; then the result is rounded away from zero.
    if (decimals > 17) return length;
    const double scaled = std::ldexp(absValue, decimals + 1);
    if (!(scaled < 9.0e15) || scaled != std::floor(scaled)) return length;
    // absValue·10^d = scaled·5^d / 2: a tie when scaled·5^d is odd.
    std::uint64_t pow5 = 1;
    for (int k = 0; k < decimals; ++k) pow5 *= 5;
    const long double twice = static_cast<long double>(scaled) * static_cast<long double>(pow5);
    if (!(twice < 4.0e18L)) return length;
    const std::uint64_t twiceInt = static_cast<std::uint64_t>(twice);
    if (static_cast<long double>(twiceInt) != twice || (twiceInt & 1u) == 0) return length;
    char digits[32];
    const auto d = std::to_chars(digits, digits + sizeof digits, twiceInt / 2 + 1);
    std::size_t n = static_cast<std::size_t>(d.ptr - digits);
    const std::size_t dec = static_cast<std::size_t>(decimals);
    std::size_t pos = 0;
    if (n <= dec) {  // leading zeros: 0.00ddd
        buf[pos++] = '0';
        buf[pos++] = '.';
        for (std::size_t k = n; k < dec; ++k) buf[pos++] = '0';
        for (std::size_t k = 0; k < n; ++k) buf[pos++] = digits[k];
        return pos;
    }
    for (std::size_t k = 0; k < n - dec; ++k) buf[pos++] = digits[k];
    if (dec > 0) {
        buf[pos++] = '.';
        for (std::size_t k = n - dec; k < n; ++k) buf[pos++] = digits[k];
    }
    length = pos;
    return length;
}

int DecimalsOf(std::string_view section) {
    const std::size_t dot = section.find('.');
    int n = 0;
    if (dot != std::string_view::npos)
        for (std::size_t k = dot + 1; k < section.size(); ++k)
            if (section[k] == '0') ++n;
    return n;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

std::string Utf8Prefix(const std::string& text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == maxChars) return text.substr(0, i);
        ++chars;
    }
    return text;
}

std::string FormatNumber(const std::string& pattern, double value) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    const std::string_view whole(pattern);
    const std::size_t semi = whole.find(';');
    const std::string_view positive = whole.substr(0, semi);
    const std::string_view negative =
        semi == std::string_view::npos ? std::string_view() : whole.substr(semi + 1);

    char text[400];
    int decimals = DecimalsOf(positive);
    std::size_t length = RoundedText(std::fabs(value), decimals, text, sizeof text);
    bool roundedIsZero = true;
    for (std::size_t k = 0; k < length; ++k)
        if (text[k] >= '1' && text[k] <= '9') roundedIsZero = false;
    // The section and the sign follow the value after rounding.
    const bool isNegative = value < 0 && !roundedIsZero;

    std::string_view section = positive;
    std::string out;
    out.reserve(pattern.size() + 8);
    if (isNegative) {
        if (semi != std::string_view::npos) {
            section = negative;
            const int nd = DecimalsOf(negative);
            if (nd != decimals) {
                decimals = nd;
                length = RoundedText(std::fabs(value), decimals, text, sizeof text);
            }
        } else {
            out += '-';
        }
    }
    std::size_t intLength = 0;
    while (intLength < length && text[intLength] != '.') ++intLength;
    const char* fracDigits = text + intLength + (intLength < length ? 1 : 0);
    const std::size_t fracLength = length - intLength - (intLength < length ? 1 : 0);

    const std::size_t dot = section.find('.');
    const std::size_t intEnd = dot == std::string_view::npos ? section.size() : dot;
    std::size_t intZeros = 0;
    for (std::size_t k = 0; k < intEnd; ++k)
        if (section[k] == '0') ++intZeros;
    // The integer digits stand right-aligned on the placeholders with leading zeros; an
    // integer part longer than the placeholders prints whole at the first one.
    const bool zeroInteger = intLength == 1 && text[0] == '0';
    const std::size_t shown = (zeroInteger && intZeros == 0) ? 0 : intLength;
    const std::size_t width = std::max(shown, intZeros);
    auto intDigit = [&](std::size_t k) {  // k-th of `width` digits, leading zeros first
        const std::size_t pad = width - shown;
        return k < pad ? '0' : text[k - pad];
    };
    std::size_t intSeen = 0, fracSeen = 0;
    if (intZeros == 0)
        for (std::size_t k = 0; k < width; ++k) out += intDigit(k);
    for (std::size_t k = 0; k < section.size(); ++k) {
        const char c = section[k];
        if (k < intEnd) {
            if (c != '0') {
                out += c;
            } else if (intSeen == 0) {
                for (std::size_t j = 0; j <= width - intZeros; ++j) out += intDigit(j);
                intSeen = width - intZeros + 1;
            } else {
                out += intDigit(intSeen++);
            }
        } else if (k == intEnd) {
            if (decimals > 0) out += '.';
        } else if (c == '0') {
            out += fracSeen < fracLength ? fracDigits[fracSeen] : '0';
            ++fracSeen;
        } else {
            out += c;
        }
    }
    return out;
}

std::string HoursText(int style, double x) {
    const double h = Deg(NormalizeAngle(x)) / 15.0 + 1e-10;
    const double H = std::trunc(h);
    const double m = (h - H) * 60.0;
    const double M = std::trunc(m);
    const double s = (m - M) * 60.0;
    switch (style) {
        case 1: return FormatNumber("00 ", H) + FormatNumber("00 ", M) + FormatNumber("00.0", s);
        case 3: return FormatNumber("00h ", H) + FormatNumber("00m ", M) + FormatNumber("00s", s);
        default:
            return FormatNumber("00h ", H) + FormatNumber("00m ", M) + FormatNumber("00.00s", s);
    }
}

std::string DegreesText(int style, double x) {
    const double d = Deg(x);
    const std::string sign = d + 1e-10 >= 0 ? "+" : "-";
    const double a = std::fabs(d) + 1e-10;
    const double D = std::trunc(a);
    const double m = (a - D) * 60.0;
    const double M = std::trunc(m);
    const double s = (m - M) * 60.0;
    switch (style) {
        case 1:
            return sign + FormatNumber("00 ", D) + FormatNumber("00 ", M) + FormatNumber("00", s);
        case 3:
            return sign + FormatNumber("00° ", D) + FormatNumber("00", M) + "' " +
                   FormatNumber("00", s) + "\"";
        default:
            return sign + FormatNumber("00° ", D) + FormatNumber("00", M) + "' " +
                   FormatNumber("00.00", s) + "\"";
    }
}

double ParseFloat(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string s = text.substr(b, e - b);
    if (s == ".") return 0.0;
    std::size_t k = 0;
    bool neg = false;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) neg = s[k++] == '-';
    const std::size_t mantStart = k;
    std::size_t digits = 0;
    while (k < s.size() && s[k] >= '0' && s[k] <= '9') ++k, ++digits;
    if (k < s.size() && s[k] == '.') {
        ++k;
        while (k < s.size() && s[k] >= '0' && s[k] <= '9') ++k, ++digits;
    }
    if (digits == 0) ThrowInvalidFloat(text);
    // from_chars wants digits before the point and none after a trailing point.
    char normal[512];
    std::size_t n = 0;
    if (s[mantStart] == '.') normal[n++] = '0';
    const std::size_t mantEnd = (k > mantStart && s[k - 1] == '.') ? k - 1 : k;
    if (mantEnd - mantStart + 8 > sizeof normal) ThrowInvalidFloat(text);
    for (std::size_t j = mantStart; j < mantEnd; ++j) normal[n++] = s[j];
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        std::size_t j = k + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expDigits = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j == expDigits || j - k + n + 1 > sizeof normal) ThrowInvalidFloat(text);
        for (std::size_t m = k; m < j; ++m) normal[n++] = s[m] == 'E' ? 'e' : s[m];
        k = j;
    }
    if (k != s.size()) ThrowInvalidFloat(text);
    double v = 0;
    const auto res = std::from_chars(normal, normal + n, v);
    if (res.ec != std::errc() || res.ptr != normal + n || !std::isfinite(v))
        ThrowInvalidFloat(text);
    return neg ? -v : v;
}

int ParseInt(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string s = text.substr(b, e - b);
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    if (s.empty() || s[0] == '+') ThrowInvalidInteger(text);
    int v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) ThrowInvalidInteger(text);
    return v;
}

long long RoundHalfEven(double x) { return static_cast<long long>(std::nearbyint(x)); }

}  // namespace vagaris
