#include "core/Errors.h"

namespace vagaris {

void ThrowInvalidFloat(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid floating point value");
}
void ThrowInvalidInteger(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}
void ThrowInvalidDate(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid date");
}
void ThrowInvalidTime(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid time");
}
void ThrowInvalidElements() { throw EConvertError(kInvalidElementsMessage); }
void ThrowDateOutOfRange() { throw EConvertError(kDateOutOfRangeMessage); }

}  // namespace vagaris
