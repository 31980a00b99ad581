// An option's help from its entry in the option table: the range and the default are said from the
// option's fields, so the help cannot drift from what the option takes.
#include <string>

#include "cli/CliText.h"
#include "cli/CommandLine.h"
#include "cli/OptionValues.h"
#include "translations/Translations.h"

namespace vagaris::cli {

namespace {

void ReplaceMarker(std::string& text, const char* marker, const std::string& by) {
    const std::string m = marker;
    for (auto at = text.find(m); at != std::string::npos; at = text.find(m, at + by.size()))
        text.replace(at, m.size(), by);
}

}  // namespace

std::string OptionHelp(const OptionSpec& option) {
    std::string text = TrCoreUtf8(option.help);
    if (option.rangeNote)
        ReplaceMarker(text, "%r",
                      Say(option.rangeNote,
                          {RangeEndText(option, option.min), RangeEndText(option, option.max)}));
    if (option.defaultNote)
        ReplaceMarker(text, "%d",
                      Say(option.defaultNote, {option.fallback ? option.fallback : ""}));
    if (option.choices) ReplaceMarker(text, "%c", ChoiceList(option));
    if (option.required) text += " " + TrCoreUtf8(kRequiredNote);
    return text;
}

}  // namespace vagaris::cli
