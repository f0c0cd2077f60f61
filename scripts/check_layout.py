#!/usr/bin/env python3
"""Fails when a file of src/ (or of the test folder that mirrors it) includes a folder above its own, or
when wxWidgets is included outside src/ui/ and src/app/quorva/.

    scripts/check_layout.py [ROOT]
"""
import pathlib
import re
import sys

# The folders from the top down: a folder includes only itself and the folders after it. platform/ and
# resources/ are the ground: every folder may use them, and they use nothing but themselves.
ORDER = ["app", "ui", "web", "startup", "forms", "publish", "schedule", "results", "settings", "simfiles",
         "core"]
GROUND = ["platform", "resources"]
WX_ALLOWED = ["src/ui/", "src/app/quorva/", "tests/ui/"]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def may_include(folder, included):
    if included == folder or included in GROUND:
        return True
    if folder in GROUND:
        return False
    return included in ORDER and ORDER.index(included) > ORDER.index(folder)


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    known = set(ORDER + GROUND)
    faults = []
    for top in ("src", "tests"):
        for path in sorted((root / top).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            relative = path.relative_to(root).as_posix()
            folder = relative.split("/")[1]
            for kind, name in INCLUDE.findall(path.read_text(errors="replace")):
                if kind == "<" and name.startswith("wx/"):
                    if not any(relative.startswith(allowed) for allowed in WX_ALLOWED):
                        faults.append(f"{relative}: includes <{name}> outside the windows")
                    continue
                included = name.split("/")[0]
                if kind == '"' and folder in known and included in known and not may_include(folder, included):
                    faults.append(f'{relative}: {folder}/ includes "{name}" from a folder above it')
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
