#pragma once
// The messages of vagaris-cli in the interface language. Each Spanish text is its own message
// identifier in the translation catalogue (context "CoreText"): a call site writes it inside
// QT_TRANSLATE_NOOP("CoreText", ...) so that lupdate lists it. With Spanish the text comes
// back as written, byte for byte.
#include <initializer_list>
#include <string>

namespace vagaris::cli {

// `spanish` translated, then its %1, %2... replaced by `args` in order (a translation may
// move them): Say("--tilt: se espera un entero de %1 a %2", {"-90", "90"}).
std::string Say(const char* spanish, std::initializer_list<std::string> args = {});

}  // namespace vagaris::cli
