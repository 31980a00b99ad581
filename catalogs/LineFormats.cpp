#include "catalogs/LineFormats.h"

#include <string_view>

#include "catalogs/LineEnds.h"
#include "core/ReadableFile.h"
#include "core/TextForms.h"

namespace vagaris {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNumberChar(char c) { return IsDigit(c) || c == '.'; }

std::string TwoDigitsFrom(char c, bool monthOnly) {
    if (c >= '1' && c <= '9') return std::string("0") + c;
    const char last = monthOnly ? 'C' : 'V';
    if (c >= 'A' && c <= last) return std::to_string(10 + (c - 'A'));
    return {};
}

}  // namespace

std::string Columns(const std::string& line, std::size_t from, std::size_t to) {
    if (from < 1 || to < from || from > line.size()) return {};
    return line.substr(from - 1, to - from + 1);
}

std::string NumberScan(const std::string& text, std::size_t& cursor) {
    // 1-based cursor: text[cursor - 1] is the character under it. The first character
    // examined is the one after the cursor.
    const std::size_t n = text.size();
    ++cursor;
    while (cursor <= n && !IsNumberChar(text[cursor - 1])) ++cursor;
    if (cursor > n) return {};
    const std::size_t start = cursor;
    std::string number;
    while (cursor <= n && IsNumberChar(text[cursor - 1])) number += text[cursor - 1], ++cursor;
    // The terminating character is taken too (the trimming removes a blank); the cursor stays
    // on it so that the next call continues after it.
    if (cursor <= n) number += text[cursor - 1];
    // A minus sign directly before the number belongs to it (negative magnitudes).
    if (start >= 2 && text[start - 2] == '-') {
        std::string signedNumber(1, '-');
        signedNumber.append(number);
        return Trim(signedNumber);
    }
    return Trim(number);
}

TOrbitalElements ParseCometLine(const std::string& line) {
    TOrbitalElements el;
    el.Name = Trim(Columns(line, 1, 40));
    el.Fecha = Trim(Columns(line, 48, 62));
    const std::string rest = line.size() >= 63 ? line.substr(62) : std::string();
    std::size_t cursor = 1;
    std::string* fields[] = {&el.q, &el.e, &el.w, &el.O, &el.i, &el.H, &el.G};
    for (std::string* f : fields) *f = NumberScan(rest, cursor);
    el.ExtraNumbers = !NumberScan(rest, cursor).empty();
    return el;
}

TOrbitalElements ParseMinorPlanetLine(const std::string& line) {
    TOrbitalElements el;
    el.Name = Trim(Columns(line, 1, 40));
    el.Fecha = Trim(Columns(line, 48, 59));
    el.M = Trim(Columns(line, 61, 68));
    el.a = Trim(Columns(line, 69, 77));
    el.e = Trim(Columns(line, 80, 87));
    el.w = Trim(Columns(line, 89, 96));
    el.O = Trim(Columns(line, 98, 105));
    el.i = Trim(Columns(line, 107, 114));
    el.H = Trim(Columns(line, 116, 120));
    el.G = Trim(Columns(line, 122, 127));
    return el;
}

std::string UnpackEpoch(const std::string& packed) {
    const auto at = [&](std::size_t k) { return k < packed.size() ? packed[k] : ' '; };
    const std::string century = at(0) == 'K' ? "20" : "19";
    std::string year = century;
    year += at(1);
    year += at(2);
    return year + " " + TwoDigitsFrom(at(3), true) + " " + TwoDigitsFrom(at(4), false) + ".0";
}

std::string StripLineEnd(const std::string& line) {
    std::size_t e = line.size();
    // Only one line end: CR LF, LF or CR.
    if (e >= 2 && line[e - 2] == '\r' && line[e - 1] == '\n')
        e -= 2;
    else if (e >= 1 && (line[e - 1] == '\n' || line[e - 1] == '\r'))
        e -= 1;
    return line.substr(0, e);
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) lines.emplace_back(NextLine(p, end));
    return lines;
}

std::vector<std::string> ReadCatalogLines(const std::string& path) {
    const ReadableFile file(path);
    return SplitLines(file.readAll(kCatalogMaxBytes));
}

}  // namespace vagaris
