#pragma once
// The language of the interface. Spanish is the language the program is written in; English
// comes from translations/vagaris_en.ts. The decision is a pure function of the user's choice
// and the system's interface languages, so tests pass the list instead of reading the machine's.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vagaris {

enum class UiLanguage { Spanish, English };
enum class LanguageChoice { Automatic, Spanish, English };

// "es" or "en" (the code used by --lang and by the translation file names).
std::string_view LanguageCode(UiLanguage language);
// "es" / "en" -> the language; anything else -> nothing (the caller reports it).
std::optional<UiLanguage> LanguageFromCode(std::string_view code);

// Automatic: the first of `uiLanguages` (most preferred first, as QLocale::uiLanguages() gives
// them: "en-GB", "es_ES", "de", "C"...) that Vagaris supports decides; none supported (the C
// locale, an empty list) gives Spanish. An explicit choice wins over the list.
// Settings line 12: "es", "en", anything else (the default "auto") the automatic choice.
LanguageChoice LanguageChoiceFromSetting(std::string_view text);

UiLanguage ResolveLanguage(LanguageChoice choice, const std::vector<std::string>& uiLanguages);

}  // namespace vagaris
