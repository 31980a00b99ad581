#include "catalogs/stars/ConstellationNames.h"

#include "catalogs/stars/SkyDataFile.h"
#include "core/Angles.h"

namespace vagaris::stars {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

std::optional<double> Digits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return std::nullopt;
    return FieldNumber(s);
}

// "hhmmss" or "ddmmss" in hours or degrees.
std::optional<double> Sexagesimal(std::string_view s) {
    const auto a = Digits(s.substr(0, 2)), b = Digits(s.substr(2, 2)), c = Digits(s.substr(4, 2));
    if (!a || !b || !c || *b >= 60 || *c >= 60) return std::nullopt;
    return *a + *b / 60.0 + *c / 3600.0;
}

std::optional<ConstellationName> ParseNameLine(std::string_view line) {
    if (line.size() < 15 || (line[6] != '+' && line[6] != '-')) return std::nullopt;
    const auto hours = Sexagesimal(line.substr(0, 6));
    const auto degrees = Sexagesimal(line.substr(7, 6));
    if (!hours || !degrees || *hours >= 24 || *degrees > 90) return std::nullopt;
    ConstellationName name;
    name.label = {Rad(*hours * 15.0), Rad(line[6] == '-' ? -*degrees : *degrees)};
    std::string_view rest = line.substr(13);
    if (rest.size() > 4 && rest[0] != ' ' && rest[3] == ' ') {
        name.abbreviation = std::string(rest.substr(0, 3));
        // The file tells Serpens' two pieces apart as SCp and SCd; the IAU's is Ser for both.
        if (name.abbreviation == "SCp" || name.abbreviation == "SCd") name.abbreviation = "Ser";
        rest.remove_prefix(4);
    }
    rest = TrimView(rest);
    if (rest.empty()) return std::nullopt;
    name.latinName = TitleCase(rest);
    return name;
}

}  // namespace

std::string TitleCase(std::string_view capitals) {
    std::string out(capitals);
    bool start = true;
    for (char& c : out) {
        c = start ? Upper(c) : Lower(c);
        start = c == ' ' || c == '-';
    }
    return out;
}

ConstellationNames ConstellationNames::FromText(std::string_view text, std::string_view culture) {
    ConstellationNames names;
    names.missing_ = false;
    bool inCulture = false;
    ForEachLine(text, [&](std::string_view line) {
        if (TrimView(line).empty() || line.front() == '#') return;
        if (line.size() >= 2 && line[0] == 'C' && line[1] == ' ') {
            inCulture = TrimView(line.substr(2)) == culture;
            return;
        }
        if (!inCulture) return;
        if (auto name = ParseNameLine(line))
            names.names_.push_back(std::move(*name));
        else
            ++names.skippedLines_;
    });
    return names;
}

ConstellationNames ConstellationNames::Load(const std::string& path, std::string_view culture) {
    const auto text = ReadWholeFile(path);
    if (!text) return ConstellationNames();
    return FromText(text->View(), culture);
}

const ConstellationName* ConstellationNames::ByAbbreviation(std::string_view abbreviation) const {
    for (const auto& name : names_)
        if (SameLetters(name.abbreviation, abbreviation)) return &name;
    return nullptr;
}

const ConstellationName* ConstellationNames::ByBoundaryName(std::string_view polygonName) const {
    polygonName = TrimView(polygonName);
    for (const auto& name : names_)
        if (SameLetters(name.latinName, polygonName)) return &name;
    // A constellation in two pieces: its name and then a word for the piece.
    for (const auto& name : names_) {
        const std::size_t n = name.latinName.size();
        if (polygonName.size() > n + 1 && polygonName[n] == ' ' &&
            SameLetters(name.latinName, polygonName.substr(0, n)))
            return &name;
    }
    return nullptr;
}

}  // namespace vagaris::stars
