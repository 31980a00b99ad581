#include "core/InstantStep.h"

namespace vagaris {

Instant SteppedInstant(Instant t, int amount, StepUnit unit) {
    switch (unit) {
        case kStepYears: return AddMonths(t, 12 * amount);
        case kStepMonths: return AddMonths(t, amount);
        case kStepWeeks: return t + 7.0 * amount;
        case kStepDays: return t + amount;
        case kStepHours: return (t * 24.0 + amount) / 24.0;
        case kStepMinutes: return (t * 1440.0 + amount) / 1440.0;
    }
    return t;
}

}  // namespace vagaris
