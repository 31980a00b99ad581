#include "outputs/tonight/TonightTexts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <future>
#include <thread>
#include <vector>

#include "core/Angles.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"
#include "core/Words.h"

namespace vagaris::tonight {

namespace {

constexpr const char* kTimePattern = "hh:nn";
constexpr const char* kDatePattern = "dd/mm/yyyy";
constexpr const char* kDateTimePattern = "dd/mm/yyyy hh:nn";

// Shortest text that reads back to the same double (locale-independent).
std::string Number(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

// The latitude the night was computed at [deg], signed: whole degrees as the page's box gives
// them ("+40"), else with the decimals that give back the value used ("+48.5", "-0.4"): a
// rounded latitude would show a site whose night can differ (darkness at 48.5°, none at 49°).
std::string LatitudeText(double degrees) {
    if (degrees == std::trunc(degrees)) return FormatNumber("+0;-0", degrees);
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, degrees, std::chars_format::fixed);
    const std::string digits(buf, res.ptr);
    return degrees < 0 ? digits : "+" + digits;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

// A CSV field: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Pad(const std::string& text, std::size_t width, bool right) {
    const std::size_t n = Utf8Length(text);
    if (n >= width) return text;
    const std::string blanks(width - n, ' ');
    return right ? blanks + text : text + blanks;
}

struct Cell {
    std::string key;  // JSON key
    std::string value;
};

// A row's values in the JSON order, as JSON texts (numbers unrounded).
std::vector<Cell> JsonCells(const Row& row) {
    const auto optional = [](const std::optional<double>& v) {
        return v ? Number(*v) : std::string("null");
    };
    return {
        {"index", row.index < 0 ? std::string("null") : std::to_string(row.index)},
        {"catalog", JsonString(row.catalog)},
        {"name", JsonString(row.name)},
        {"magnitude", Number(row.magnitude)},
        {"window_start", JsonString(FormatInstant(kDateTimePattern, row.windowStart))},
        {"window_end", JsonString(FormatInstant(kDateTimePattern, row.windowEnd))},
        {"observable_minutes", std::to_string(row.observableMinutes)},
        {"best_time", JsonString(FormatInstant(kDateTimePattern, row.bestTime))},
        {"best_altitude", Number(row.bestAltitude)},
        {"best_azimuth", Number(row.bestAzimuth)},
        {"elongation", Number(row.elongation)},
        {"delta", Number(row.delta)},
        {"sun_distance", Number(row.sunDistance)},
        {"motion", Number(row.motion)},
        {"position_angle", Number(row.positionAngle)},
        {"moon_separation", Number(row.moonSeparation)},
        {"element_age_days", optional(row.elementAgeDays)},
        {"days_from_perihelion", optional(row.daysFromPerihelion)},
    };
}

std::size_t RowCount(const Result& result, std::optional<int> limit) {
    if (!limit || *limit < 0) return result.rows.size();
    return std::min<std::size_t>(result.rows.size(), static_cast<std::size_t>(*limit));
}

// The fixed-width table's columns: ASCII heading (Spanish, its message identifier), width,
// right-aligned.
struct TextColumn {
    Column column;
    const char* heading;
    std::size_t width;
    bool right;
};

}  // namespace

std::string TwilightName(double limit) {
    if (limit == kTwilightNautical) return "nautical";
    if (limit == kTwilightCivil) return "civil";
    return "astro";
}

std::optional<double> TwilightFromName(const std::string& name) {
    if (name == "astro") return kTwilightAstronomical;
    if (name == "nautical") return kTwilightNautical;
    if (name == "civil") return kTwilightCivil;
    return std::nullopt;
}

std::string AgeMark(double days) {
    const double a = std::fabs(days);
    if (a > kVeryOldElementsDays) return "**";
    if (a > kOldElementsDays) return "*";
    return "";
}

bool ShowsCatalog(const Result& result) { return result.catalogNames.size() > 1; }

std::string HoursMinutes(int minutes) {
    const int m = minutes % 60;
    return std::to_string(minutes / 60) + ":" + (m < 10 ? "0" : "") + std::to_string(m);
}

std::vector<std::string> HeaderLines(const Result& r, Words t) {
    const NightSky& sky = r.sky;
    std::vector<std::string> lines;
    lines.push_back(FillPattern(t("Noche del %1 al %2 (%3 a %4 T.U.)"),
                                {FormatInstant(kDatePattern, r.request.date),
                                 FormatInstant(kDatePattern, r.request.date + 1),
                                 FormatInstant(kDateTimePattern, sky.first),
                                 FormatInstant(kDateTimePattern, sky.MinuteAt(sky.minutes - 1))}));
    lines.push_back(FillPattern(t("Lugar: latitud %1°, longitud %2°"),
                                {LatitudeText(r.request.latitudeDeg),
                                 FormatNumber("+000.0;-000.0", r.request.longitudeDeg)}));
    if (r.request.precise)
        lines.push_back(t(PreciseModelLine(r.request.geocentric, r.request.twoBody)));
    const std::string sunLimit = FormatNumber("0", Deg(r.request.twilightLimit));
    if (sky.darkFirst < 0)
        lines.push_back(t("Sin oscuridad esta noche"));
    else
        lines.push_back(
            FillPattern(t("Oscuridad (Sol a -%1°): %2 a %3 T.U."),
                        {sunLimit, FormatInstant(kTimePattern, sky.MinuteAt(sky.darkFirst)),
                         FormatInstant(kTimePattern, sky.MinuteAt(sky.darkLast))}));
    lines.push_back(FillPattern(t("Luna iluminada a medianoche: %1%"),
                                {FormatNumber("0", sky.moonIllumination * 100)}));
    const Limits& l = r.request.limits;
    lines.push_back(
        FillPattern(t("Límites: magnitud %1, altura %2°, %3 min, Luna a %4°"),
                    {FormatNumber("0.0;-0.0", l.magnitude), FormatNumber("0", l.minAltitudeDeg),
                     std::to_string(l.minMinutes), FormatNumber("0", l.moonSeparationDeg)}) +
        (l.moonDown ? t(", Luna bajo el horizonte") : std::string()));
    for (const auto& name : r.missing)
        lines.push_back(FillPattern(t("Catálogo no encontrado: %1"), {name}));
    lines.push_back(FillPattern(t("Objetos considerados: %1"), {std::to_string(r.considered)}));
    lines.push_back(FillPattern(t("%1 líneas no válidas"), {std::to_string(r.invalidLines)}));
    lines.push_back(FillPattern(t("Objetos en la lista: %1"), {std::to_string(r.rows.size())}));
    return lines;
}

std::vector<std::string> TableLines(const Result& r, std::optional<int> limit, Words t) {
    std::vector<TextColumn> columns = {
        {Column::Index, "N", 5, true},
        {Column::Name, "OBJETO", 30, false},
        {Column::Catalog, "CATALOGO", 24, false},
        {Column::Magnitude, "MAG", 5, true},
        {Column::Start, "INICIO", 6, false},
        {Column::End, "FIN", 5, false},
        {Column::Hours, "HORAS", 5, true},
        {Column::Best, "MEJOR", 5, false},
        {Column::Altitude, "ALT", 3, true},
        {Column::Azimuth, "AZ", 3, true},
        {Column::Elongation, "ELN", 3, true},
        {Column::Delta, "D(UA)", 8, true},
        {Column::SunDistance, "R(UA)", 8, true},
        {Column::Motion, "\"/MIN", 7, true},
        {Column::PositionAngle, "AP", 5, true},
        {Column::Moon, "LUNA", 4, true},
        {Column::Age, "EDAD", 8, true},
        {Column::Perihelion, "PERIH", 8, true},
    };
    const bool withCatalog = ShowsCatalog(r);
    std::size_t nameWidth = 6;
    for (const auto& row : r.rows) nameWidth = std::max(nameWidth, Utf8Length(row.name));
    std::size_t catalogWidth = 8;
    for (const auto& name : r.catalogNames) catalogWidth = std::max(catalogWidth, Utf8Length(name));
    std::vector<TextColumn> used;
    for (auto c : columns) {
        if (c.column == Column::Catalog && !withCatalog) continue;
        if (c.column == Column::Name) c.width = nameWidth;
        if (c.column == Column::Catalog) c.width = catalogWidth;
        used.push_back(c);
    }
    std::vector<std::string> lines = HeaderLines(r, t);
    lines.emplace_back();
    std::string heading, separator;
    for (const auto& c : used) {
        heading += Pad(t(c.heading), c.width, c.right) + "  ";
        separator += std::string(c.width, '-') + "  ";
    }
    const auto trimEnd = [](std::string s) {
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    };
    lines.push_back(trimEnd(heading));
    lines.push_back(trimEnd(separator));
    const std::size_t n = RowCount(r, limit);
    for (std::size_t k = 0; k < n; ++k) {
        const Row& row = r.rows[k];
        std::string line;
        for (const auto& c : used) {
            std::string text = CellText(row, c.column);
            if (c.column == Column::Age && row.elementAgeDays) text += AgeMark(*row.elementAgeDays);
            if (c.column == Column::Perihelion && row.daysFromPerihelion)
                text += AgeMark(*row.daysFromPerihelion);
            line += Pad(text, c.width, c.right) + "  ";
        }
        lines.push_back(trimEnd(line));
    }
    return lines;
}

const std::vector<std::string>& RowKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (const auto& cell : JsonCells(Row{})) k.push_back(cell.key);
        return k;
    }();
    return keys;
}

std::string CsvText(const Result& r, std::optional<int> limit) {
    std::string out;
    const auto& keys = RowKeys();
    for (std::size_t k = 0; k < keys.size(); ++k) out += (k ? "," : "") + keys[k];
    out += "\n";
    const std::size_t n = RowCount(r, limit);
    for (std::size_t k = 0; k < n; ++k) {
        const Row& row = r.rows[k];
        const auto cells = JsonCells(row);
        std::string line;
        for (std::size_t j = 0; j < cells.size(); ++j) {
            std::string value = cells[j].value;
            if (value == "null") value.clear();
            // Strings without their JSON quotes (no escape is needed in names and dates).
            if (cells[j].key == "catalog") value = row.catalog;
            if (cells[j].key == "name") value = row.name;
            if (cells[j].key == "window_start" || cells[j].key == "window_end" ||
                cells[j].key == "best_time")
                value = value.substr(1, value.size() - 2);
            line += (j ? "," : "") + CsvField(value);
        }
        out += line + "\n";
    }
    return out;
}

namespace {

// The JSON objects of rows [from, to), each after ", " but the list's first.
void AppendJsonRows(const Result& r, std::size_t from, std::size_t to, std::string& out) {
    for (std::size_t k = from; k < to; ++k) {
        out += k ? ", {" : "{";
        const auto cells = JsonCells(r.rows[k]);
        for (std::size_t j = 0; j < cells.size(); ++j) {
            if (j) out += ", ";
            out += JsonString(cells[j].key);
            out += ": ";
            out += cells[j].value;
        }
        out += "}";
    }
}

}  // namespace

std::string JsonText(const Result& r, std::optional<int> limit, int threads) {
    const NightSky& sky = r.sky;
    std::string out = "{";
    out += "\"date\": " + JsonString(FormatInstant(kDatePattern, r.request.date));
    out += ", \"latitude\": " + Number(r.request.latitudeDeg);
    out += ", \"longitude\": " + Number(r.request.longitudeDeg);
    out += ", \"twilight\": " + JsonString(TwilightName(r.request.twilightLimit));
    if (r.request.precise) out += ", \"model\": \"precise\"";
    out += ", \"dark_start\": " +
           (sky.darkFirst < 0
                ? std::string("null")
                : JsonString(FormatInstant(kDateTimePattern, sky.MinuteAt(sky.darkFirst))));
    out += ", \"dark_end\": " +
           (sky.darkLast < 0
                ? std::string("null")
                : JsonString(FormatInstant(kDateTimePattern, sky.MinuteAt(sky.darkLast))));
    out += ", \"moon_illumination\": " + Number(sky.moonIllumination);
    out += ", \"considered\": " + std::to_string(r.considered);
    out += ", \"invalid_lines\": " + std::to_string(r.invalidLines);
    out += ", \"listed\": " + std::to_string(r.rows.size());
    out += ", \"missing_catalogs\": [";
    for (std::size_t k = 0; k < r.missing.size(); ++k)
        out += (k ? ", " : "") + JsonString(r.missing[k]);
    out += "], \"rows\": [";
    const std::size_t n = RowCount(r, limit);
    // A long list (MPCOrb.dat's) is megabytes: its rows are written in parts on the
    // processors at once, each part with room for its rows (about 600 bytes each), then joined.
    constexpr std::size_t kRowsPerPart = 4096;
    const auto workers = static_cast<std::size_t>(
        threads > 0 ? threads : std::max(1, static_cast<int>(std::thread::hardware_concurrency())));
    const std::size_t parts = std::min(workers, (n + kRowsPerPart - 1) / kRowsPerPart);
    if (parts <= 1) {
        out.reserve(out.size() + n * 640 + 16);
        AppendJsonRows(r, 0, n, out);
    } else {
        std::vector<std::future<std::string>> pieces;
        for (std::size_t p = 0; p < parts; ++p)
            pieces.push_back(std::async(std::launch::async, [&r, n, p, parts] {
                const std::size_t from = n * p / parts, to = n * (p + 1) / parts;
                std::string piece;
                piece.reserve((to - from) * 640);
                AppendJsonRows(r, from, to, piece);
                return piece;
            }));
        std::vector<std::string> written;
        std::size_t size = out.size() + 16;
        for (auto& piece : pieces) size += written.emplace_back(piece.get()).size();
        out.reserve(size);
        for (const auto& piece : written) out += piece;
    }
    out += "]}";
    return out;
}

std::vector<Column> TableColumns(bool withCatalog) {
    std::vector<Column> all;
    for (int c = 0; c <= static_cast<int>(Column::Perihelion); ++c) {
        const auto column = static_cast<Column>(c);
        if (column == Column::Catalog && !withCatalog) continue;
        all.push_back(column);
    }
    return all;
}

std::string ColumnCaption(Column column, Words t) {
    switch (column) {
        case Column::Index: return t("N");
        case Column::Name: return t("Objeto");
        case Column::Catalog: return t("Catálogo");
        case Column::Magnitude: return t("Mag");
        case Column::Start: return t("Inicio");
        case Column::End: return t("Fin");
        case Column::Hours: return t("Horas");
        case Column::Best: return t("Mejor");
        case Column::Altitude: return t("Alt.");
        case Column::Azimuth: return t("Az.");
        case Column::Elongation: return t("Elong.");
        case Column::Delta: return t("D(UA)");
        case Column::SunDistance: return t("R(UA)");
        case Column::Motion: return t("\"/min");
        case Column::PositionAngle: return t("AP");
        case Column::Moon: return t("Luna");
        case Column::Age: return t("Edad");
        case Column::Perihelion: return t("Perih.");
    }
    return {};
}

std::string CellText(const Row& row, Column column) {
    switch (column) {
        case Column::Index: return row.index < 0 ? std::string() : std::to_string(row.index);
        case Column::Name: return row.name;
        case Column::Catalog: return row.catalog;
        case Column::Magnitude: return FormatNumber("0.0;-0.0", row.magnitude);
        case Column::Start: return FormatInstant(kTimePattern, row.windowStart);
        case Column::End: return FormatInstant(kTimePattern, row.windowEnd);
        case Column::Hours: return HoursMinutes(row.observableMinutes);
        case Column::Best: return FormatInstant(kTimePattern, row.bestTime);
        case Column::Altitude: return FormatNumber("0;-0", row.bestAltitude);
        case Column::Azimuth: return FormatNumber("0", row.bestAzimuth);
        case Column::Elongation: return FormatNumber("0", row.elongation);
        case Column::Delta: return FormatNumber("0.0000", row.delta);
        case Column::SunDistance: return FormatNumber("0.0000", row.sunDistance);
        case Column::Motion: return FormatNumber("0.00", row.motion);
        case Column::PositionAngle: return FormatNumber("0.0", row.positionAngle);
        case Column::Moon: return FormatNumber("0", row.moonSeparation);
        case Column::Age:
            return row.elementAgeDays ? FormatNumber("0;-0", *row.elementAgeDays) : std::string();
        case Column::Perihelion:
            return row.daysFromPerihelion ? FormatNumber("0;-0", *row.daysFromPerihelion)
                                          : std::string();
    }
    return {};
}

std::optional<SortKey> SortOfColumn(Column column) {
    switch (column) {
        case Column::Magnitude: return SortKey::Magnitude;
        case Column::Best: return SortKey::Best;
        case Column::Hours: return SortKey::Time;
        case Column::Altitude: return SortKey::Altitude;
        default: return std::nullopt;
    }
}

int AgeLevel(const Row& row) {
    const std::optional<double>& days =
        row.elementAgeDays ? row.elementAgeDays : row.daysFromPerihelion;
    if (!days) return 0;
    const std::string mark = AgeMark(*days);
    return static_cast<int>(mark.size());
}

}  // namespace vagaris::tonight
