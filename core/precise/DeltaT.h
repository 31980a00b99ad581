#pragma once
// ΔT = TT − UT from the polynomial expressions of Espenak and Meeus (Five Millennium Canon
// of Solar Eclipses, NASA TP-2006-214141, as published on NASA's eclipse web site), without
// their optional lunar-acceleration correction. The expressions cover −1999 … +3000; the
// precise model uses them over kPreciseFirstYear … kPreciseLastYear only.
#include "core/Time.h"

namespace vagaris {

// ΔT [s] for a decimal year (2000.0 = 2000 January 1.0 UT, a year being 365.2425 days, so
// the argument runs on smoothly instead of stepping month by month as in the published
// "year + (month − 0.5)/12"; the difference is under 0.05 s after 1600).
double DeltaTSeconds(double decimalYear);

// The decimal year of a UT instant as DeltaTSeconds reads it.
double DecimalYear(Instant ut);

}  // namespace vagaris
