#pragma once
// The language of the interface, as a code: "es" (Spanish, the language the program is written
// in), "en", "pt_BR"... Every other language comes from a translation file
// translations/vagaris_<code>.ts embedded at build time, so the languages of a build are known
// only at run time; the decision is a pure function of the user's choice, the system's
// interface languages and those available, so tests pass the lists instead of reading the
// machine's.
#include <string>
#include <string_view>
#include <vector>

namespace vagaris {

// The language of the sources, which needs no translation.
inline constexpr std::string_view kSourceLanguage = "es";
// The automatic choice of settings line 12 (its default).
inline constexpr std::string_view kAutomaticLanguage = "auto";

// A language code as the translation file names spell it: 2 or 3 lower-case letters,
// optionally "_" and a 2-letter upper-case region ("es", "ast", "pt_BR").
bool IsLanguageCode(std::string_view text);

// `choice` is settings line 12 or --lang: a code that is `available` wins. Anything else
// ("auto", a code this build has no translation for) is the automatic choice: the first of
// `uiLanguages` (most preferred first, as QLocale::uiLanguages() gives them: "pt-BR", "en_GB",
// "de", "C"...) whose code is available decides, its full code ("pt_BR") before its language
// part ("pt"); none (the C locale, an empty list) gives Spanish.
std::string ResolveLanguage(std::string_view choice, const std::vector<std::string>& uiLanguages,
                            const std::vector<std::string>& available);

}  // namespace vagaris
