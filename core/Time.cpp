#include "core/Time.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/Errors.h"
#include "core/TextForms.h"

namespace vagaris {

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// The civil algorithm counts days from 1970-01-01, instants from 1899-12-30.
constexpr std::int64_t kUnixEpochInstant = kUnixEpochDay;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's civil algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::string Pad(int value, int width) {
    std::string s = std::to_string(value < 0 ? -value : value);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    if (value < 0) s.insert(s.begin(), '-');
    return s;
}

}  // namespace

double JulianDay(Instant t) { return t + 2415018.5; }
double JulianCenturies1900(Instant t) { return (t + 2415018.5 - 2415020.0) / 36525.0; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

Instant InstantOfUnixMilliseconds(std::int64_t milliseconds) {
    return static_cast<double>(kUnixEpochDay) +
           static_cast<double>(milliseconds) / static_cast<double>(kMsPerDay);
}

Instant EncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day))
        ThrowInvalidDate(Pad(day, 2) + "/" + Pad(month, 2) + "/" + Pad(year, 4));
    return static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kUnixEpochInstant);
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMsPerDay;
}

DateTimeFields DecodeInstant(Instant t) {
    const std::int64_t totalMs = std::llround(t * static_cast<double>(kMsPerDay));
    const std::int64_t dayNumber = FloorDiv(totalMs, kMsPerDay);
    std::int64_t msOfDay = totalMs - dayNumber * kMsPerDay;
    DateTimeFields f{};
    CivilFromDays(dayNumber - kUnixEpochInstant, f.year, f.month, f.day);
    f.hour = static_cast<int>(msOfDay / 3600000);
    msOfDay %= 3600000;
    f.minute = static_cast<int>(msOfDay / 60000);
    msOfDay %= 60000;
    f.second = static_cast<int>(msOfDay / 1000);
    f.millisecond = static_cast<int>(msOfDay % 1000);
    return f;
}

bool IsWritableInstant(Instant t) {
    // 01/01/0001 and 01/01/10000 as instants; the half millisecond is the rounding of
    // DecodeInstant, so the test agrees with the date it writes.
    constexpr double kFirstDay = -693593.0;
    constexpr double kDayAfterLast = 2958466.0;
    constexpr double kHalfMs = 0.5 / kMsPerDay;
    return t >= kFirstDay - kHalfMs && t < kDayAfterLast - kHalfMs;
}

std::string FormatInstant(const std::string& pattern, Instant t) {
    const DateTimeFields f = DecodeInstant(t);
    std::string out;
    out.reserve(pattern.size() + 8);
    bool lastWasHour = false;  // "m" right after an hour token means minutes
    std::size_t i = 0;
    auto run = [&](char c) {
        std::size_t n = 0;
        while (i + n < pattern.size() && (pattern[i + n] | 0x20) == c) ++n;
        return n;
    };
    while (i < pattern.size()) {
        const char c = pattern[i];
        const char lc = static_cast<char>(c | 0x20);
        if (c == '\'' || c == '"') {
            const std::size_t end = pattern.find(c, i + 1);
            if (end == std::string::npos) {
                out.append(pattern, i + 1, std::string::npos);
                break;
            }
            out.append(pattern, i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (lc == 'd' || lc == 'm' || lc == 'y' || lc == 'h' || lc == 'n' || lc == 's' ||
            lc == 'z') {
            const std::size_t n = run(lc);
            switch (lc) {
                case 'd': out += Pad(f.day, n >= 2 ? 2 : 1); break;
                case 'm':
                    if (lastWasHour)
                        out += Pad(f.minute, n >= 2 ? 2 : 1);
                    else
                        out += Pad(f.month, n >= 2 ? 2 : 1);
                    break;
                case 'y':
                    if (n <= 2)
                        out += Pad(f.year % 100, 2);
                    else
                        out += Pad(f.year, 4);
                    break;
                case 'h': out += Pad(f.hour, n >= 2 ? 2 : 1); break;
                case 'n': out += Pad(f.minute, n >= 2 ? 2 : 1); break;
                case 's': out += Pad(f.second, n >= 2 ? 2 : 1); break;
                case 'z': out += Pad(f.millisecond, n >= 3 ? 3 : 1); break;
            }
            lastWasHour = (lc == 'h');
            i += n;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

Instant ParseDateText(const std::string& text) {
    const std::string s = Trim(text);
    const std::size_t a = s.find('/');
    const std::size_t b = a == std::string::npos ? a : s.find('/', a + 1);
    if (b == std::string::npos || s.find('/', b + 1) != std::string::npos) ThrowInvalidDate(text);
    const std::string d = Trim(s.substr(0, a)), m = Trim(s.substr(a + 1, b - a - 1)),
                      y = Trim(s.substr(b + 1));
    if (!AllDigits(d) || !AllDigits(m) || !AllDigits(y) || d.size() > 2 || m.size() > 2 ||
        y.size() > 4)
        ThrowInvalidDate(text);
    const int day = std::stoi(d), month = std::stoi(m), year = std::stoi(y);
    if (!IsValidDate(year, month, day)) ThrowInvalidDate(text);
    return EncodeDate(year, month, day);
}

double ParseTimeText(const std::string& text) {
    const std::string s = Trim(text);
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = s.find(':', start);
        const std::string piece =
            Trim(s.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
        if (count == 3 || !AllDigits(piece) || piece.size() > 2) ThrowInvalidTime(text);
        parts[count++] = std::stoi(piece);
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    if (count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) ThrowInvalidTime(text);
    return EncodeTime(parts[0], parts[1], parts[2]);
}

Instant AddMonths(Instant t, int months) {
    const double dayNumber = std::floor(t);
    const double timeOfDay = t - dayNumber;
    int y, m, d;
    CivilFromDays(static_cast<std::int64_t>(dayNumber) - kUnixEpochInstant, y, m, d);
    const int total = y * 12 + (m - 1) + months;
    int ny = total / 12, nm = total % 12;
    if (nm < 0) {
        nm += 12;
        --ny;
    }
    ++nm;
    const int nd = std::min(d, DaysInMonth(ny, nm));
    return static_cast<double>(
               DaysFromCivil(ny, static_cast<unsigned>(nm), static_cast<unsigned>(nd)) +
               kUnixEpochInstant) +
           timeOfDay;
}

}  // namespace vagaris
