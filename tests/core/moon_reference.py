#!/usr/bin/python3
"""Reference Moon positions for test_moon.cpp, from PyEphem (Debian's python3-ephem).

Prints one line per instant: the instant (days since 1899-12-30 00:00 UT, the program's
count), then PyEphem's geocentric astrometric right ascension and declination (J2000) of the
Moon's centre in degrees. The instants are spread over 1900-2100 by a fixed recurrence, so
the output never changes:

    /usr/bin/python3 tests/core/moon_reference.py > tests/core/moon_reference.txt
"""
import math

import ephem

FIRST = 0.0 + 2.0          # 1900-01-01 00:00 UT
LAST = 73051.0 + 2.0       # 2100-01-01 00:00 UT
COUNT = 400

moon = ephem.Moon()
print("# instant  ra_deg  dec_deg   (PyEphem %s, geocentric astrometric J2000)" % ephem.__version__)
for k in range(COUNT):
    # Golden-ratio spacing: every part of the two centuries and of the day is visited.
    frac = (k * 0.6180339887498949) % 1.0
    instant = FIRST + (LAST - FIRST) * (k + 0.5) / COUNT + frac
    instant = round(instant * 1440.0) / 1440.0  # whole minutes, exact in the text
    # ephem.Date counts days from 1899-12-31 12:00 UT.
    moon.compute(ephem.Date(instant - 1.5))
    print("%.6f %.9f %.9f" % (instant, math.degrees(moon.a_ra), math.degrees(moon.a_dec)))
