#include "shell/settings/SettingsFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "core/TextForms.h"

namespace vagaris {

namespace fs = std::filesystem;

namespace {

// The file's lines without their ends (CR LF, LF or CR), so a file edited by hand on any
// system reads the same.
std::vector<std::string> SplitSettingsLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const char c = bytes[k];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') ++k;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

std::string WithSeparator(std::string dir) {
    if (dir.empty() || dir.back() != fs::path::preferred_separator)
        dir += fs::path::preferred_separator;
    return dir;
}

// True when a file can be created in dir (the only reliable test of writability).
bool IsWritableDir(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    const fs::path probe = dir / ".vagaris-write-probe";
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}

std::string EnsureDir(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir))
        throw std::runtime_error("No se pudo crear la carpeta '" + dir.string() + "'");
    return WithSeparator(dir.string());
}

// The settings lines after the ninth, in file order. Later lines join this table: 12 the
// interface language (default "auto"), 13 the computation model (default "std").
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
    };
    return table;
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

void LoadSettings(const std::string& programDir, Settings& settings) {
    std::ifstream in(programDir + kSettingsFileName, std::ios::binary);
    if (!in) return;  // first run: the defaults stand
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<std::string> lines = SplitSettingsLines(bytes);
    // A line past the end of the file reads as an empty text.
    auto line = [&](std::size_t n) { return n <= lines.size() ? lines[n - 1] : std::string(); };

    settings.Lat = line(1);
    settings.Alt = line(2);
    settings.Res = line(3);
    settings.FWHM = line(4);
    // Line 5 is a constant, read and ignored.
    try {
        const int format = ParseInt(line(6));
        // The radio group holds two items; an index beyond them selects the nearest one.
        settings.ExposureFormat = format <= 0 ? 0 : 1;
    } catch (const EConvertError&) {
        return;  // a damaged line 6 ends the reading; the later settings keep their defaults
    }
    settings.MpcOrbPath = line(7);
    settings.Polar = line(8) != "CARTE";
    settings.PerMinute = line(9) != "SH";
    // Lines after the ninth: a missing line or a value that does not convert reads as the
    // default.
    for (const auto& extra : ExtraLines()) {
        const std::string text = line(extra.number);
        if (extra.valid(text)) settings.*extra.field = text;
    }
}

void SaveSettings(const std::string& programDir, const Settings& settings) {
    // Plain text, values as the boxes hold them (UTF-8: only a path can be non-ASCII).
    const std::string lines[] = {
        settings.Lat,
        settings.Alt,
        settings.Res,
        settings.FWHM,
        "000",
        std::to_string(settings.ExposureFormat),
        settings.MpcOrbPath,
        settings.Polar ? "POL" : "CARTE",
        settings.PerMinute ? "SM" : "SH",
    };
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    // The lines after the ninth only when one of them differs from its default, so the file
    // of a user who never touches them keeps its nine lines.
    const auto& extras = ExtraLines();
    const bool anyChanged = std::any_of(extras.begin(), extras.end(), [&](const ExtraLine& e) {
        return settings.*e.field != e.defaultText;
    });
    if (anyChanged)
        for (const auto& extra : extras) bytes += settings.*extra.field + "\r\n";
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
