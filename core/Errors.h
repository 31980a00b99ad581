#pragma once
// The one error type for text that does not convert (numbers, dates, times) and for
// element sets the computation cannot use. Its message is the exact text the user sees.
#include <string>
#include <utility>

#include "core/Message.h"

namespace vagaris {

class EConvertError : public EMessage {
public:
    // A fixed message (a literal or a constant): its own catalogue entry.
    explicit EConvertError(const char* message) : EMessage(Message(message)) {}
    explicit EConvertError(Message message) : EMessage(std::move(message)) {}
};

// "'%1' is not a valid floating point value" and its siblings, with the text in place of %1.
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
