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

# The published folder after two runs of the demo schedule: the index, the standings and a race page, on
# a phone (a 390-pixel frame, since a headless window is never narrower than 500 pixels) and on a desktop.
for run in 1 2; do
    (cd / && WINEPREFIX="$demo/wine" SIMSTANDIN_DELAY_MS=0 "$demo/program/quorva-run" >/dev/null)
done
results="$demo/program/results"
race="$(ls "$results" | grep '_NL_.*\.html$' | head -n 1)"
for page in index standings "$race"; do
    name=$([ "$page" = "$race" ] && echo race || echo "$page")
    file="$results/${page%.html}.html"
    printf '<body style="margin:0;background:#2d3340"><iframe src="file://%s" width="390" height="844" style="border:0;display:block;margin:0 auto"></iframe></body>' \
        "$file" >"$demo/phone.html"
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=500,844 \
        --screenshot="docs/$name-phone.png" "file://$demo/phone.html" 2>/dev/null
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1280,800 \
        --screenshot="docs/$name-desktop.png" "file://$file" 2>/dev/null
done
