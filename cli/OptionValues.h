#pragma once
// An option's value read by its entry in the option table (cli/CommandLine.h): one function per
// kind applies the kind, the range and the exit-code rule. A value that is not of its kind or is
// outside its range is a wrong command line: UsageError, one line naming the option, exit 2.
//
// XOption returns the value given (the last one when repeated), nullopt when the option is
// not on the command line; XOrDefault returns the option's fallback then.
#include <cstddef>
#include <optional>
#include <string>

#include "cli/CommandLine.h"

namespace vagaris::cli {

std::optional<int> IntegerOption(const ParsedArgs& args, const std::string& name);
int IntegerOrDefault(const ParsedArgs& args, const std::string& name);

std::optional<double> RealOption(const ParsedArgs& args, const std::string& name);
double RealOrDefault(const ParsedArgs& args, const std::string& name);

// The index of the word in the option's choices.
std::optional<std::size_t> ChoiceOption(const ParsedArgs& args, const std::string& name);
std::size_t ChoiceOrDefault(const ParsedArgs& args, const std::string& name);
// The index of `text` among the option's choices, for a word the caller has put in its
// canonical form first (an abbreviation it also takes).
std::size_t ChoiceIndex(const OptionSpec& option, const std::string& text);

// The text given, else the option's fallback ("" without one).
std::string TextOrDefault(const ParsedArgs& args, const std::string& name);

// A required option that is missing: "falta --year AAAA".
void RequireOption(const ParsedArgs& args, const std::string& name);

// One end of a number's range as the help and the refusals write it.
std::string RangeEndText(const OptionSpec& option, double end);
// The choices as a sentence says them: "astro, nautical o civil".
std::string ChoiceList(const OptionSpec& option);

}  // namespace vagaris::cli
