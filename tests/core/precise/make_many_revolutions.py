#!/usr/bin/python3
"""Reference places of a short-period comet close to the parabola, many revolutions from its
perihelion, computed by PyEphem (Debian's python3-ephem): the rows of the test
PreciseModelReference.NearParabolicCometManyRevolutionsFromPerihelion in
tests/core/test_precise_model.cpp.

The comet: q = 0.01 AU, e = 0.991 (a = 1.11 AU, a period of 428 days), angles of the ecliptic
J2000 that single precision holds exactly. PyEphem keeps the semi-major axis in single
precision, so the test computes with q = a (1 − e) from that rounded a, the orbit PyEphem
computes. It is observed from the geocentre at 2025-03-01 00:00 UT, N whole revolutions and a
fraction of one after a perihelion (N·P + f·P days before the date, P the period from the
Gaussian constant); each row holds that perihelion as an Instant (days from 1899-12-30 00:00),
PyEphem's ΔT at the date and its astrometric J2000 RA and Dec [rad] and distance [AU].

Run from the repository root and paste the rows into the test:
  /usr/bin/python3 tests/core/precise/make_many_revolutions.py
"""
import math
import struct

import ephem

INSTANT_TO_DUBLIN = -1.5  # Instant to PyEphem's date (Dublin Julian days)
GAUSS = 0.01720209895
E = 0.991
A = struct.unpack("f", struct.pack("f", 0.01 / (1 - E)))[0]  # as PyEphem holds it
W, NODE, INC = 58.5, 73.25, 29.75  # [deg]
DATE = 45717.0  # 2025-03-01 00:00 UT
REVOLUTIONS = [1, 170, 500, 2000]
FRACTIONS = [0.01, 0.3, 0.5, 0.93]


def main():
    period = 2 * math.pi * A ** 1.5 / GAUSS  # [days]
    dt = ephem.delta_t(DATE + INSTANT_TO_DUBLIN)
    print("// PyEphem %s; a = %.17g AU, period %.9f days, dT %.6f s" %
          (ephem.__version__, A, period, dt))
    for n in REVOLUTIONS:
        for f in FRACTIONS:
            perihelion = DATE - (n + f) * period
            b = ephem.EllipticalBody()
            b._a, b._e, b._M, b._epoch_M = A, E, 0.0, perihelion + INSTANT_TO_DUBLIN
            b._om, b._Om, b._inc, b._epoch = W, NODE, INC, ephem.J2000
            b._g, b._k = 10.0, 4.0
            # A date, not an Observer: the geocentre (an Observer puts the distance on its site).
            b.compute(ephem.Date(DATE + INSTANT_TO_DUBLIN), epoch=ephem.J2000)
            print("    {%d, %.2f, %.9f, %.11f, %.11f, %.9g}," %
                  (n, f, perihelion, float(b.a_ra), float(b.a_dec), b.earth_distance))


if __name__ == "__main__":
    main()
