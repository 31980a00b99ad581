#pragma once
// The animation step of the orbit and Selección pages: a calendar amount of time. Pure C++.
#include <array>

#include "core/Time.h"

namespace vagaris {

// The items of cbDias and cbDias2.
inline constexpr std::array<int, 7> kStepAmounts = {1, 2, 3, 5, 10, 15, 30};
// The item indexes of cbClase and cbClase2.
enum StepUnit { kStepYears, kStepMonths, kStepWeeks, kStepDays, kStepHours, kStepMinutes };

// t moved by `amount` units (negative: back). Years and months are calendar steps (the day
// cut to the length of the new month, the time of day kept); hours and minutes are added
// as (t·24 + k) / 24 and (t·1440 + k) / 1440.
Instant SteppedInstant(Instant t, int amount, StepUnit unit);

}  // namespace vagaris
