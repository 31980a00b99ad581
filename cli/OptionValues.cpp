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

const OptionSpec& SpecOf(const ParsedArgs& args, const std::string& name) {
    const OptionSpec* spec = args.spec(name);
    if (!spec) throw std::logic_error("no option " + name);
    return *spec;
}

const char* FallbackOf(const OptionSpec& spec) {
    if (!spec.fallback) throw std::logic_error(std::string("no default for ") + spec.name);
    return spec.fallback;
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

void CheckRange(const OptionSpec& spec, double v, const std::string& text) {
    if (spec.aboveMin && !(v > spec.min))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 debe ser mayor que %2: '%3'"),
                             {spec.name, RangeEndText(spec, spec.min), text}));
    if (v < spec.min || v > spec.max)
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "%1 fuera de rango (%2 a %3): '%4'"),
                {spec.name, RangeEndText(spec, spec.min), RangeEndText(spec, spec.max), text}));
}

int IntegerOf(const OptionSpec& spec, const std::string& text) {
    int v;
    try {
        v = ParseInt(text);
    } catch (const EConvertError&) {
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera un número entero: '%2'"),
                             {spec.name, text}));
    }
    CheckRange(spec, v, text);
    return v;
}

double RealOf(const OptionSpec& spec, const std::string& text) {
    double v;
    try {
        v = ParseFloat(text);
    } catch (const EConvertError&) {
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera un número: '%2'"), {spec.name, text}));
    }
    CheckRange(spec, v, text);
    return v;
}

}  // namespace

std::optional<int> IntegerOption(const ParsedArgs& args, const std::string& name) {
    if (!args.has(name)) return std::nullopt;
    return IntegerOf(SpecOf(args, name), args.value(name));
}

int IntegerOrDefault(const ParsedArgs& args, const std::string& name) {
    const OptionSpec& spec = SpecOf(args, name);
    return IntegerOf(spec, args.has(name) ? args.value(name) : FallbackOf(spec));
}

std::optional<double> RealOption(const ParsedArgs& args, const std::string& name) {
    if (!args.has(name)) return std::nullopt;
    return RealOf(SpecOf(args, name), args.value(name));
}

double RealOrDefault(const ParsedArgs& args, const std::string& name) {
    const OptionSpec& spec = SpecOf(args, name);
    return RealOf(spec, args.has(name) ? args.value(name) : FallbackOf(spec));
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
    return ChoiceIndex(SpecOf(args, name), args.value(name));
}

std::size_t ChoiceOrDefault(const ParsedArgs& args, const std::string& name) {
    const OptionSpec& spec = SpecOf(args, name);
    return ChoiceIndex(spec, args.has(name) ? args.value(name) : FallbackOf(spec));
}

std::string TextOrDefault(const ParsedArgs& args, const std::string& name) {
    if (args.has(name)) return args.value(name);
    const OptionSpec& spec = SpecOf(args, name);
    return spec.fallback ? spec.fallback : "";
}

void RequireOption(const ParsedArgs& args, const std::string& name) {
    if (args.has(name)) return;
    const OptionSpec& spec = SpecOf(args, name);
    throw UsageError(
        Say(QT_TRANSLATE_NOOP("CoreText", "falta %1 %2"), {spec.name, TrCoreUtf8(spec.value)}));
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
