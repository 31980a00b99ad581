#pragma once
// The command line of vagaris-cli as data: each subcommand is one CommandSpec (its options,
// one line on what it does, an example), from which the parser, the --help text and the
// manual page are all made, so the three cannot disagree.
//
// Adding a subcommand: write cmd_NAME.cpp with `int RunNAME(const ParsedArgs&)` and a
// `const CommandSpec kNAMECommand` listing its option groups (shared ones such as
// kObjectOptions, plus an array of its own), declare it in cli/Commands.h and add its address
// to kCommands in cli/Commands.cpp. Help, manual page and parsing follow from the table, and
// each option's value is read by its entry in the option table (kind, range, default) through
// cli/OptionValues.h.
#include <limits>
#include <map>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include <QtGlobal>

namespace vagaris::cli {

// A wrong command line: the message on one line, exit 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParsedArgs;

// What an option's value is, which says how it is read (cli/OptionValues.h).
enum class OptionKind {
    Text,     // taken as typed
    Integer,  // a whole number, optional sign
    Real,     // a decimal number
    Date,     // "dd/mm/aaaa" with an optional "hh:nn:ss"
    Choice,   // one of `choices`
    Flag,     // a switch without value
};

// A number with no bound on that side.
inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// How the help says a range ("%1" and "%2" are its ends) and a default (`%1` is the
// fallback), and what closes the help of a required option. The Spanish is the message
// identifier; each comes back translated.
inline constexpr const char* kRangeFromTo = QT_TRANSLATE_NOOP("CoreText", "de %1 a %2");
inline constexpr const char* kRangeTo = QT_TRANSLATE_NOOP("CoreText", "%1 a %2");
inline constexpr const char* kDefaultIs = QT_TRANSLATE_NOOP("CoreText", "por defecto %1");
inline constexpr const char* kDefaultNow = QT_TRANSLATE_NOOP("CoreText", "por defecto, ahora");
inline constexpr const char* kDefaultFromSettings =
    QT_TRANSLATE_NOOP("CoreText", "por defecto, la de vagaris.ini");
// "%1" is the value without the file.
inline constexpr const char* kDefaultFromSettingsOr =
    QT_TRANSLATE_NOOP("CoreText", "por defecto la de vagaris.ini, %1 sin archivo");
inline constexpr const char* kDefaultUnlessSettings =
    QT_TRANSLATE_NOOP("CoreText", "por defecto, si vagaris.ini no dice otra cosa");
inline constexpr const char* kDefaultToStandardOutput =
    QT_TRANSLATE_NOOP("CoreText", "por defecto, en la salida estándar");
inline constexpr const char* kDefaultText = QT_TRANSLATE_NOOP("CoreText", "por defecto, texto");
inline constexpr const char* kRequiredNote = QT_TRANSLATE_NOOP("CoreText", "Obligatoria.");

// One option as data: the parser, the help, the manual page and the reading of its value all
// come from here. In `help`, "%r" stands where the range is said, "%d" where the default is
// and "%c" where the choices are listed; a required option's help ends with kRequiredNote.
struct OptionSpec {
    const char* name;   // "--lat" or "-o"
    const char* value;  // the value's name in the help ("GRADOS"); nullptr for a switch
    const char* help;   // what it does (Spanish), with "%r", "%d" and "%c"
    OptionKind kind = OptionKind::Text;
    // The range of a number, its ends included unless `aboveMin`.
    double min = -kUnbounded;
    double max = kUnbounded;
    bool aboveMin = false;
    const char* rangeNote = nullptr;   // kRangeFromTo or kRangeTo; nullptr: not in the help
    const char* numberForm = nullptr;  // FormatNumber pattern of the range's ends, else shortest
    const char* choices = nullptr;     // the words a choice takes: "astro|nautical|civil"
    // The value without the option, as it would be typed ("320", "astro"); for a default
    // that comes from vagaris.ini, the value without the file.
    const char* fallback = nullptr;
    const char* defaultNote = nullptr;  // how the help says the default (kDefaultIs …)
    bool required = false;
    bool ranged() const { return min > -kUnbounded || max < kUnbounded; }
};

// What a subcommand's output holds, for the help and the manual page: one column of its table
// (its heading and what it holds), or a paragraph (name nullptr).
struct OutputItem {
    const char* name;     // the heading as the output prints it ("MAG"), or nullptr
    const char* meaning;  // what it holds (Spanish)
};

struct CommandSpec {
    const char* name;      // "circumstances"
    const char* summary;   // one line on what it does
    const char* synopsis;  // the usage after "vagaris-cli NAME", lines separated by '\n'
    std::vector<std::span<const OptionSpec>> options;
    const char* example;  // one command line (lines separated by '\n')
    int (*run)(const ParsedArgs&);
    // Without arguments the usage is printed and the exit code is 2, unless the subcommand
    // has something to do with none.
    bool runsWithoutArguments = false;
    // What the words that are not options mean, for the help; nullptr when none is taken.
    const char* arguments = nullptr;
    // What the output holds, after the options; empty when the summary says enough.
    std::span<const OutputItem> output = {};
};

struct ParsedArgs {
    std::map<std::string, std::vector<std::string>> values;  // --option value (each time given)
    std::set<std::string> flags;                             // --switch
    std::vector<std::string> positional;
    std::vector<const OptionSpec*> knownOptions;  // every option the command takes
    bool has(const std::string& name) const { return values.count(name) || flags.count(name); }
    // The last value given (an option repeated keeps the last one), else `fallback`.
    std::string value(const std::string& name, const std::string& fallback = "") const;
    // Every value given, in order (a repeatable option such as --catalog).
    std::vector<std::string> all(const std::string& name) const;
    // The option `name` as the command describes it; nullptr when it takes none such.
    const OptionSpec* optionNamed(const std::string& name) const;
};

// Parses the arguments after the subcommand's name against its options. Throws UsageError
// for an unknown option, a missing value, a value given to a switch or a word that no option
// takes where the subcommand takes no arguments. "--help" is the caller's business
// (HelpRequested).
ParsedArgs ParseCommandLine(const CommandSpec& command, const std::vector<std::string>& args);
// True when "--help" or "-h" stands among the options (before a "--").
bool HelpRequested(const std::vector<std::string>& args);

// The exit codes, for the help and the manual page.
struct ExitCodeText {
    int code;
    const char* meaning;
};
extern const std::span<const ExitCodeText> kExitCodes;

// An option's help as the user reads it: its text with the range and the default said from
// its entry in the option table, in the language of the interface.
std::string OptionHelp(const OptionSpec& option);

// "vagaris-cli NAME --help": what it does, usage, every option, an example, the exit codes.
std::string CommandHelp(const CommandSpec& command);
// "vagaris-cli NAME" without arguments: the usage lines and where to read more.
std::string CommandUsage(const CommandSpec& command);
// "vagaris-cli --help".
std::string ProgramHelp(std::span<const CommandSpec* const> commands, const std::string& version);
// The manual page vagaris-cli(1) in roff, made from the same texts.
std::string ManualPage(std::span<const CommandSpec* const> commands, const std::string& version);

}  // namespace vagaris::cli
