#include "core/PositionModel.h"

#include "core/StandardModel.h"
#include "core/TextForms.h"
#include "core/precise/PrecisePositionModel.h"

namespace vagaris {

TOrbitRecord PositionModel::DrawnOrbit(const TOrbitalElements&, const TOrbitRecord& record,
                                       Instant) const {
    return record;
}

std::unique_ptr<PositionModel> MakePositionModel(const Observer& observer) {
    if (observer.precise()) return std::make_unique<PrecisePositionModel>(observer);
    return std::make_unique<StandardModel>(observer);
}

std::string ObjectNameOf(const TOrbitalElements& texts) { return Trim(Utf8Prefix(texts.Name, 40)); }

}  // namespace vagaris
