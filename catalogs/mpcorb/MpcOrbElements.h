#pragma once
// The numeric elements of an MPCOrb.dat line, read fast enough for a whole file: the same
// values, and the same failures, as ReadElements(ParseMpcOrbLine(line)), without building the
// element texts for the common line whose fields are plain numbers.
#include <string_view>

#include "core/ElementRecord.h"

namespace vagaris {

// `line` without its line end. Throws EConvertError exactly when ReadElements would.
TElementValues ReadMpcOrbElements(std::string_view line);

}  // namespace vagaris
