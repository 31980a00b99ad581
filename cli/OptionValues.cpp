#include "cli/OptionValues.h"

#include <charconv>
#include <stdexcept>
#include <vector>

#include <QtGlobal>
#include "cli/CliText.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "translations/Translations.h"

namespace vagaris::cli {

namespace {

const OptionSpec& OptionOf(const ParsedArgs& args, const std::string& name) {
    const OptionSpec* option = args.optionNamed(name);
    if (!option) throw std::logic_error("no option " + name);
    return *option;
}

const char* FallbackOf(const OptionSpec& option) {
    if (!option.fallback) throw std::logic_error(std::string("no default for ") + option.name);
    return option.fallback;
}

std::vector<std::string> Words(const char* choices) {
    std::vector<std::string> words;
    std::string word;
    for (const char* c = choices; *c; ++c) {
        if (*c == '|') {
            words.push_back(word);
            word.clear();
        } else {
            word += *c;
        }
    }
    words.push_back(word);
    return words;
}

void CheckRange(const OptionSpec& option, double v, const std::string& text) {
    if (option.aboveMin && !(v > option.min))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 debe ser mayor que %2: '%3'"),
                             {option.name, RangeEndText(option, option.min), text}));
    if (v < option.min || v > option.max)
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 fuera de rango (%2 a %3): '%4'"),
                             {option.name, RangeEndText(option, option.min),
                              RangeEndText(option, option.max), text}));
}

int IntegerOf(const OptionSpec& option, const std::string& text) {
    int v;
    try {
        v = ParseInt(text);
    } catch (const EConvertError&) {
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera un número entero: '%2'"),
                             {option.name, text}));
    }
    CheckRange(option, v, text);
    return v;
}

double RealOf(const OptionSpec& option, const std::string& text) {
    double v;
    try {
        v = ParseFloat(text);
    } catch (const EConvertError&) {
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera un número: '%2'"), {option.name, text}));
    }
    CheckRange(option, v, text);
    return v;
}

}  // namespace

std::optional<int> IntegerOption(const ParsedArgs& args, const std::string& name) {
    if (!args.has(name)) return std::nullopt;
    return IntegerOf(OptionOf(args, name), args.value(name));
}

int IntegerOrDefault(const ParsedArgs& args, const std::string& name) {
    const OptionSpec& option = OptionOf(args, name);
    return IntegerOf(option, args.has(name) ? args.value(name) : FallbackOf(option));
}

std::optional<double> RealOption(const ParsedArgs& args, const std::string& name) {
    if (!args.has(name)) return std::nullopt;
    return RealOf(OptionOf(args, name), args.value(name));
}

double RealOrDefault(const ParsedArgs& args, const std::string& name) {
    const OptionSpec& option = OptionOf(args, name);
    return RealOf(option, args.has(name) ? args.value(name) : FallbackOf(option));
}

std::size_t ChoiceIndex(const OptionSpec& option, const std::string& text) {
    const std::vector<std::string> words = Words(option.choices);
    for (std::size_t k = 0; k < words.size(); ++k)
        if (words[k] == text) return k;
    throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera %2: '%3'"),
                         {option.name, ChoiceList(option), text}));
}

std::optional<std::size_t> ChoiceOption(const ParsedArgs& args, const std::string& name) {
    if (!args.has(name)) return std::nullopt;
    return ChoiceIndex(OptionOf(args, name), args.value(name));
}

std::size_t ChoiceOrDefault(const ParsedArgs& args, const std::string& name) {
    const OptionSpec& option = OptionOf(args, name);
    return ChoiceIndex(option, args.has(name) ? args.value(name) : FallbackOf(option));
}

std::string TextOrDefault(const ParsedArgs& args, const std::string& name) {
    if (args.has(name)) return args.value(name);
    const OptionSpec& option = OptionOf(args, name);
    return option.fallback ? option.fallback : "";
}

void RequireOption(const ParsedArgs& args, const std::string& name) {
    if (args.has(name)) return;
    const OptionSpec& option = OptionOf(args, name);
    throw UsageError(
        Say(QT_TRANSLATE_NOOP("CoreText", "falta %1 %2"), {option.name, TrCoreUtf8(option.value)}));
}

std::string RangeEndText(const OptionSpec& option, double end) {
    if (option.numberForm) return FormatNumber(option.numberForm, end);
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, end, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

std::string ChoiceList(const OptionSpec& option) {
    const std::vector<std::string> words = Words(option.choices);
    std::string out;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k > 0)
            out += k + 1 == words.size() ? TrCoreUtf8(QT_TRANSLATE_NOOP("CoreText", " o ")) : ", ";
        out += words[k];
    }
    return out;
}

}  // namespace vagaris::cli
