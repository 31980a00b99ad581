#!/usr/bin/python3
"""Reference places for the precise model's tests, computed by PyEphem (Debian's python3-ephem).

PyEphem is set up with the same elements as the sample catalogs give them (read here from the
catalog columns, independently of the program's parsers), the equinox J2000, no refraction,
and is asked for every object of the five *CR.dat samples at one date within a year of the
element epoch (minor planets) or the perihelion time (comets):
  G lines: geocentric astrometric RA/Dec (a_ra, a_dec), distance and magnitude, and the same
           place computed independently here (pyerfa's eraEpv00 Earth, the elements in double
           precision, Kepler's equation by bracketed Newton steps in a form without
           cancellation near e = 1, light time iterated);
  T lines: for every 8th object, from one of five sites, the topocentric apparent RA/Dec of
           date (ra, dec), altitude and azimuth;
  P lines: the closest approaches of twelve near-Earth objects, where the parallax reaches
           arcminutes: topocentric and geocentric apparent places of date.
PyEphem takes TT as UT plus its own ΔT; each line stores that ΔT so that the test computes at
the same TT and the same UT. Dates come from a fixed seed, so the output is reproducible.

Run from the repository root:
  /usr/bin/python3 tests/core/precise/make_reference.py > tests/core/precise/pyephem_reference.txt
"""
import math
import random
import sys

import ephem
import erfa

SAMPLES = "data/samples"
FILES = [  # code, file, comet layout
    ("B", "BrightMinorPlanetsCR.dat", False),
    ("C", "CometsCR.dat", True),
    ("L", "CriticalListCR.dat", False),
    ("D", "DistantObjectsCR.dat", False),
    ("N", "NeosAndUnusualCR.dat", False),
]
SITES = [  # name, latitude [deg], east longitude [deg], height [m]
    ("madrid", 40.4, -3.7, 650.0),
    ("maunakea", 19.82, -155.47, 4205.0),
    ("sidingspring", -31.27, 149.06, 1165.0),
    ("tromso", 69.6, 18.9, 0.0),
    ("quito", -0.2, -78.5, 2850.0),
]
INSTANT_TO_DUBLIN = -1.5  # Instant (days from 1899-12-30 00:00) to PyEphem's date
JD_OF_INSTANT_ZERO = 2415018.5
GAUSS = 0.01720209895
OBLIQUITY_J2000 = math.radians(84381.448 / 3600)
C_AU_PER_DAY = 173.1446326846693


def x_minus_sin(x):
    """x − sin x without cancellation for small x."""
    if abs(x) > 0.5:
        return x - math.sin(x)
    term, total, k = x ** 3 / 6, 0.0, 1
    while abs(term) > 1e-30:
        total += term
        term *= -x * x / ((2 * k + 2) * (2 * k + 3))
        k += 1
    return total


def sinh_minus_x(x):
    if abs(x) > 0.5:
        return math.sinh(x) - x
    term, total, k = x ** 3 / 6, 0.0, 1
    while abs(term) > 1e-30:
        total += term
        term *= x * x / ((2 * k + 2) * (2 * k + 3))
        k += 1
    return total


def solve(f, df, lo, hi):
    """Root of an increasing f in [lo, hi]: Newton steps kept inside a shrinking bracket."""
    x = 0.5 * (lo + hi)
    for _ in range(300):
        fx = f(x)
        if fx > 0:
            hi = x
        else:
            lo = x
        step = fx / df(x)
        nx = x - step
        if not (lo < nx < hi):
            nx = 0.5 * (lo + hi)
        if abs(nx - x) < 1e-16 * max(1.0, abs(x)):
            return nx
        x = nx
    return x


def orbit_plane(q, e, dt):
    """(x, y) in the orbital plane [AU], perihelion on +x, dt days after perihelion: the
    eccentric, parabolic or hyperbolic anomaly, written without cancellation near e = 1."""
    if e < 1:
        a = q / (1 - e)
        M = GAUSS * dt / a ** 1.5
        M = math.remainder(M, 2 * math.pi)
        # E − e sin E = (1 − e) E + e (E − sin E)
        E = solve(lambda E: (1 - e) * E + e * x_minus_sin(E) - M,
                  lambda E: 1 - e * math.cos(E), -math.pi, math.pi)
        return a * (math.cos(E) - e), a * math.sqrt(1 - e * e) * math.sin(E)
    if e == 1:
        W = 3 * GAUSS * dt / math.sqrt(2 * q ** 3)  # Barker: s³ + 3s = W, s = tan(v/2)
        s = solve(lambda s: s ** 3 + 3 * s - W, lambda s: 3 * s * s + 3, -1e6, 1e6)
        return q * (1 - s * s), 2 * q * s
    a = q / (e - 1)
    M = GAUSS * dt / a ** 1.5
    # e sinh H − H = (e − 1) H + e (sinh H − H)
    lim = math.asinh(abs(M) / e) + 50
    H = solve(lambda H: (e - 1) * H + e * sinh_minus_x(H) - M,
              lambda H: e * math.cosh(H) - 1, -lim, lim)
    return a * (e - math.cosh(H)), a * math.sqrt(e * e - 1) * math.sinh(H)


def heliocentric(el, tt):
    """ICRS heliocentric position [AU] at the TT instant tt."""
    q, e, T, w, node, inc = el
    x, y = orbit_plane(q, e, tt - T)
    w, node, inc = math.radians(w), math.radians(node), math.radians(inc)
    # Rotations Rz(−Ω) Rx(−i) Rz(−ω), then Rx(−ε) to the equator.
    x1, y1 = x * math.cos(w) - y * math.sin(w), x * math.sin(w) + y * math.cos(w)
    y2, z2 = y1 * math.cos(inc), y1 * math.sin(inc)
    x3, y3 = x1 * math.cos(node) - y2 * math.sin(node), x1 * math.sin(node) + y2 * math.cos(node)
    ce, se = math.cos(OBLIQUITY_J2000), math.sin(OBLIQUITY_J2000)
    return (x3, y3 * ce - z2 * se, y3 * se + z2 * ce)


def independent_place(el, tt):
    """Geocentric astrometric RA, Dec [rad] with pyerfa's Earth (epv00) and light time."""
    pvh, _ = erfa.epv00(JD_OF_INSTANT_ZERO, tt)
    earth = pvh["p"]
    tau = 0.0
    for _ in range(20):
        p = heliocentric(el, tt - tau)
        d = [p[k] - earth[k] for k in range(3)]
        dist = math.sqrt(sum(c * c for c in d))
        if abs(dist / C_AU_PER_DAY - tau) < 1e-12:
            break
        tau = dist / C_AU_PER_DAY
    return math.atan2(d[1], d[0]) % (2 * math.pi), math.atan2(d[2], math.hypot(d[0], d[1]))


def columns(line, first, last):
    return line[first - 1:last].strip()


def date_instant(text):
    """'yyyy mm dd.dddd' to an Instant."""
    y, m, d = int(text[0:4]), int(text[5:7]), float(text[8:])
    return float(ephem.Date((y, m, 1))) - INSTANT_TO_DUBLIN + d - 1


def body_for(line, comet):
    if comet:
        T = date_instant(columns(line, 48, 62))
        q, e, w, node, inc, H, K = (float(x) for x in line[62:].split())
        if e < 1:
            b = ephem.EllipticalBody()
            b._a, b._e, b._M, b._epoch_M = q / (1 - e), e, 0.0, T + INSTANT_TO_DUBLIN
        elif e == 1:
            b = ephem.ParabolicBody()
            b._q, b._epoch_p = q, T + INSTANT_TO_DUBLIN
        else:
            b = ephem.HyperbolicBody()
            b._q, b._e, b._epoch_p = q, e, T + INSTANT_TO_DUBLIN
        b._g, b._k = H, K
        return b, T, (q, e, T, w, node, inc)
    epoch = date_instant(columns(line, 48, 59))
    b = ephem.EllipticalBody()
    b._M, b._a, b._e = float(columns(line, 61, 68)), float(columns(line, 69, 77)), float(
        columns(line, 80, 87))
    w, node, inc = float(columns(line, 89, 96)), float(columns(line, 98, 105)), float(
        columns(line, 107, 114))
    b._epoch_M = epoch + INSTANT_TO_DUBLIN
    b._H, b._G = float(columns(line, 116, 120)), float(columns(line, 122, 127))
    # from the text, not from b: PyEphem keeps some elements in single precision
    a, e, M = float(columns(line, 69, 77)), float(columns(line, 80, 87)), float(columns(line, 61, 68))
    perihelion = epoch - math.radians(math.remainder(M, 360)) / (GAUSS / a ** 1.5)
    return b, epoch, ((1 - e) * a, e, perihelion, w, node, inc)


def set_angles(b, line, comet):
    if comet:
        _, _, w, node, inc, _, _ = (float(x) for x in line[62:].split())
    else:
        w, node, inc = float(columns(line, 89, 96)), float(columns(line, 98, 105)), float(
            columns(line, 107, 114))
    b._om, b._Om, b._inc = w, node, inc
    b._epoch = ephem.J2000


def main():
    rng = random.Random(20261210)
    out = sys.stdout
    out.write("# PyEphem %s reference places; see make_reference.py for the command\n" %
              ephem.__version__)
    out.write("# G file index ut deltaT_s a_ra a_dec earth_distance mag indep_ra indep_dec\n")
    out.write("# T file index ut deltaT_s site ra dec alt az\n")
    out.write("# P file index ut deltaT_s site ra dec g_ra g_dec\n")
    count = 0
    for code, name, comet in FILES:
        with open("%s/%s" % (SAMPLES, name), encoding="latin-1") as f:
            lines = [l.rstrip("\r\n") for l in f]
        for index, line in enumerate(lines):
            if not line.strip():
                continue
            b, reference, orbit = body_for(line, comet)
            set_angles(b, line, comet)
            ut = reference + rng.uniform(-365.0, 365.0)
            dt = ephem.delta_t(ut + INSTANT_TO_DUBLIN)
            obs = ephem.Observer()
            obs.date = ut + INSTANT_TO_DUBLIN
            obs.pressure = 0
            obs.epoch = ephem.J2000
            b.compute(obs)
            ira, idec = independent_place(orbit, ut + dt / 86400)
            out.write("G %s %d %.9f %.6f %.11f %.11f %.9g %.2f %.11f %.11f\n" %
                      (code, index, ut, dt, float(b.a_ra), float(b.a_dec), b.earth_distance,
                       b.mag, ira, idec))
            if count % 8 == 0:
                site = SITES[(count // 8) % len(SITES)]
                obs.lat, obs.lon, obs.elevation = math.radians(site[1]), math.radians(
                    site[2]), site[3]
                b.compute(obs)
                out.write("T %s %d %.9f %.6f %s %.11f %.11f %.11f %.11f\n" %
                          (code, index, ut, dt, site[0], float(b.ra), float(b.dec),
                           float(b.alt), float(b.az)))
            count += 1
    close_approaches(out)


def close_approaches(out):
    """P lines: the twelve near-Earth objects of NeosAndUnusualCR.dat that come closest to the
    Earth within a year of their epoch, at that day, from two sites: the topocentric and the
    geocentric apparent places of date, whose difference is the parallax."""
    with open("%s/NeosAndUnusualCR.dat" % SAMPLES, encoding="latin-1") as f:
        lines = [l.rstrip("\r\n") for l in f]
    closest = []
    for index, line in enumerate(lines):
        if not line.strip():
            continue
        b, epoch, _ = body_for(line, False)
        set_angles(b, line, False)
        best = None
        for day in range(-365, 366):
            b.compute(ephem.Date(epoch + day + INSTANT_TO_DUBLIN))
            if best is None or b.earth_distance < best[0]:
                best = (b.earth_distance, epoch + day)
        closest.append((best[0], index, best[1]))
    closest.sort()
    for rank, (_, index, ut) in enumerate(closest[:12]):
        b, _, _ = body_for(lines[index], False)
        set_angles(b, lines[index], False)
        for site in (SITES[rank % len(SITES)], SITES[(rank + 2) % len(SITES)]):
            obs = ephem.Observer()
            obs.date = ut + INSTANT_TO_DUBLIN
            obs.pressure = 0
            obs.epoch = ephem.J2000
            obs.lat, obs.lon, obs.elevation = math.radians(site[1]), math.radians(site[2]), site[3]
            b.compute(obs)
            out.write("P N %d %.9f %.6f %s %.11f %.11f %.11f %.11f\n" %
                      (index, ut, ephem.delta_t(obs.date), site[0], float(b.ra), float(b.dec),
                       float(b.g_ra), float(b.g_dec)))


if __name__ == "__main__":
    main()
