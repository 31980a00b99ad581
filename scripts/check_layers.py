#!/usr/bin/env python3
"""Checks that the layers of the source tree point one way, from the includes of every file.

Run by scripts/test.sh before the tests; exits 1 and lists each offending include. The rules
are the tables below: a folder may include what its row allows (project headers, written
"folder/File.h"); system headers in <> are free, except Qt's in pure files.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE_DIRS = ["core", "catalogs", "gif", "outputs", "orbitview", "shell", "cli"]

# Which project folders each layer may include. The first matching prefix decides.
ALLOWED = [
    ("core/", ["core/"]),
    ("gif/", ["gif/"]),
    ("catalogs/", ["core/", "catalogs/"]),
    ("outputs/", ["core/", "catalogs/", "gif/", "outputs/", "orbitview/", "shell/gifbridge/"]),
    ("orbitview/", ["core/", "catalogs/", "gif/", "outputs/", "orbitview/", "shell/gifbridge/"]),
    ("shell/", ["core/", "catalogs/", "gif/", "outputs/", "orbitview/", "shell/"]),
    ("cli/", ["core/", "catalogs/", "gif/", "outputs/", "orbitview/", "shell/settings/", "cli/"]),
]

# The window's toolkit, which a page (or a dialog of a page) may use from any folder.
TOOLKIT = {
    "shell/Page.h",
    "shell/AppController.h",
    "shell/Dialogs.h",
    "shell/MaskedEdit.h",
    "shell/BusyCursor.h",
    "shell/DateTimeBoxes.h",
    "shell/settings/Translations.h",  # the interface language of the pure code's texts
}
# Widgets that sit at page level without being pages.
PAGE_LEVEL_WIDGETS = {"outputs/ea/UTj", "outputs/tonight/TonightWindow"}

# The window itself, which assembles the pages; nothing else includes a page or TFAtmo.
WINDOW_FILES = {"shell/TFAtmo.h", "shell/TFAtmo.cpp", "shell/main.cpp", "shell/ScreenshotTool.cpp"}

# shell/gifbridge/ (QImage to GIF, the GIF progress window) is the window's bridge to the GIF
# library, shared by the picture export of the orbit view and the charts: allowed above.

# Includes outside the rules above, each with its reason. Edit when the reason goes away.
EXCEPTIONS = set()

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
QT_HEADER = re.compile(r"^Q[A-Za-z]*(/|$)")


def stem(rel):
    return rel.rsplit(".", 1)[0]


def is_page(rel):
    # shell/Page.h is the pages' base class, part of the toolkit.
    return (stem(rel).endswith("Page") and stem(rel) != "shell/Page") or stem(rel) == "shell/TFAtmo"


def is_page_level(rel):
    return is_page(rel) or stem(rel) in PAGE_LEVEL_WIDGETS


def pure_files():
    """Sources of the pure libraries (vagaris_core, vagaris_gif), read from the CMake files,
    with their headers."""
    pure = set()
    block = re.compile(r"target_sources\(\s*(vagaris_core|vagaris_gif)\s+PRIVATE([^)]*)\)")
    for cmake in ROOT.glob("*/**/CMakeLists.txt"):
        folder = cmake.parent.relative_to(ROOT).as_posix()
        if folder.split("/")[0] not in SOURCE_DIRS:
            continue
        for match in block.finditer(cmake.read_text(encoding="utf-8")):
            for name in match.group(2).split():
                rel = f"{folder}/{name}"
                pure.add(rel)
                pure.add(stem(rel) + ".h")
    return pure


def check():
    pure = pure_files()
    faults = []
    for top in SOURCE_DIRS:
        for path in sorted((ROOT / top).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            rel = path.relative_to(ROOT).as_posix()
            allowed = next(folders for prefix, folders in ALLOWED if rel.startswith(prefix))
            text = path.read_text(encoding="utf-8")
            for kind, header in INCLUDE.findall(text):
                where = f"{rel}: #include {kind}{header}{'>' if kind == '<' else kind}"
                if kind == "<":
                    qt = QT_HEADER.match(header)
                    if qt and (rel.startswith("core/") or rel.startswith("gif/")):
                        faults.append(f"{where}: Qt in a folder that must stay pure")
                    elif qt and rel in pure:
                        faults.append(f"{where}: Qt in a pure file")
                    continue
                if (rel, header) in EXCEPTIONS:
                    continue
                if is_page(header) and stem(header) != stem(rel) and rel not in WINDOW_FILES:
                    faults.append(f"{where}: only the window includes a page")
                    continue
                if header in TOOLKIT and is_page_level(rel):
                    continue
                if not any(header.startswith(folder) for folder in allowed):
                    faults.append(f"{where}: {rel.split('/')[0]}/ may include only "
                                  + ", ".join(allowed))
    return faults


def main():
    faults = check()
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        print(f"check_layers: {len(faults)} include(s) against the layer rules", file=sys.stderr)
        return 1
    print("check_layers: the layers point one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
