#pragma once
// Options shared by the subcommands: argument parsing, the object options
// (--catalog, --kind, --object, --name, --at) and the settings options
// (--lat, --alt, --res, --fwhm, --exposure-format, --polar, --cartesian, --per-minute,
// --per-hour). Settings come from vagaris.ini in ProgramDir; the flags override them.
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "core/Session.h"
#include "core/TextFile.h"

namespace vagaris::cli {

// A usage error: the subcommand prints the message and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParsedArgs {
    std::map<std::string, std::string> values;  // --option value
    std::set<std::string> flags;                // --switch
    std::vector<std::string> positional;
    bool has(const std::string& name) const { return values.count(name) || flags.count(name); }
    std::string value(const std::string& name, const std::string& fallback = "") const;
};

// Options that take a value and switches; anything else starting with "-" is a UsageError.
// "-o" is an ordinary valued option.
ParsedArgs ParseArgs(const CliArgList& args, std::set<std::string> valued,
                     std::set<std::string> switches);

// The shared option names, to add to a subcommand's own.
extern const std::set<std::string> kObjectValued;    // --catalog --kind --object --name --at
extern const std::set<std::string> kSettingsValued;  // --lat --alt --res --fwhm --exposure-format
extern const std::set<std::string>
    kSettingsSwitches;  // --polar --cartesian --per-minute --per-hour
std::set<std::string> Union(std::initializer_list<std::set<std::string>> sets);

// ProgramDir (as the window resolves it), settings from vagaris.ini, then the flags' overrides.
// Throws UsageError for contradictory or malformed flags.
void SetupSessionSettings(Session& session, const ParsedArgs& args);
// Loads --catalog (layout from the file name or --kind), selects --object N or the first
// --name match (case-insensitive), fills CatalogKind, CatalogLines, CometLines, selector names
// and Elements. Throws UsageError (bad options) or std::runtime_error (file, no match).
void SetupSessionObject(Session& session, const ParsedArgs& args);
// --at "dd/mm/yyyy hh:nn:ss" or "dd/mm/yyyy"; without it, now (UTC). Throws EConvertError.
Instant InstantOption(const Session& session, const ParsedArgs& args, const std::string& name);

// Writes text to stdout as UTF-8 with LF ends.
void PrintLines(const std::vector<std::string>& lines);
// Files are written with WriteFileAtomically and EncodeTextFile of core/TextFile.h.

// Runs body; maps UsageError → message + exit 2, other exceptions → message + exit 1.
int RunGuarded(const std::function<int()>& body);

}  // namespace vagaris::cli
