#!/usr/bin/env bash
# Takes the README's pictures (docs/<dialog>-dialog.png) of Quorva on a demo installation of its own, on
# a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages
build_program

demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
./build/tools/demo/quorva-demo "$demo" build/program build/tools/simstandin/simstandin
mkdir -p docs
for dialog in main running server-settings schedule event timing; do
    WINEPREFIX="$demo/wine" xvfb-run -a -s "-screen 0 1280x1024x24" \
        ./build/tools/screenshots/quorva-screenshots "$demo/program" "$dialog" "docs/$dialog-dialog.png"
done
