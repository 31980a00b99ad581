#pragma once
// A raw comet catalog line evaluated at an instant, for the searches that run over every
// line of the comet list without choosing an object.
#include <string>

#include "core/Circumstances.h"
#include "core/Time.h"

namespace vagaris {

// Phase angle [deg] and magnitude (comet law) of the comet on `line` (comet layout) at t,
// touching no shared state. Throws EConvertError for a malformed line.
CometLineEvaluation EvaluateCometLine(const std::string& line, Instant t);

}  // namespace vagaris
