#include "shell/settings/Language.h"

namespace vagaris {

namespace {

// The language part of a tag ("en" in "en-GB", "en_US.UTF-8"), lower case; ASCII only, so
// the result never depends on the machine's locale.
std::string PrimaryTag(std::string_view tag) {
    std::string out;
    for (char c : tag) {
        if (c == '-' || c == '_' || c == '.' || c == '@') break;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

}  // namespace

std::string_view LanguageCode(UiLanguage language) {
    return language == UiLanguage::English ? "en" : "es";
}

std::optional<UiLanguage> LanguageFromCode(std::string_view code) {
    if (code == "es") return UiLanguage::Spanish;
    if (code == "en") return UiLanguage::English;
    return std::nullopt;
}

LanguageChoice LanguageChoiceFromSetting(std::string_view text) {
    if (text == "es") return LanguageChoice::Spanish;
    if (text == "en") return LanguageChoice::English;
    return LanguageChoice::Automatic;
}

UiLanguage ResolveLanguage(LanguageChoice choice, const std::vector<std::string>& uiLanguages) {
    if (choice == LanguageChoice::Spanish) return UiLanguage::Spanish;
    if (choice == LanguageChoice::English) return UiLanguage::English;
    for (const std::string& tag : uiLanguages)
        if (auto supported = LanguageFromCode(PrimaryTag(tag))) return *supported;
    return UiLanguage::Spanish;
}

}  // namespace vagaris
