#pragma once
// The one error type for text that does not convert (numbers, dates, times) and for
// element sets the computation cannot use. Its message is the exact text the user sees.
#include <stdexcept>
#include <string>

namespace vagaris {

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

// "'%s' is not a valid floating point value" and its siblings, with the text in place of %s.
[[noreturn]] void ThrowInvalidFloat(const std::string& text);
[[noreturn]] void ThrowInvalidInteger(const std::string& text);
[[noreturn]] void ThrowInvalidDate(const std::string& text);
[[noreturn]] void ThrowInvalidTime(const std::string& text);
// "Elementos orbitales no válidos": an element set that makes the computation impossible.
[[noreturn]] void ThrowInvalidElements();

inline constexpr const char* kInvalidElementsMessage = "Elementos orbitales no válidos";

// "Fecha fuera de rango": a computed instant (a table row) falls outside the years 1…9999
// that dates are written and read with.
[[noreturn]] void ThrowDateOutOfRange();
inline constexpr const char* kDateOutOfRangeMessage = "Fecha fuera de rango";

}  // namespace vagaris
