#include "core/DateTimeBoxes.h"

#include <optional>

#include "core/Time.h"

namespace vagaris {
namespace {

// The unsigned integer in characters [from, from + count) (0-based), blanks around it
// allowed; nothing when the characters are missing or hold no digits.
std::optional<int> FieldValue(const std::string& text, std::size_t from, std::size_t count) {
    if (from >= text.size()) return std::nullopt;
    const std::string field = text.substr(from, count);
    int value = 0;
    bool anyDigit = false;
    bool digitsEnded = false;
    for (char c : field) {
        if (c >= '0' && c <= '9') {
            if (digitsEnded) return std::nullopt;
            value = value * 10 + (c - '0');
            anyDigit = true;
        } else if (c == ' ') {
            if (anyDigit) digitsEnded = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    return value;
}

}  // namespace

bool IsValidDateBoxText(const std::string& text) {
    const auto day = FieldValue(text, 0, 2);
    const auto month = FieldValue(text, 3, 2);
    const auto year = FieldValue(text, 6, 4);
    if (!day || !month || !year) return false;
    if (*year < 1 || *year > 9999) return false;
    return IsValidDate(*year, *month, *day);
}

bool IsValidTimeBoxText(const std::string& text) {
    const auto hours = FieldValue(text, 0, 2);
    const auto minutes = FieldValue(text, 3, 2);
    const auto seconds = FieldValue(text, 6, 2);
    if (!hours || !minutes || !seconds) return false;
    if (*hours == 24 && *minutes == 0 && *seconds == 0) return true;
    return *hours <= 23 && *minutes <= 59 && *seconds <= 59;
}

}  // namespace vagaris
