#pragma once
// Constants that several computations share, defined once.
namespace vagaris {

// The Gaussian gravitational constant k = √(GM☉) [AU^1.5/day]: a body's speed is
// k·√(2/r − 1/a) [AU/day].
inline constexpr double kGaussianConstant = 0.01720209895;
// The obliquity of the ecliptic of J2000 to which the MPC refers its elements, 84381.448"
// (the value the MPC states) [rad].
inline constexpr double kObliquityJ2000 = 84381.448 * 4.848136811095359935899141e-6;

}  // namespace vagaris
