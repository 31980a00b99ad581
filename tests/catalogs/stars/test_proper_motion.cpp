// Proper motion carried from J2000.0 against ERFA's rigorous space motion. The reference places
// came from eraPmsafe (liberfa 2.0, Debian 12) called with the stars.dat values below, zero
// radial velocity, epoch TT JD 2451545.0 to 2451545.0 + 365.25·years; pmRA passed as
// pmRA/cos δ [rad/yr], parallax in arcsec.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogs/stars/ProperMotion.h"
#include "catalogs/stars/StarLine.h"
#include "core/Angles.h"

namespace {

using vagaris::Rad;
using vagaris::stars::PlaceAtEpoch;
using vagaris::stars::Star;

// Angular separation [arcsec].
double SeparationArcsec(double ra1, double dec1, double ra2, double dec2) {
    const double s = std::sin((dec2 - dec1) / 2), t = std::sin((ra2 - ra1) / 2);
    return vagaris::Deg(2 * std::asin(std::sqrt(s * s + std::cos(dec1) * std::cos(dec2) * t * t))) *
           3600;
}

Star Make(double raDeg, double decDeg, double pmRa, double pmDec, double parallax) {
    Star s;
    s.ra = Rad(raDeg);
    s.dec = Rad(decDeg);
    s.pmRaCosDec = pmRa;
    s.pmDec = pmDec;
    s.parallax = parallax;
    return s;
}

TEST(ProperMotion, MatchesErfaWithinATenthOfAnArcsecond) {
    const Star cyg = Make((21 + 6 / 60.0 + 53.95 / 3600.0) * 15, 38 + 44 / 60.0 + 57.9 / 3600.0,
                          4155.1, 3258.9, 287.1);
    const Star sirius = Make((6 + 45 / 60.0 + 8.92 / 3600.0) * 15,
                             -(16 + 42 / 60.0 + 58.0 / 3600.0), -546.0, -1223.1, 379.2);
    const Star arcturus = Make((14 + 15 / 60.0 + 39.67 / 3600.0) * 15,
                               19 + 10 / 60.0 + 56.7 / 3600.0, -1093.5, -1999.4, 88.8);
    struct Case {
        const Star* star;
        double years, raDeg, decDeg;  // eraPmsafe
    };
    for (const Case& c : {Case{&cyg, 100, 316.8729735905, 38.8398479884},
                          Case{&cyg, -200, 316.4295543123, 38.5679964834},
                          Case{&sirius, 50, 101.2792480297, -16.7330984596},
                          Case{&arcturus, 25.9, 213.9069627876, 19.1680319090}}) {
        const auto p = PlaceAtEpoch(*c.star, c.years);
        EXPECT_LT(SeparationArcsec(p.ra, p.dec, Rad(c.raDeg), Rad(c.decDeg)), 0.1)
            << c.years << " years";
    }
}

TEST(ProperMotion, ZeroYearsOrZeroMotionKeepThePlaceAndMotionCrossesZeroHoursAndThePole) {
    const Star s = Make(359.9999, 10, 4000, 0, 100);
    const auto same = PlaceAtEpoch(s, 0);
    EXPECT_NEAR(same.ra, s.ra, 1e-15);
    EXPECT_NEAR(same.dec, s.dec, 1e-15);
    // Eastward across 0h: the right ascension wraps into [0, 2π).
    const auto later = PlaceAtEpoch(s, 1);
    EXPECT_GE(later.ra, 0);
    EXPECT_LT(later.ra, Rad(0.01));
    // Northward through the pole: 10" north of a star 5" from the pole lands 5" beyond it,
    // twelve hours round.
    const Star nearPole = Make(30, 90 - 5 / 3600.0, 0, 10000, 1);
    const auto beyond = PlaceAtEpoch(nearPole, 1);
    EXPECT_NEAR(vagaris::Deg(beyond.dec), 90 - 5 / 3600.0, 1e-6);
    EXPECT_NEAR(vagaris::Deg(beyond.ra), 210, 1e-6);
}

}  // namespace
