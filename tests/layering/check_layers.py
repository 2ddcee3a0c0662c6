#!/usr/bin/env python3
"""Checks the #include lines of src/ against the layers of the program.

    check_layers.py --qtcore-include DIR SRC_DIR

Every folder of SRC_DIR is a row of LAYERS. A file may include headers of its
own folder and of folders in lower layers; folders of one layer never include
each other. A subsystem's ui folder (X/ui) stands above all models but sees
only its own model X and what lies below X, so that a list's widgets cannot
reach into the favourites, say. Folders marked QtCore-only may include no Qt
header that is not in the QtCore include folder DIR.

Prints one line per broken rule and exits with 1; exits with 0 when clean.
"""

import argparse
import os
import re
import sys

CORE = "QtCore only"
WIDGETS = "widgets"

# Lowest layer first: (folder under src, Qt it may use). Extend by adding a
# row; a folder that is in no row fails the check until it is given one.
LAYERS = [
    # General helpers any layer may use: reading a file safely, the safe save.
    [("common", CORE)],
    [("game_data", CORE), ("visuals/bmc_library", CORE)],
    [("engine", CORE), ("visuals", CORE)],
    [("recipe_list", CORE)],
    [("reference_table", CORE), ("favorites", CORE), ("brewing_plan", CORE)],
    # Main.ini, the input rules (keys, find, wheel, drag) and the plan's solver
    # binding see the models, not each other; nothing sees the solver binding
    # but the programs that link it.
    # Effect discovery sees the plan's stock and solver interface.
    [("settings", CORE), ("input", CORE), ("brewing_plan/solver", CORE), ("discovery", CORE)],
    # What the user edits in the window, announcing its changes, with the
    # window's program state and its find texts; the help pages and their
    # file.
    [("session", CORE), ("help", CORE)],
    # The search tab's width rules, the shared widget helpers (the floating
    # picture among the visuals) and the command-line tool: each sees every
    # model, none sees another.
    [("main_window", CORE), ("visuals/ui", WIDGETS), ("common_ui", WIDGETS), ("cli", CORE),
     ("discovery/solver", CORE)],
    [("recipe_list/ui", WIDGETS), ("reference_table/ui", WIDGETS), ("favorites/ui", WIDGETS),
     ("brewing_plan/ui", WIDGETS), ("discovery/ui", WIDGETS), ("help/ui", WIDGETS)],
    # What crosses the window's parts: the cell hints, the keys and wheel, and
    # drag and drop. They see the lists they serve and take registrations
    # from the parts, never the window; the hints and the drags read the
    # program state, the keys ask their host.
    [("hints/ui", WIDGETS), ("input/ui", WIDGETS), ("drag_drop/ui", WIDGETS)],
    [("main_window/ui", WIDGETS)],
    [("app", WIDGETS)],
]

# Known breaks that are being mended on the window side: (file, included
# header). A row whose include is gone fails the check, so delete it then.
EXCEPTIONS = []

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c")
INCLUDE_RE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_table():
    """folder -> (layer index, Qt rule)."""
    table = {}
    for index, row in enumerate(LAYERS):
        for folder, qt in row:
            table[folder] = (index, qt)
    return table


def anchor_of(folder, table):
    """The model a subsystem ui folder belongs to, or None."""
    parent, leaf = os.path.split(folder)
    if leaf == "ui" and parent in table and table[parent][1] == CORE:
        return parent
    return None


def source_files(src):
    for root, dirs, files in os.walk(src):
        dirs.sort()
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                path = os.path.join(root, name)
                yield path, os.path.relpath(root, src).replace(os.sep, "/")


def included_folder(src, own_folder, header, table):
    """The src folder an #include names, or None for a header outside src."""
    if os.path.isfile(os.path.join(src, own_folder, header)):
        return os.path.dirname(os.path.normpath(os.path.join(own_folder, header))).replace(os.sep, "/")
    if os.path.isfile(os.path.join(src, header)):
        return os.path.dirname(header)
    # A bare name found through a folder put on the include path (the
    # picture library's header, for instance).
    if "/" not in header:
        for folder in table:
            if os.path.isfile(os.path.join(src, folder, header)):
                return folder
    return None


def qt_header_allowed(header, qtcore_headers):
    if header.startswith("QtCore/"):
        return True
    first = header.split("/", 1)[0]
    if "/" in header:
        # Module-qualified form: QtGui/QColor, QtWidgets/qwidget.h ...
        return not re.match(r"^Qt[A-Z]", first)
    return header in qtcore_headers


def is_qt_header(header):
    return re.match(r"^Q[A-Za-z]", header) is not None


def check(src, qtcore_dir, exceptions=()):
    table = layer_table()
    unused = set(exceptions)
    qtcore_headers = set(os.listdir(qtcore_dir))
    problems = []
    for path, folder in source_files(src):
        rel = os.path.relpath(path, src).replace(os.sep, "/")
        if folder == ".":
            continue  # build files only
        if folder not in table:
            problems.append(f"{rel}: folder '{folder}' has no row in the layer table")
            continue
        layer, qt = table[folder]
        anchor = anchor_of(folder, table)
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                m = INCLUDE_RE.match(line)
                if not m:
                    continue
                kind, header = m.groups()
                if (rel, header) in unused:
                    unused.discard((rel, header))
                    continue
                where = f"{rel}:{number}"
                if kind == "<" and is_qt_header(header):
                    if qt == CORE and not qt_header_allowed(header, qtcore_headers):
                        problems.append(f"{where}: '{folder}' may use QtCore only, includes <{header}>")
                    continue
                target = included_folder(src, folder, header, table)
                if target is None or target == folder:
                    continue
                if target not in table:
                    problems.append(f"{where}: includes {header} from '{target}', a folder with no row")
                    continue
                target_layer, target_qt = table[target]
                if target_layer >= layer:
                    relation = "a folder of its own layer" if target_layer == layer else "a higher layer"
                    problems.append(f"{where}: '{folder}' includes {header} from {relation} ('{target}')")
                elif anchor is not None and target_qt == CORE and target != anchor \
                        and anchor_of(target, table) is None and target_layer >= table[anchor][0]:
                    problems.append(
                        f"{where}: '{folder}' includes {header}; the widgets of '{anchor}' see only "
                        f"'{anchor}' and the models below it, not '{target}'")
    for rel, header in sorted(unused):
        problems.append(f"{rel}: no longer includes {header}; delete its row from EXCEPTIONS")
    return problems


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--qtcore-include", required=True, help="the QtCore include folder")
    parser.add_argument("src", help="the src folder of the project")
    args = parser.parse_args(argv)
    if not os.path.isdir(args.qtcore_include):
        print(f"no QtCore include folder at {args.qtcore_include}", file=sys.stderr)
        return 2
    problems = check(args.src, args.qtcore_include, EXCEPTIONS)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} include(s) break the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
