#pragma once
// Standard pieces of the local sky, taken from ERFA (the IAU's Essential Routines for
// Fundamental Astronomy): Greenwich mean sidereal time, precession from J2000 to the equinox
// of the date, and the Moon. Every function is pure and thread-safe.
//
// The program's instants are UT; these routines want UT1 or TT. UT stands for both: the
// difference (ΔT, about a minute today) moves the Moon by well under 0.05° and the sky by
// nothing an observer of whole minutes notices.
#include <array>

#include "core/Time.h"

namespace vagaris {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
using Mat3 = std::array<std::array<double, 3>, 3>;

inline double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Norm(const Vec3& v);
// m · v
Vec3 Apply(const Mat3& m, const Vec3& v);
// mᵀ · v (the inverse rotation)
Vec3 ApplyTransposed(const Mat3& m, const Vec3& v);

// Greenwich mean sidereal time, IAU 1982 (eraGmst82), UT taken as UT1 [rad], in [0, 2π).
double GreenwichMeanSiderealTime(Instant t);

// Rotation from the mean equator and equinox of J2000 to those of the date, IAU 1976
// (eraPmat76), TT taken as UT: v_date = m · v_J2000.
Mat3 PrecessionFromJ2000(Instant t);

// The Moon's geocentric centre (eraMoon98: Meeus's series, GCRS, which is J2000 to far better
// than this series' accuracy), TT taken as UT [AU].
Vec3 MoonGeocentric(Instant t);

// Illuminated fraction of a body seen at `elongation` [rad] from the Sun, the phase angle
// taken as π − elongation (exact for a body at infinity, within 0.003 for the Moon).
double IlluminatedFraction(double elongation);

// Angle between two directions [rad], stable for small and large angles.
double AngleBetween(const Vec3& a, const Vec3& b);

// Right ascension [rad, 0..2π) and declination [rad] of a direction.
struct RaDec {
    double ra = 0, dec = 0;
};
RaDec ToRaDec(const Vec3& v);

// The zenith of a site as a unit vector in the J2000 frame at instant t: latitude [rad],
// longitude east positive [rad]. Its dot product with a J2000 unit vector is the sine of that
// direction's geometric, geocentric altitude.
Vec3 ZenithJ2000(Instant t, double latitude, double longitude);

// Geometric, geocentric altitude [rad] and azimuth [rad, 0..2π, from the north through the
// east] at instant t of a J2000 direction, for a site at latitude and longitude [rad] (east
// positive): precession to the date, then the local mean sidereal time.
struct AltAz {
    double altitude = 0, azimuth = 0;
};
AltAz HorizontalOfJ2000(Instant t, double latitude, double longitude, const Vec3& direction);

}  // namespace vagaris
