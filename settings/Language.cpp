#include "settings/Language.h"

#include <algorithm>

namespace vagaris {

namespace {

// ASCII only, so the result never depends on the machine's locale.
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
char ToLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }
char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }

bool Contains(const std::vector<std::string>& list, std::string_view code) {
    return std::find(list.begin(), list.end(), code) != list.end();
}

// The codes a system tag may stand for, most precise first: "pt-BR" and "pt_BR.UTF-8" give
// "pt_BR" then "pt"; "en" gives "en"; "zh-Hans-CN" gives "zh" (only a 2-letter region counts).
// The language part is lower case, the region upper case, whatever the tag's spelling.
std::vector<std::string> CandidateCodes(std::string_view tag) {
    std::string language, region;
    std::size_t at = 0;
    for (; at < tag.size(); ++at) {
        const char c = tag[at];
        if (c == '-' || c == '_' || c == '.' || c == '@') break;
        language += ToLower(c);
    }
    if (at < tag.size() && (tag[at] == '-' || tag[at] == '_')) {
        for (++at; at < tag.size(); ++at) {
            const char c = tag[at];
            if (c == '-' || c == '_' || c == '.' || c == '@') break;
            region += ToUpper(c);
        }
    }
    std::vector<std::string> out;
    if (region.size() == 2) out.push_back(language + "_" + region);
    out.push_back(language);
    return out;
}

}  // namespace

bool IsLanguageCode(std::string_view text) {
    const std::size_t cut = text.find('_');
    const std::string_view language = text.substr(0, cut);
    if (language.size() < 2 || language.size() > 3 ||
        !std::all_of(language.begin(), language.end(), IsLower))
        return false;
    if (cut == std::string_view::npos) return true;
    const std::string_view region = text.substr(cut + 1);
    return region.size() == 2 && std::all_of(region.begin(), region.end(), IsUpper);
}

std::string ResolveLanguage(std::string_view choice, const std::vector<std::string>& uiLanguages,
                            const std::vector<std::string>& available) {
    if (choice != kAutomaticLanguage && IsLanguageCode(choice) && Contains(available, choice))
        return std::string(choice);
    for (const std::string& tag : uiLanguages)
        for (const std::string& code : CandidateCodes(tag))
            if (IsLanguageCode(code) && Contains(available, code)) return code;
    return std::string(kSourceLanguage);
}

}  // namespace vagaris
