#include "settings/SettingsFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "catalogs/LineFormats.h"
#include "core/Angles.h"
#include "core/AtomicFile.h"
#include "core/Errors.h"
#include "core/Message.h"
#include "core/ReadableFile.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "core/Words.h"
#include "settings/Language.h"

namespace vagaris {

namespace fs = std::filesystem;

namespace {

// The file's lines without their ends (CR LF, LF or CR), so a file edited by hand on any
// system reads the same: the catalogs' splitter. Lines are not cut: a path may be long, and
// kSettingsMaxBytes bounds the whole.
std::vector<std::string> SplitSettingsLines(const std::string& bytes) { return SplitLines(bytes); }

// A settings file is nine to a dozen short lines; a larger one is refused unread.
constexpr std::uint64_t kSettingsMaxBytes = std::uint64_t{64} << 20;  // [bytes]

std::string WithSeparator(std::string dir) {
    if (dir.empty() || dir.back() != fs::path::preferred_separator)
        dir += fs::path::preferred_separator;
    return dir;
}

// True when a file can be created in dir: by a probe of a fresh random name, created
// exclusively, so that nothing already in the folder (a link planted there) is opened.
bool IsWritableDir(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    return CanCreateFilesIn(dir.string());
}

std::string EnsureDir(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir))
        throw EMessage(Message("No se pudo crear la carpeta '%1'", {dir.string()}));
    return WithSeparator(dir.string());
}

// The settings lines after the ninth, in file order; a later line joins the end of the table.
struct ExtraLine {
    std::size_t number;
    std::string Settings::*field;
    const char* defaultText;
    bool (*valid)(const std::string& text);
};

const std::vector<ExtraLine>& ExtraLines() {
    static const std::vector<ExtraLine> table = {
        {10, &Settings::Lon, "+000.0", IsLongitudeText},
        {11, &Settings::TonightSort, "mag",
         [](const std::string& t) {
             return t == "mag" || t == "best" || t == "time" || t == "alt";
         }},
        // Any well-formed code is kept, even one this build has no translation for: the
        // language is then chosen as "auto" chooses it, and a later build may have it.
        {12, &Settings::Language, "auto",
         [](const std::string& t) { return t == kAutomaticLanguage || IsLanguageCode(t); }},
        {13, &Settings::Model, "std",
         [](const std::string& t) { return t == "std" || t == "precise"; }},
    };
    return table;
}

// True when the text reads as an integer.
bool IntegerConverts(const std::string& text) {
    try {
        ParseInt(text);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

// Latitude as the computations read it: characters 1-3 as a signed integer (the site
// constants) and characters 2-3 as whole degrees (the maximum altitude).
bool LatitudeConverts(const std::string& text) {
    return IntegerConverts(text.substr(0, 3)) &&
           IntegerConverts(text.size() > 1 ? text.substr(1, 2) : "");
}

// A resolution or FWHM converts when it is a number above 0: the longest exposure is that
// scale divided by the motion, and a scale of 0 or less has no meaning.
bool ScaleConverts(const std::string& text) {
    try {
        return ParseFloat(text) > 0;
    } catch (const EConvertError&) {
        return false;
    }
}

// One line of the file: how it is written and how it is read back. `read` returns false when
// the text does not convert; the setting then keeps its default.
struct SettingsLine {
    std::string (*write)(const Settings&);
    bool (*read)(const std::string& text, Settings&);
};

// The file, line by line. A line the file does not hold (an older, shorter file) keeps its
// default silently; later lines go at the end, so files written before them still read.
const SettingsLine kSettingsLines[] = {
    {[](const Settings& s) { return s.Lat; },
     [](const std::string& t, Settings& s) { return LatitudeConverts(t) && (s.Lat = t, true); }},
    {[](const Settings& s) { return s.Alt; },
     [](const std::string& t, Settings& s) { return IntegerConverts(t) && (s.Alt = t, true); }},
    {[](const Settings& s) { return s.Res; },
     [](const std::string& t, Settings& s) { return ScaleConverts(t) && (s.Res = t, true); }},
    {[](const Settings& s) { return s.FWHM; },
     [](const std::string& t, Settings& s) { return ScaleConverts(t) && (s.FWHM = t, true); }},
    // A constant, read and ignored.
    {[](const Settings&) { return std::string("000"); },
     [](const std::string&, Settings&) { return true; }},
    {[](const Settings& s) { return std::to_string(s.ExposureFormat); },
     [](const std::string& t, Settings& s) {
         if (!IntegerConverts(t)) return false;
         // The radio group holds two items; an index beyond them selects the nearest one.
         s.ExposureFormat = ParseInt(t) <= 0 ? 0 : 1;
         return true;
     }},
    {[](const Settings& s) { return s.MpcOrbPath; },
     [](const std::string& t, Settings& s) { return s.MpcOrbPath = t, true; }},
    {[](const Settings& s) { return std::string(s.Polar ? "POL" : "CARTE"); },
     [](const std::string& t, Settings& s) { return s.Polar = t != "CARTE", true; }},
    {[](const Settings& s) { return std::string(s.PerMinute ? "SM" : "SH"); },
     [](const std::string& t, Settings& s) { return s.PerMinute = t != "SH", true; }},
};

// "3", "3 y 6", "3, 4 y 6".
std::string ListOfNumbers(const std::vector<std::size_t>& numbers, Words words) {
    std::string out;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0) out += k + 1 == numbers.size() ? words(" y ") : std::string(", ");
        out += std::to_string(numbers[k]);
    }
    return out;
}

}  // namespace

bool IsLongitudeText(const std::string& text) {
    // Sign, three digits, point, one digit, within -180.0 … +180.0.
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[4] != '.') return false;
    for (const std::size_t k : {1u, 2u, 3u, 5u})
        if (text[k] < '0' || text[k] > '9') return false;
    const int tenths =
        ((text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0')) * 10 + (text[5] - '0');
    return tenths <= 1800;
}

std::string LongitudeText(double degrees) { return FormatNumber("+000.0;-000.0", degrees); }

std::optional<std::string> LoadSettings(const std::string& programDir, Settings& settings,
                                        Words words) {
    const std::string path = programDir + kSettingsFileName;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return std::nullopt;  // first run
    std::string bytes;
    // Opened and looked at on the descriptor (core/ReadableFile.h): a FIFO or a device put at
    // the name is told at once instead of waited on or read for ever. Every failure, a read
    // error of a damaged disk included, is told instead of escaping to the caller.
    try {
        bytes = ReadableFile(path).readAll(kSettingsMaxBytes);
    } catch (const EReadError& e) {
        // A folder keeps the plain message it always had.
        if (e.failure() == ReadFailure::NotRegular && status.type() != fs::file_type::directory)
            return FillPattern(
                words("No se puede leer %1: no es un archivo normal; se usan los valores por "
                      "omisión"),
                {path});
        return FillPattern(words("No se puede leer %1; se usan los valores por omisión"), {path});
    }

    const std::vector<std::string> lines = SplitSettingsLines(bytes);
    std::vector<std::size_t> rejected;
    const std::size_t count = std::min(lines.size(), std::size(kSettingsLines));
    for (std::size_t k = 0; k < count; ++k)
        if (!kSettingsLines[k].read(lines[k], settings)) rejected.push_back(k + 1);
    // Lines after the ninth: a line the file does not hold reads as its default silently.
    for (const auto& extra : ExtraLines()) {
        if (extra.number > lines.size()) continue;
        const std::string& text = lines[extra.number - 1];
        if (extra.valid(text))
            settings.*extra.field = text;
        else
            rejected.push_back(extra.number);
    }
    if (rejected.empty()) return std::nullopt;
    if (rejected.size() == 1)
        return FillPattern(words("%1, línea %2: valor no válido; se usa el valor por omisión"),
                           {path, ListOfNumbers(rejected, words)});
    return FillPattern(words("%1, líneas %2: valores no válidos; se usan los valores por omisión"),
                       {path, ListOfNumbers(rejected, words)});
}

void SaveSettings(const std::string& programDir, const Settings& settings) {
    // Plain text, values as the boxes hold them (UTF-8: only a path can be non-ASCII).
    std::string bytes;
    for (const SettingsLine& line : kSettingsLines) bytes += line.write(settings) + "\r\n";
    // The lines after the ninth up to the last one that differs from its default, so the file
    // of a user who never touches them keeps its nine lines, and a later setting left alone
    // adds nothing. Lines 10 and 11 came together and are written together.
    const auto& extras = ExtraLines();
    std::size_t count = 0;
    for (std::size_t k = 0; k < extras.size(); ++k)
        if (settings.*extras[k].field != extras[k].defaultText) count = k + 1;
    if (count > 0) count = std::max<std::size_t>(count, 2);
    for (std::size_t k = 0; k < count; ++k) bytes += settings.*extras[k].field + "\r\n";
    WriteFileAtomically(programDir + kSettingsFileName, bytes);
}

SiteConstants ComputeSite(const std::string& latText, const std::string& altText) {
    // Earth ellipsoid: equatorial radius 6378140 m, polar-to-equatorial axis ratio 0.99664719.
    constexpr double kAxisRatio = 0.99664719;
    constexpr double kEquatorialRadius = 6378140.0;  // [m]

    const double phi = Rad(ParseInt(latText.substr(0, 3)));  // whole degrees → [rad]
    const double h = ParseInt(altText);                      // [m]
    const double u = std::atan(kAxisRatio * std::tan(phi));
    SiteConstants site;
    site.RhoSinPhi = kAxisRatio * std::sin(u) + (h / kEquatorialRadius) * std::sin(phi);
    site.RhoCosPhi = std::cos(u) + (h / kEquatorialRadius) * std::cos(phi);
    site.RhoCosPhiText = FormatNumber("0.000000", site.RhoCosPhi);
    site.RhoSinPhiText = FormatNumber("0.000000", site.RhoSinPhi);
    return site;
}

bool DecideExtendedMode(const std::string& programDir) {
    std::error_code ec;
    return fs::exists(fs::path(programDir) / "modext.txt", ec) ||
           fs::exists(fs::path(programDir) / "457.txt", ec);
}

std::string ResolveProgramDir(const std::string& executableDir) {
    if (const char* home = std::getenv("VAGARIS_HOME"); home && *home) return EnsureDir(home);

    std::error_code ec;
    if (!executableDir.empty() && fs::exists(fs::path(executableDir) / kBuildTreeMarker, ec) &&
        IsWritableDir(executableDir))
        return WithSeparator(executableDir);

    fs::path dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && fs::path(xdg).is_absolute())
        dataHome = xdg;
    else if (const char* userHome = std::getenv("HOME"); userHome && *userHome)
        dataHome = fs::path(userHome) / ".local" / "share";
    else
        dataHome = fs::temp_directory_path();
    return EnsureDir(dataHome / "vagaris");
}

}  // namespace vagaris
