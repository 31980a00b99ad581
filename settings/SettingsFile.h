#pragma once
// "vagaris.ini": nine lines (more when the later settings differ from their defaults), CR LF; the
// observer's site constants; the extended mode.
#include <optional>
#include <string>

#include "core/Session.h"
#include "core/Words.h"

namespace vagaris {

inline constexpr const char* kSettingsFileName = "vagaris.ini";

// Reads ProgramDir + "vagaris.ini" into `settings`. Nothing happens when the file is absent
// or empty (a first run), and lines the file does not hold keep their defaults. A value that
// does not convert keeps its default too; the returned message names the file and those
// lines, once for all of them. A file that cannot be read (a folder, no permission, a read
// error) leaves every default and returns a message naming it. Never throws.
// The message is in the language of `words` (the window's and vagaris-cli's translator).
std::optional<std::string> LoadSettings(const std::string& programDir, Settings& settings,
                                        Words words = SpanishWords);
// True for a longitude text as the box and settings line 10 hold it: sign, three digits,
// point, one digit ("+000.0", "-003.7"), within -180.0 … +180.0.
bool IsLongitudeText(const std::string& text);
// The same text for a value (rounded to the tenth).
std::string LongitudeText(double degrees);
// Writes the nine lines atomically, then lines 10 on up to the last one that differs from its
// default (lines 10 and 11 always together).
// Throws std::runtime_error with the reason on failure.
void SaveSettings(const std::string& programDir, const Settings& settings);

struct SiteConstants {
    double RhoCosPhi = 0, RhoSinPhi = 0;
    std::string RhoCosPhiText, RhoSinPhiText;  // "0.000000"
};
// From the meLat and meAlt texts. Throws EConvertError for a text that is not an integer.
SiteConstants ComputeSite(const std::string& latText, const std::string& altText);

// True when "modext.txt" or "457.txt" exists in programDir.
bool DecideExtendedMode(const std::string& programDir);

// The build writes this file beside the executables it makes, and installing never copies it:
// a program run from its build tree keeps its files beside it, as it always did, while an
// installed one never takes its executables' folder, even where it could write there (root
// can write /usr/bin).
inline constexpr const char* kBuildTreeMarker = "vagaris-build-tree.txt";

// The program directory: VAGARIS_HOME when set; else the executables' directory when it is a
// build tree (kBuildTreeMarker) and writable; else the per-user data directory (XDG_DATA_HOME
// or ~/.local/share, + "vagaris"). Created when missing; always ends with a path separator.
std::string ResolveProgramDir(const std::string& executableDir);

}  // namespace vagaris
