#pragma once
// True when every computed quantity of a circumstances record is a finite number: the
// property the catalog-wide and precise-model tests ask of every object they compute.
#include <cmath>

#include "core/Circumstances.h"

namespace vagaris::test {

inline bool AllFinite(const TCircumstances& c) {
    for (double v : {c.RightAscension, c.Declination, c.Delta, c.SunDistance, c.Elongation,
                     c.PhaseAngle, c.Magnitude, c.Speed, c.MaxAltitude, c.Motion, c.MotionRA,
                     c.MotionDec, c.MotionPA, c.ReverseMotionPA, c.RadiusVectorPA})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace vagaris::test
