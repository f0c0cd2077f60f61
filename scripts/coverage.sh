#!/usr/bin/env bash
# Line and branch coverage of src/ by every test of the ordinary build, folder by folder. Not part of
# ./test: it builds a third time, unoptimised and instrumented, in build-coverage/.
#   scripts/coverage.sh            build, run every test, print the table
#   scripts/coverage.sh --report   print the table again from the last run
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

if [ "${1:-}" != "--report" ]; then
    ensure_packages
    ensure_packages gcovr
    ensure_wine
    cmake -G Ninja -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
        -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage -DQUORVA_BENCH=OFF
    cmake --build build-coverage
    find build-coverage -name '*.gcda' -delete
    # A failing test still counts what it ran; the table says how many failed.
    ctest --test-dir build-coverage -j2 >build-coverage/ctest.log 2>&1 || true
    grep -E 'tests passed|tests failed' build-coverage/ctest.log || true
fi

# The tests' Wine prefix maps drive Z: to /, which gcovr would otherwise search whole.
gcovr --root . --filter 'src/' --object-directory build-coverage --json-summary build-coverage/summary.json \
    --exclude-directories 'build-coverage/tests/wine/prefix' --exclude-unreachable-branches \
    --exclude-throw-branches build-coverage >/dev/null 2>build-coverage/gcovr.log
python3 - build-coverage/summary.json <<'EOF'
import json, sys
from collections import defaultdict

totals = defaultdict(lambda: [0, 0, 0, 0])
for entry in json.load(open(sys.argv[1]))["files"]:
    parts = entry["filename"].split("/")
    for folder in ("src/" + parts[1], "all of src/"):
        t = totals[folder]
        t[0] += entry["line_covered"]; t[1] += entry["line_total"]
        t[2] += entry["branch_covered"]; t[3] += entry["branch_total"]

def percent(done, of):
    return f"{100.0 * done / of:5.1f}%" if of else "    -"

print(f"{'folder':<16}{'lines':>8}{'of':>8}{'line':>8}{'branches':>10}{'of':>8}{'branch':>8}")
for folder in sorted(totals, key=lambda f: (f.startswith("all"), f)):
    l, lt, b, bt = totals[folder]
    print(f"{folder:<16}{l:>8}{lt:>8}{percent(l, lt):>8}{b:>10}{bt:>8}{percent(b, bt):>8}")
EOF
