#!/usr/bin/env python3
"""Fails when an #include "…" line runs upward between the program's layers.

The layers, from the top down:

    app → query, content, shop/actions → windows → ui → catalogue
    app → shop/actions → shop/import → shop/matching → shop/store → designation → catalogue
    shop/actions → shop/enquiry → shop/import, shop/pricing → shop/matching → shop/store
    query → shop/store
    cli → the Qt-free parts of query, shop/store, designation, catalogue
    shop/tool → cli, shop/enquiry, shop/pricing, shop/import, shop/matching, shop/store

Each unit (a top-level folder, or a subfolder named in MAY_INCLUDE) may include itself and the
units it lists below; "x/*" stands for x and every unit under it. query, content and
shop/actions sit side by side and do not include each other. The folders marked Qt-free must
stay so: no Qt header, and only Qt-free files of ours. The command line may take a file of
query/ only when that file is Qt-free (its statements, its list texts, its messages).

Usage: scripts/check-layers.py [ROOT]   (ROOT defaults to the checkout holding this script)
Prints every upward include as FILE:LINE: message, and exits 1 when there is any.
"""

import os
import re
import sys
from pathlib import Path

# What each top-level folder may include besides itself.
MAY_INCLUDE = {
    "catalogue": set(),
    "designation": {"catalogue"},
    "ui": {"catalogue"},
    "windows": {"ui", "catalogue"},
    # query may show the shop's stock beside its lists (shop/store is plain C++).
    "query": {"windows", "ui", "catalogue", "designation", "shop/store"},
    "content": {"windows", "ui", "catalogue", "designation"},
    # The shop's data: its messages (shop/ itself), the shop file, matching through the
    # designation model, the stock-list readers, the windows' actions and its own program.
    "shop": {"designation", "catalogue"},
    "shop/store": {"shop", "designation", "catalogue"},
    "shop/matching": {"shop", "shop/store", "designation", "catalogue"},
    # The unit price a quote proposes: the shop's stock, else the price lists.
    "shop/pricing": {"shop", "shop/store", "shop/matching", "designation", "catalogue"},
    "shop/import": {"shop", "shop/store", "shop/matching", "designation", "catalogue"},
    # A quote from a customer's enquiry list: read as stock lists are, matched, priced.
    "shop/enquiry": {"shop", "shop/store", "shop/matching", "shop/pricing", "shop/import",
                     "designation", "catalogue"},
    "shop/actions": {"shop", "shop/store", "shop/matching", "shop/import", "shop/pricing",
                     "shop/enquiry", "windows", "ui", "designation", "catalogue",
                     "query/table_text"},
    "shop/tool": {"shop", "shop/store", "shop/matching", "shop/import", "shop/pricing",
                  "shop/enquiry", "cli",
                  "query/table_text", "designation", "catalogue"},
    "app": {"query", "content", "shop/*", "windows", "ui", "catalogue", "designation"},
    # The command line takes query/ too, but only its Qt-free files: checked apart below.
    # shop/store is plain C++ on SQLite: `lookup --stock` reads the shop's stock through it.
    "cli": {"designation", "catalogue", "shop/store"},
}

# Folders (or subfolders) whose files must not reach Qt at all, directly or through ours.
QT_FREE = [
    "catalogue", "designation", "cli", "query/sql", "query/table_text", "query/sizes",
    "shop/store", "shop/quote", "shop/matching", "shop/pricing",
]


SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ANGLE_INCLUDE = re.compile(r"^\s*#\s*include\s+<([^>]+)>")


# Subfolders named as includable units only (they are no layer of their own otherwise).
LISTED_UNITS = {allowed for allowed_set in MAY_INCLUDE.values() for allowed in allowed_set
                if "/" in allowed and not allowed.endswith("/*")}

# Folders whose subfolders are layers of their own: includes between them are checked too.
SPLIT = {unit.split("/")[0] for unit in MAY_INCLUDE if "/" in unit}


def unit_of(rel):
    """The unit a file belongs to: the longest MAY_INCLUDE key that holds it, else its
    top-level folder (query/table_text is a unit of its own only where it is listed)."""
    parts = rel.split("/")
    for length in range(len(parts) - 1, 0, -1):
        candidate = "/".join(parts[:length])
        if candidate in MAY_INCLUDE or candidate in LISTED_UNITS:
            return candidate
    return parts[0]


def may_include(unit, target_unit):
    for allowed in MAY_INCLUDE.get(unit, set()):
        if allowed.endswith("/*"):
            base = allowed[:-2]
            if target_unit == base or target_unit.startswith(base + "/"):
                return True
        elif target_unit == allowed:
            return True
    return False


def is_qt_header(name):
    head = name.split("/")[0]
    return head.startswith("Qt") or re.fullmatch(r"Q[A-Z]\w*", head) is not None


def read_includes(path):
    quoted, angle = [], []
    with open(path, encoding="utf-8", errors="replace") as f:
        for number, line in enumerate(f, 1):
            m = QUOTED_INCLUDE.match(line)
            if m:
                quoted.append((number, m.group(1)))
                continue
            m = ANGLE_INCLUDE.match(line)
            if m:
                angle.append((number, m.group(1)))
    return quoted, angle


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    sources = {}
    for folder in {unit.split("/")[0] for unit in MAY_INCLUDE}:
        base = root / folder
        if not base.is_dir():
            continue
        for dirpath, _, names in os.walk(base):
            for name in names:
                path = Path(dirpath) / name
                if path.suffix in SOURCE_SUFFIXES:
                    sources[path.relative_to(root).as_posix()] = read_includes(path)

    qt_free_memo = {}

    def reaches_qt(rel, trail=()):
        """The first Qt header or Qt-using file that `rel` reaches, or None."""
        if rel in qt_free_memo:
            return qt_free_memo[rel]
        if rel in trail or rel not in sources:
            return None
        quoted, angle = sources[rel]
        found = next((f"<{name}>" for _, name in angle if is_qt_header(name)), None)
        if found is None:
            for _, target in quoted:
                if reaches_qt(target, trail + (rel,)) is not None:
                    found = target
                    break
        qt_free_memo[rel] = found
        return found

    faults = []
    for rel, (quoted, angle) in sorted(sources.items()):
        folder = rel.split("/")[0]
        unit = unit_of(rel)
        for line, target in quoted:
            target_folder = target.split("/")[0]
            target_unit = unit_of(target)
            if target_unit == unit or (target_folder == folder and folder not in SPLIT):
                continue
            if folder == "cli" and target_folder == "query":
                why = reaches_qt(target)
                if why is not None:
                    faults.append(f"{rel}:{line}: the command line includes {target}, "
                                  f"which reaches Qt through {why}")
                continue
            if not may_include(unit, target_unit):
                faults.append(f"{rel}:{line}: {unit}/ may not include {target} "
                              f"({target_unit}/ is not below it)")
        if any(rel == part or rel.startswith(part + "/") for part in QT_FREE):
            why = reaches_qt(rel)
            if why is not None:
                faults.append(f"{rel}: must stay without Qt, but reaches {why}")

    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) run against the layers; see the README's Layout section.")
        return 1
    print(f"Layers hold: {len(sources)} files checked.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
