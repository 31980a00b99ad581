#include "core/Errors.h"

namespace vagaris {

void ThrowInvalidFloat(const std::string& text) {
    throw EConvertError(Message("'%1' is not a valid floating point value", {text}));
}
void ThrowInvalidInteger(const std::string& text) {
    throw EConvertError(Message("'%1' is not a valid integer value", {text}));
}
void ThrowInvalidDate(const std::string& text) {
    throw EConvertError(Message("'%1' is not a valid date", {text}));
}
void ThrowInvalidTime(const std::string& text) {
    throw EConvertError(Message("'%1' is not a valid time", {text}));
}
void ThrowInvalidElements() { throw EConvertError(kInvalidElementsMessage); }
void ThrowDateOutOfRange() { throw EConvertError(kDateOutOfRangeMessage); }

}  // namespace vagaris
