#pragma once
// Texts of the pure layouts in the interface language. A layout that writes words (a heading,
// a header line) takes a `Words` function, Spanish by default: the program's own language, and
// every byte the Spanish interface writes stays as it was. Each Spanish text is its own message
// identifier; the Qt layer passes its translator (TrCoreUtf8, whose catalogue lupdate reads in
// translations/Translations.cpp), so core/ stays free of Qt.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vagaris {

using Words = std::string (*)(const char* spanish);

// The identity: the Spanish texts as they are.
inline std::string SpanishWords(const char* spanish) { return spanish; }

// `pattern` with %1, %2... replaced by the arguments in order (a translation may move them).
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string> args);
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args);

// A fixed-width heading over its separator line (runs of '-' mark the columns): the words over
// each run are translated as one text and put back in the run's cells. A translation as long as
// the Spanish keeps its place; a shorter or longer one is aligned as the Spanish was (to the
// run's left edge when the Spanish started there, else to its right edge). Column positions
// never move, so the Spanish heading comes back byte for byte. Headings are ASCII.
std::string TranslatedHeading(std::string_view heading, std::string_view separator, Words words);

}  // namespace vagaris
