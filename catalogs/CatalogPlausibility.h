#pragma once
// Whether a downloaded body is plausibly a catalog of its kind, checked before it may replace
// the catalog the user has: a server can answer "200 OK" with an empty body, an HTML error
// page, or a body cut short on a connection that announced no length.
#include <optional>
#include <string>
#include <string_view>

#include "core/Message.h"

namespace vagaris {

// Fed with the body piece by piece as it arrives, so that a large catalog is never held
// whole; memory stays bounded however long a line is.
class CatalogPlausibility {
public:
    // `kind`: 'C' comet layout, 'A' minor-planet layout (CatalogInfo::kind).
    explicit CatalogPlausibility(char kind) : kind_(kind) {}

    void feed(std::string_view bytes);

    // Nothing when the whole body is plausible: not empty, its last line ends with a line end,
    // and at least 90 % of its non-blank lines read with the layout (ReadElements accepts
    // their elements). Otherwise why not, as one phrase for the user.
    std::optional<Message> problem() const;

private:
    void endLine();

    char kind_;
    std::string line_;  // the line being received, without its end
    bool lineTooLong_ = false;
    long long bytes_ = 0;
    char lastByte_ = 0;
    bool startsWithTag_ = false;  // the first non-blank character is "<": a markup page
    bool seenNonBlank_ = false;
    long long nonBlankLines_ = 0;
    long long readableLines_ = 0;
};

// The same check over a whole body at once.
std::optional<Message> CatalogPlausibilityProblem(std::string_view bytes, char kind);

// Whether one line (without its end) reads with the layout of `kind`.
bool ReadsAsCatalogLine(const std::string& line, char kind);

}  // namespace vagaris
