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
SOURCE_DIRS = ["core", "catalogs", "settings", "gif", "translations", "pictures", "toolkit",
               "outputs", "orbitview", "shell", "cli"]

# What each folder may include: project folders (headers written "folder/File.h") and the Qt
# modules of its Qt headers. The first matching prefix decides. From the bottom up: the pure
# layers, then Qt Core's translations, Qt Gui's pictures, the pages' toolkit, the features
# (each a pure part and its page), the window, and the command-line tool beside the window.
PURE = ["core/", "catalogs/", "settings/"]
FEATURES = ["outputs/", "orbitview/"]
ALLOWED = [
    ("core/", ["core/"], []),
    ("gif/", ["gif/"], []),
    ("catalogs/download/", PURE + ["translations/", "toolkit/", "catalogs/download/"],
     ["QtCore", "QtGui", "QtWidgets", "QtNetwork"]),
    ("catalogs/", ["core/", "catalogs/"], []),
    ("settings/", PURE, []),
    ("translations/", PURE + ["translations/"], ["QtCore"]),
    ("pictures/", PURE + ["gif/", "pictures/"], ["QtCore", "QtGui"]),
    ("toolkit/", PURE + ["gif/", "translations/", "pictures/", "toolkit/"],
     ["QtCore", "QtGui", "QtWidgets"]),
    ("outputs/", PURE + ["gif/", "translations/", "pictures/", "toolkit/"] + FEATURES,
     ["QtCore", "QtGui", "QtWidgets", "QtCharts"]),
    ("orbitview/", PURE + ["gif/", "translations/", "pictures/", "toolkit/"] + FEATURES,
     ["QtCore", "QtGui", "QtWidgets"]),
    ("shell/", PURE + ["gif/", "translations/", "pictures/", "toolkit/", "catalogs/download/"]
     + FEATURES + ["shell/"], ["QtCore", "QtGui", "QtWidgets", "QtSql"]),
    # The command-line tool's plugins: the parts of it that draw and download.
    ("cli/plugins/", PURE + ["gif/", "translations/", "pictures/", "catalogs/download/"]
     + FEATURES + ["cli/"], ["QtCore", "QtGui", "QtWidgets", "QtNetwork", "QtCharts"]),
    # The command-line tool itself starts with Qt Core alone.
    ("cli/", PURE + ["gif/", "translations/", "pictures/", "catalogs/download/"] + FEATURES
     + ["cli/"], ["QtCore"]),
]

# The window itself, which assembles the pages; nothing else includes a page or TFAtmo.
WINDOW_FILES = {"shell/TFAtmo.h", "shell/TFAtmo.cpp", "shell/main.cpp", "shell/ScreenshotTool.cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
QT_HEADER = re.compile(r"^Q[A-Za-z]*(/|$)")


def stem(rel):
    return rel.rsplit(".", 1)[0]


def is_page(rel):
    # toolkit/Page.h is the pages' base class.
    return (stem(rel).endswith("Page") and stem(rel) != "toolkit/Page") or stem(rel) == "shell/TFAtmo"


# Where Qt's headers are, to tell the module of a Qt header (<QImage>: QtGui). Without them
# (another system) the modules are not checked.
QT_INCLUDE_ROOTS = [pathlib.Path("/usr/include/x86_64-linux-gnu/qt6"),
                    pathlib.Path("/usr/include/qt6")]


def qt_module(header, cache={}):
    """The Qt module that holds a header ("QtGui" for "QImage"), or None when unknown."""
    if header in cache:
        return cache[header]
    found = None
    first = header.split("/")[0]
    for root in QT_INCLUDE_ROOTS:
        if not root.is_dir():
            continue
        if first.startswith("Qt") and (root / first).is_dir():
            found = first
            break
        for module in sorted(root.iterdir()):
            if (module / header).is_file():
                found = module.name
                break
        if found:
            break
    cache[header] = found
    return found


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
            allowed, modules = next((folders, qt) for prefix, folders, qt in ALLOWED
                                    if rel.startswith(prefix))
            text = path.read_text(encoding="utf-8")
            for kind, header in INCLUDE.findall(text):
                where = f"{rel}: #include {kind}{header}{'>' if kind == '<' else kind}"
                if kind == "<":
                    if not QT_HEADER.match(header):
                        continue
                    module = qt_module(header)
                    if not modules:
                        faults.append(f"{where}: Qt in a folder that must stay pure")
                    elif rel in pure:
                        faults.append(f"{where}: Qt in a pure file")
                    elif module and module not in modules:
                        faults.append(f"{where}: {module} in {rel.split('/')[0]}/, which may use "
                                      + ", ".join(modules))
                    continue
                if is_page(header) and stem(header) != stem(rel) and rel not in WINDOW_FILES:
                    faults.append(f"{where}: only the window includes a page")
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
