#include "core/Angles.h"

#include <cmath>

namespace vagaris {

double NormalizeAngle(double x) {
    if (!std::isfinite(x)) return x;
    // Large values are brought near the range first; the loops then give the exact rule
    // (2π stays 2π, −2π becomes 0).
    if (std::fabs(x) > 1e6) x = std::fmod(x, kTwoPi);
    while (x > kTwoPi) x -= kTwoPi;
    while (x < 0) x += kTwoPi;
    return x;
}

double ArcSine(double x) {
    if (x >= 1.0) return kPi / 2;
    if (x <= -1.0) return -kPi / 2;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcCosine(double x) {
    if (x > 1.0) x = 1.0;
    if (x < -1.0) x = -1.0;
    return std::acos(x);
}

double TanRad(double x) { return std::sin(x) / std::cos(x); }
double SinDeg(double x) { return std::sin(x * kPi / 180.0); }
double CosDeg(double x) { return std::cos(x * kPi / 180.0); }

}  // namespace vagaris
