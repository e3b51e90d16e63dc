#!/usr/bin/env bash
# Measures the real front end on a virtual X display: the time from process
# start to the first frame, the resident memory after start-up and the CPU used
# while nothing changes on screen (after the intro). Usage: bench/frontend_bench.sh [build dir]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
game="$build/zirimbo"
folder="$(mktemp -d)"
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$folder"' EXIT
sleep 1
cp -r "$build/gamefolder/." "$folder/"
cd "$folder"
export DISPLAY="$display" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

run() {  # run <ms>: one run of that length; prints "user sys maxrss_kib"
  ZIRIMBO_EXIT_AFTER_MS="$1" /usr/bin/time -f "%U %S %M" "$game" 2>&1 >/dev/null | tail -1
}

echo "== time from process start to the first frame"
for i in 1 2 3 4 5; do
  ZIRIMBO_EXIT_AFTER_MS=300 ZIRIMBO_REPORT_STARTUP=1 "$game" 2>&1 >/dev/null | grep 'first frame' || true
done

echo "== resident memory and idle CPU"
read -r su ss sm <<<"$(run 14000)"
read -r lu ls lm <<<"$(run 24000)"
echo "max resident memory: $((lm / 1024)) MiB"
awk -v a="$su" -v b="$ss" -v c="$lu" -v d="$ls" 'BEGIN {
  printf "idle CPU: %.2f %% of one core (a 24 s run minus a 14 s run: the 10 s after the intro, waiting for the name)\n", ((c + d) - (a + b)) / 10.0 * 100.0 }'
