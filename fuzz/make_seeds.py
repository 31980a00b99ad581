#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into OUT/<target>/: the lines and files of
data/samples plus hand-made edge cases (e = 1 exactly and just around it, q = 0, a < 0,
i = 180, epochs in years 0, 9999 and 99999, "nan", "inf", "1e999", NUL bytes, lines of
10,000 characters), and command lines of every vagaris-cli subcommand.

usage: make_seeds.py SAMPLES_DIR OUT_DIR
"""
import hashlib
import io
import os
import sys


def put(folder, data):
    if isinstance(data, str):
        data = data.encode("utf-8", "surrogateescape")
    name = hashlib.sha1(data).hexdigest()
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def field(line, first, last, text):
    """Replaces 1-based columns first..last by text, right-aligned."""
    width = last - first + 1
    line = line.ljust(last)
    return line[: first - 1] + text.rjust(width)[:width] + line[last:]


def catalog_seeds(samples, out):
    folder = os.path.join(out, "fuzz_catalog_line")
    os.makedirs(folder, exist_ok=True)
    for name in sorted(os.listdir(samples)):
        if name.endswith("CR.dat"):
            # A few dozen lines of each file: the rest add little but start-up time.
            with open(os.path.join(samples, name), "rb") as f:
                for line in f.read().splitlines()[:40]:
                    put(folder, line)
    comet = ("C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046"
             "       0.994905 130.6979 281.7618  89.7572   -2.0   4.0")
    planet = ("(1) Ceres                                      2025 11 21.0 231.5397  2.76562"
              "  0.079576  73.2997  80.2496  10.5879  3.35   0.15")
    # Comet numbers from column 63: q e w O i H G.
    q, e, w, node, i = "0.922046", "0.994905", "130.6979", "281.7618", "89.7572"

    def comet_with(**kw):
        values = dict(q=q, e=e, w=w, node=node, i=i, epoch="1997 03 29.0299")
        values.update(kw)
        return (comet[:47] + values["epoch"].ljust(15) + "  " + values["q"] + "       " +
                values["e"] + " " + values["w"] + " " + values["node"] + "  " + values["i"] +
                "   -2.0   4.0")

    edges = [
        comet_with(e="1.000000"), comet_with(e="1.000001"), comet_with(e="0.999999"),
        comet_with(e="1.00001"), comet_with(e="1.5"), comet_with(q="0.000000"),
        comet_with(i="180.0000"), comet_with(i="180.0001"), comet_with(w="360.0001"),
        comet_with(epoch="0000 01 01.0"), comet_with(epoch="9999 12 31.9999"),
        comet_with(epoch="99999 01 01.0"), comet_with(epoch="2020 01 01.1e99"),
        comet_with(q="nan"), comet_with(q="inf"), comet_with(q="1e999"),
        comet.replace("0.922046", "0.92\x002046"), comet + " 7",  # a stray eighth number
        comet[:70] + "5" + comet[71:], comet + " " * 10000, "9" * 10000, "\x00" * 200,
        field(planet, 69, 77, "-2.76562"), field(planet, 69, 77, "1e300"),
        field(planet, 80, 87, "1.0"), field(planet, 107, 114, "180.0"),
        field(planet, 48, 59, "9999 12 31.0"), field(planet, 48, 59, "0000 01 01.0"),
        field(planet, 69, 77, "nan"), field(planet, 69, 77, "inf"),
        field(planet, 69, 77, "1e999"), planet + "\x00" * 50, planet + "x" * 10000,
        comet[:40], "", planet[:60],
    ]
    for line in edges:
        put(folder, line)


def settings_seeds(out):
    folder = os.path.join(out, "fuzz_settings")
    os.makedirs(folder, exist_ok=True)
    good = ["+40", "0000", "2.7", "5.0", "000", "0", "", "POL", "SM"]
    put(folder, "\r\n".join(good) + "\r\n")
    put(folder, "\n".join(["-33", "0500", "1.5", "3.0", "000", "1", "/p/MPCORB.DAT",
                           "CARTE", "SH"]) + "\n")
    put(folder, "")
    put(folder, "\r\n")
    put(folder, "+10\r\n")
    for k, bad in enumerate(["xx", "12.5", "-1", "0.0", "nan", "1e999", "x", "\x00"]):
        lines = list(good)
        lines[k % 6 if k % 6 != 4 else 5] = bad
        put(folder, "\r\n".join(lines) + "\r\n")
    put(folder, "\r\n".join(good + ["extra", "lines"]) + "\r\n")
    put(folder, "9" * 10000 + "\r\n")


def mpcorb_seeds(samples, out):
    folder = os.path.join(out, "fuzz_mpcorb")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(samples, "MPCORB.excerpt.dat"), "rb") as f:
        data = f.read()
    lines = data.splitlines(keepends=True)
    head = b"".join(lines[:60])
    for key in [b"1", b"CERES", b"A0345", b"2004 MN4", b"(1916)", b"", b"K1972", b"\x00"]:
        put(folder, key + b"\n" + head)
    put(folder, b"BOREAS\n" + b"".join(l.replace(b"\n", b"\r\n") for l in lines[30:50]))
    put(folder, b"1\n" + b"x" * 10000 + b"\n" + lines[45])
    put(folder, b"1\n")


def gif_seeds(out):
    folder = os.path.join(out, "fuzz_gif")
    os.makedirs(folder, exist_ok=True)
    # A 1 x 1 picture with a two-colour global table, written out by hand.
    put(folder, bytes.fromhex("474946383961010001008000000000ffffff2c00000000010001000002024401003b"))
    put(folder, b"GIF89a")
    try:
        from PIL import Image
    except ImportError:
        return
    for size, colours, interlace in [((1, 1), 2, 0), ((7, 5), 4, 0), ((16, 9), 16, 1),
                                     ((33, 20), 256, 0), ((3, 40), 3, 1)]:
        img = Image.new("P", size)
        img.putpalette([(k * 37) % 256 for k in range(3 * colours)])
        img.putdata([(x * 7 + y * 3) % colours for y in range(size[1]) for x in range(size[0])])
        buf = io.BytesIO()
        img.save(buf, "GIF", interlace=interlace)
        put(folder, buf.getvalue())
    frames = [Image.new("P", (8, 8), k) for k in range(3)]
    for fr in frames:
        fr.putpalette([0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255] * 4)
    buf = io.BytesIO()
    frames[0].save(buf, "GIF", save_all=True, append_images=frames[1:], duration=100, loop=0)
    put(folder, buf.getvalue())


# The subcommands in the order of kCommands (cli/Commands.cpp): the first byte picks one.
CLI_COMMANDS = ["circumstances", "ephemeris", "orbit", "chart", "search", "download",
                "antitail", "tisserand", "tonight"]


def cli_seeds(out):
    folder = os.path.join(out, "fuzz_cli_args")
    os.makedirs(folder, exist_ok=True)
    hale = ["--catalog", "CometsCR.dat", "--name", "Hale-Bopp"]
    ceres = ["--catalog", "BrightMinorPlanetsCR.dat", "--object", "0"]
    cases = [
        ("circumstances", hale + ["--at", "01/04/1997 20:00:00", "--json"]),
        ("circumstances", ceres + ["--mode", "T", "--twilight", "civil", "--lat", "-33",
                                   "--alt", "0700", "--res", "1.5", "--cartesian"]),
        ("circumstances", hale + ["--name", "", "--res", "-2.7", "--fwhm", "0"]),
        ("ephemeris", hale + ["--start", "01/03/1997", "--step", "05.0", "--rows", "0020",
                              "--cola"]),
        ("ephemeris", ceres + ["--start", "20/12/9999", "--unit", "horas", "--rows", "abc"]),
        ("orbit", hale + ["--tilt", "30", "--frames", "3", "-o", "x.gif"]),
        ("chart", hale + ["--span", "0", "--csv"]),
        ("search", ["Ceres", "--mpcorb", "MPCOrb.dat", "--at", "01/01/2025", "--json"]),
        ("download", ["--which", "nada"]),
        ("antitail", ["--catalog", "CometsCR.dat", "--year", "2024"]),
        ("antitail", ["--catalog", "CometsCR.dat", "--year", "99999"]),
        ("tisserand", ["--a", "1e300", "--e", "0.5", "--i", "10"]),
        ("tisserand", hale),
        ("tonight", ["--all-catalogs", "--date", "01/05/2024", "--mag", "nan"]),
        ("circumstances", ["--catalog"]),
        ("ephemeris", ["--help"]),
    ]
    for name, args in cases:
        put(folder, bytes([CLI_COMMANDS.index(name)]) + b"\0".join(a.encode() for a in args))


def main():
    samples, out = sys.argv[1], sys.argv[2]
    cli_seeds(out)
    catalog_seeds(samples, out)
    settings_seeds(out)
    mpcorb_seeds(samples, out)
    gif_seeds(out)


if __name__ == "__main__":
    main()
