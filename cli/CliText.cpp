#include "cli/CliText.h"

#include "core/Words.h"
#include "translations/Translations.h"

namespace vagaris::cli {

std::string Say(const char* spanish, std::initializer_list<std::string> args) {
    return FillPattern(TrCoreUtf8(spanish), args);
}

}  // namespace vagaris::cli
