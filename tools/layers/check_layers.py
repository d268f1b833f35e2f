#!/usr/bin/env python3
"""Fails when a file includes a header from a layer above its own.

The console's layers, lowest first: platform and resources; api; attrs; the
shared UI helpers (ui); the record panels; the engines (transfer, report,
stats); the frame (shell); the program (console). The DLLs' public headers
(grid, netbrowse) sit beside ui: the panels and everything above may use them.
"""
import pathlib
import re
import sys

RANKS = {
    "platform": 1, "resources": 1,
    "api": 2,
    "attrs": 3,
    "ui": 4, "grid": 4, "netbrowse": 4,
    "panels": 5,
    "transfer": 6, "report": 6, "stats": 6,
    "shell": 7,
    "console": 8,
}
# Folders whose files are checked (the DLLs are programs of their own).
CHECKED = ["platform", "resources", "api", "attrs", "ui", "panels", "transfer", "report", "stats", "shell"]
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]+"([^"/]+)/[^"]+"', re.M)
# Resource scripts gather the program's templates from every layer on purpose.
SOURCES = {".cpp", ".h", ".inc"}


def violations(top):
    for folder in CHECKED:
        rank = RANKS[folder]
        if not (top / folder).is_dir():
            continue
        for path in sorted((top / folder).rglob("*")):
            if path.suffix not in SOURCES or not path.is_file():
                continue
            text = path.read_text(encoding="latin-1")
            for match in INCLUDE.finditer(text):
                target = match.group(1)
                if RANKS.get(target, 0) > rank:
                    line = text.count("\n", 0, match.start()) + 1
                    yield f"{path.relative_to(top)}:{line}: {folder}/ includes {target}/ (a higher layer)"


def self_test():
    """The check itself: an upward include is found, a downward one is not."""
    import tempfile
    with tempfile.TemporaryDirectory() as folder:
        top = pathlib.Path(folder)
        (top / "panels").mkdir()
        (top / "panels" / "a.cpp").write_text('#include "api/db.h"\n\n#include "shell/servers.h"\n')
        found = list(violations(top))
    expected = ["panels/a.cpp:3: panels/ includes shell/ (a higher layer)"]
    if found != expected:
        print(f"self test: expected {expected}, found {found}")
        return 1
    return 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    top = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
    found = list(violations(top))
    for line in found:
        print(line)
    print(f"layers: {len(found)} upward include(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
