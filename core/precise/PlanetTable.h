#pragma once
// The perturbing bodies of the perturbed model, from ERFA's analytic theories: eraPlan94
// (Simon et al. 1994) for Mercury … Neptune and the Earth–Moon barycentre, eraEpv00 for the
// Earth, eraMoon98 for the Moon. Every integration step needs them a dozen times, and one
// computation integrates hundreds of objects over the same days, so they are tabulated once
// per span of days for the whole program and interpolated. The tables are immutable blocks
// built on demand under a mutex and shared by every thread.
//
// Frame: heliocentric (the Moon: geocentric), the mean equator and equinox of J2000 that the
// theories return, read as the ICRS as in the rest of the precise model. Time: TT, read as
// TDB (they differ by under 2 ms).
#include "core/Time.h"

namespace vagaris::perturbed {

enum class Body { Mercury, Venus, EarthMoon, Mars, Jupiter, Saturn, Uranus, Neptune, Earth, Moon };
inline constexpr int kBodyCount = 10;

// The spacing of a body's table nodes [days].
double NodeSpacing(Body body);

// Position and velocity [AU, AU/day] at the TT instant `tt`, straight from the theory (the
// Moon geocentric, the others heliocentric). Throws EConvertError(kPreciseRangeMessage) when
// the theory does not converge (far outside its years).
void TheoryState(Body body, Instant tt, double pv[2][3]);
// The position [AU] from the shared tables: within a few km of TheoryState's (see
// PlanetTable.cpp).
void TabulatedPosition(Body body, Instant tt, double p[3]);

}  // namespace vagaris::perturbed
