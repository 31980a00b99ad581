#pragma once
// The ranked night as texts: the header lines, the fixed-width table (the CLI's text output
// and the saved text file), CSV and JSON, and the cells of the window's table. Pure layout.
#include <optional>
#include <string>
#include <vector>

#include "core/Words.h"
#include "outputs/tonight/TonightRanking.h"

namespace vagaris::tonight {

// "astro", "nautical" or "civil" for one of the program's three twilight limits.
std::string TwilightName(double twilightLimit);
std::optional<double> TwilightFromName(const std::string& name);

// The elements' age or the time from the perihelion, in either direction [days], beyond which
// a row's elements are old ("*", amber in the window) and very old ("**", red).
inline constexpr double kOldElementsDays = 200, kVeryOldElementsDays = 1000;

// "" up to kOldElementsDays, "*" beyond, "**" beyond kVeryOldElementsDays (the elements' age
// or the time from the perihelion, in either direction).
std::string AgeMark(double days);

// Whether the rows show their catalog (several catalogs ranked together).
bool ShowsCatalog(const Result& result);

// Header: night, site (the latitude used, with its decimals when it is not whole), dark
// period, Moon, counts, missing catalogs, rows.
// The words in the language of `words` (numbers, dates and columns as in Spanish).
std::vector<std::string> HeaderLines(const Result& result, Words words = SpanishWords);

// The header, an empty line, the ASCII column heading, its separator and one line per row
// (the first `limit` rows when given). UTF-8; the saved file converts it to Windows-1252.
std::vector<std::string> TableLines(const Result& result, std::optional<int> limit = {},
                                    Words words = SpanishWords);

// CSV: a heading row with the JSON key names, then one row per object; comma separator, dot
// decimals, numbers unrounded, UTF-8, LF ends.
std::string CsvText(const Result& result, std::optional<int> limit = {});

// The JSON object of `vagaris-cli tonight --json` (one line).
// `threads` write the rows of a long list at once (0: one per processor).
std::string JsonText(const Result& result, std::optional<int> limit = {}, int threads = 0);

// The JSON key names of a row, in order.
const std::vector<std::string>& RowKeys();

// The window's columns.
enum class Column {
    Index,
    Name,
    Catalog,
    Magnitude,
    Start,
    End,
    Hours,
    Best,
    Altitude,
    Azimuth,
    Elongation,
    Delta,
    SunDistance,
    Motion,
    PositionAngle,
    Moon,
    Age,
    Perihelion
};
std::vector<Column> TableColumns(bool withCatalog);
// "N", "Objeto", "Catálogo", "Mag", ... in the language of `words`.
std::string ColumnCaption(Column column, Words words = SpanishWords);
std::string CellText(const Row& row, Column column);
// The sort a click on a column header asks for, when that column has one.
std::optional<SortKey> SortOfColumn(Column column);
// The age cell's warning: 0 none, 1 older than 200 days (amber), 2 than 1000 days (red).
int AgeLevel(const Row& row);

// "h:mm" of a number of minutes.
std::string HoursMinutes(int minutes);

}  // namespace vagaris::tonight
