#pragma once
// The message a conversion failure carries, for comparing it with the exact expected text.
#include <string>

#include "core/Errors.h"

namespace vagaris::test {

// Runs f and returns the EConvertError's message ("" when nothing was thrown).
template <class F>
std::string ErrorOf(F f) {
    try {
        f();
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "";
}

}  // namespace vagaris::test
