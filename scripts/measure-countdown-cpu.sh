#!/usr/bin/env bash
# Measures the processor time quorva-run takes while it counts down for a minute: the demo installation
# with a race delay of one minute, stopped with Ctrl-C (SIGINT) after 60 seconds. Run ./run once first.
set -euo pipefail
cd "$(dirname "$0")/.."
demo="$(pwd)/build/measure"
rm -rf "$demo"
./build/tools/demo/quorva-demo "$demo" build/program build/tools/simstandin/simstandin
sed -i 's/^RaceDelay=0/RaceDelay=1/' "$demo/program/Quorvadata.ini"
WINEPREFIX="$demo/wine" "$demo/program/quorva-run" >/dev/null &
pid=$!
sleep 60
read -r -a stat <"/proc/$pid/stat"
kill -INT "$pid"
wait "$pid"
ticks=$(getconf CLK_TCK)
echo "quorva-run over a 60 s countdown: user $((stat[13] * 1000 / ticks)) ms, system $((stat[14] * 1000 / ticks)) ms"
