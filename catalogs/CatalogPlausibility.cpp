#include "catalogs/CatalogPlausibility.h"

#include <exception>

#include "core/ElementRecord.h"
#include "catalogs/LineFormats.h"

namespace vagaris {

namespace {

// Catalog lines are about 130 characters; anything far longer is not one, and is not kept.
constexpr std::size_t kMaxLineBytes = 4096;
// A catalog may hold a few odd lines (notes, a header); a body mostly unreadable is not one.
constexpr long long kReadablePercent = 90;

bool IsBlank(const std::string& line) {
    for (char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

}  // namespace

bool ReadsAsCatalogLine(const std::string& line, char kind) {
    try {
        ReadElements(kind == 'C' ? ParseCometLine(line) : ParseMinorPlanetLine(line));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void CatalogPlausibility::feed(std::string_view bytes) {
    for (char c : bytes) {
        if (c == '\n' || c == '\r') {
            endLine();
        } else if (line_.size() < kMaxLineBytes) {
            line_.push_back(c);
        } else {
            lineTooLong_ = true;
        }
        if (!seenNonBlank_ && c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            seenNonBlank_ = true;
            startsWithTag_ = c == '<';
        }
    }
    bytes_ += static_cast<long long>(bytes.size());
    if (!bytes.empty()) lastByte_ = bytes.back();
}

void CatalogPlausibility::endLine() {
    // CR LF gives an empty line between its two bytes: blank lines are not counted.
    if (!lineTooLong_ && IsBlank(line_)) {
        line_.clear();
        return;
    }
    ++nonBlankLines_;
    if (!lineTooLong_ && ReadsAsCatalogLine(line_, kind_)) ++readableLines_;
    line_.clear();
    lineTooLong_ = false;
}

std::optional<Message> CatalogPlausibility::problem() const {
    if (bytes_ == 0 || !seenNonBlank_) return Message("el servidor envió un archivo vacío");
    if (startsWithTag_) return Message("el servidor envió una página web en lugar del catálogo");
    if (lastByte_ != '\n' && lastByte_ != '\r')
        return Message("el archivo llegó cortado (su última línea no termina)");
    if (readableLines_ * 100 < nonBlankLines_ * kReadablePercent)
        return Message(
            kind_ == 'C' ? "el archivo no es un catálogo de cometas (solo %1 de %2 líneas se leen)"
                         : "el archivo no es un catálogo de asteroides (solo %1 de %2 líneas "
                           "se leen)",
            {std::to_string(readableLines_), std::to_string(nonBlankLines_)});
    return std::nullopt;
}

std::optional<Message> CatalogPlausibilityProblem(std::string_view bytes, char kind) {
    CatalogPlausibility check(kind);
    check.feed(bytes);
    return check.problem();
}

}  // namespace vagaris
