#include "catalogs/CometLine.h"

#include "catalogs/LineFormats.h"
#include "core/ElementRecord.h"

namespace vagaris {

CometLineEvaluation EvaluateCometLine(const std::string& line, Instant t) {
    return EvaluateComet(ReadElements(ParseCometLine(line)), t);
}

}  // namespace vagaris
