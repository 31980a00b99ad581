#pragma once
// Instants: days counted from 1899-12-30 00:00 UT, the fraction being the time of day.
// Every instant of the program is Universal Time.
#include <cstdint>
#include <string>

namespace vagaris {

using Instant = double;  // [days since 1899-12-30 00:00 UT]

inline constexpr Instant kInstantJ2000Day = 36526.0;  // 2000-01-01 00:00
inline constexpr double kMinute = 1.0 / 1440.0;       // [days]
// The Unix epoch, 1970-01-01 00:00 UT, as an instant.
inline constexpr std::int64_t kUnixEpochDay = 25569;

// Unix time [ms since 1970-01-01 00:00 UT] as an instant: the clock, file times. The one
// conversion between the two counts.
Instant InstantOfUnixMilliseconds(std::int64_t milliseconds);

// Julian day of an instant: t + 2415018.5.
double JulianDay(Instant t);
// Julian centuries from JD 2415020.0 (1900 January 0.5), used by the Sun and the obliquity.
double JulianCenturies1900(Instant t);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
// Instant of a calendar date at 00:00 (proleptic Gregorian). Throws EConvertError with
// "'<text>' is not a valid date" (text = what the caller read) when the date does not exist.
Instant EncodeDate(int year, int month, int day);
// Fraction of a day for a time of day; valid for 0..23:59:59.999 only.
double EncodeTime(int hour, int minute, int second, int millisecond = 0);

struct DateTimeFields {
    int year, month, day, hour, minute, second, millisecond;
};
// The instant rounded to the nearest millisecond, then split into calendar fields.
DateTimeFields DecodeInstant(Instant t);

// True when the instant, rounded to the millisecond as it is written, falls within the years
// 1 to 9999 (the dates the program reads); false for a non-finite instant.
bool IsWritableInstant(Instant t);

// Date-time patterns: d/dd, m/mm (month; mm right after hh: means minutes), yyyy, hh, nn,
// ss, text in single quotes printed literally, every other character copied.
// The instant is rounded to the millisecond first. Example: "dd/mm/yyyy  hh:nn".
std::string FormatInstant(const std::string& pattern, Instant t);

// "dd/mm/yyyy" (day, month, year with "/" separators) → the date at 00:00.
// Throws "'<text>' is not a valid date".
Instant ParseDateText(const std::string& text);
// "hh:nn:ss" (or "hh:nn") → fraction of the day. Throws "'<text>' is not a valid time".
double ParseTimeText(const std::string& text);

// Adds months to an instant as a calendar step: year and month move, the day is cut to the
// length of the new month, the time of day stays.
Instant AddMonths(Instant t, int months);

}  // namespace vagaris
