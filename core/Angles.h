#pragma once
// Angles are held in radians; catalog angles arrive in degrees.
namespace vagaris {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;

inline constexpr double Rad(double degrees) { return degrees * kPi / 180.0; }
inline constexpr double Deg(double radians) { return radians * 180.0 / kPi; }

// While x > 2π subtract 2π; then while x < 0 add 2π. 2π itself stays 2π.
double NormalizeAngle(double x);
// x = ±1 gives ±π/2; otherwise atan(x / √(1 − x²)). Arguments a hair beyond ±1 are clamped.
double ArcSine(double x);
// arccos with its argument clamped into [−1, 1] (rounding can push it just beyond).
double ArcCosine(double x);
double TanRad(double x);
double SinDeg(double x);
double CosDeg(double x);

}  // namespace vagaris
