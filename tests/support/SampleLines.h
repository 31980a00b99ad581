#pragma once
// Real lines of the sample catalogs, shared by the tests that read one line of each layout
// (CometsCR.dat line 2, BrightMinorPlanetsCR.dat line 1).
#include <string>

namespace vagaris::test {

inline const std::string kHaleBoppLine =
    "C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046       0.994905 "
    "130.6979 281.7618  89.7572   -2.0   4.0";
inline const std::string kCeresLine =
    "(1) Ceres                                      2025 11 21.0 231.5397  2.76562  0.079576  "
    "73.2997  80.2496  10.5879  3.35   0.15";

}  // namespace vagaris::test
