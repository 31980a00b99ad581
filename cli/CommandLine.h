#pragma once
// The command line of vagaris-cli as data: each subcommand is one CommandSpec (its options,
// one line on what it does, an example), from which the parser, the --help text and the
// manual page are all made, so the three cannot disagree.
//
// Adding a subcommand: write cmd_NAME.cpp with `int RunNAME(const ParsedArgs&)` and a
// `const CommandSpec kNAMECommand` listing its option groups (shared ones such as
// kObjectOptions, plus an array of its own), declare it in cli/Commands.h and add its address
// to kCommands in cli/Commands.cpp. Help, manual page and parsing follow from the table.
#include <map>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vagaris::cli {

// A wrong command line: the message on one line, exit 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParsedArgs;

struct OptionSpec {
    const char* name;   // "--lat" or "-o"
    const char* value;  // the value's name in the help ("GRADOS"); nullptr for a switch
    const char* help;   // what it does, its range and its default (Spanish)
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
    bool has(const std::string& name) const { return values.count(name) || flags.count(name); }
    // The last value given (an option repeated keeps the last one), else `fallback`.
    std::string value(const std::string& name, const std::string& fallback = "") const;
    // Every value given, in order (a repeatable option such as --catalog).
    std::vector<std::string> all(const std::string& name) const;
};

// Parses the arguments after the subcommand's name against its options. Throws UsageError
// for an unknown option, a missing value or a value given to a switch. "--help" is the
// caller's business (HelpRequested).
ParsedArgs ParseCommandLine(const CommandSpec& command, const std::vector<std::string>& args);
// True when "--help" or "-h" stands among the options (before a "--").
bool HelpRequested(const std::vector<std::string>& args);

// The exit codes, for the help and the manual page.
struct ExitCodeText {
    int code;
    const char* meaning;
};
extern const std::span<const ExitCodeText> kExitCodes;

// "vagaris-cli NAME --help": what it does, usage, every option, an example, the exit codes.
std::string CommandHelp(const CommandSpec& command);
// "vagaris-cli NAME" without arguments: the usage lines and where to read more.
std::string CommandUsage(const CommandSpec& command);
// "vagaris-cli --help".
std::string ProgramHelp(std::span<const CommandSpec* const> commands, const std::string& version);
// The manual page vagaris-cli(1) in roff, made from the same texts.
std::string ManualPage(std::span<const CommandSpec* const> commands, const std::string& version);

}  // namespace vagaris::cli
