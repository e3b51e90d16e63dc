#!/usr/bin/env bash
# Measures the real front end on a virtual X display: the time from process
# start to the first frame, the resident memory after start-up, the CPU used
# while nothing changes on screen (after the intro, and at red's prompt with the
# music off and on), and the music's start and end as the audio device hears them.
# Usage: bench/frontend_bench.sh [build dir]
# Needs Xvfb, xdotool and a C++ compiler (for the tunes' lengths).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
game="$build/zirimbo"
work="$(mktemp -d)"
folder="$work/game"
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
mkdir "$folder"
cp -r "$build/gamefolder/." "$folder/"
cd "$folder"
export DISPLAY="$display" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

# The music option (the fourth line of the options file): "Sempre" or "No".
set_music() {
  sed -i "4s/.*/\"$1\"\r/" "$folder/Dati/ZirOpz.txt"
}

# idle <label> [<ms at which Enter confirms the name>]: one run; the CPU the game uses
# between 18 s and 48 s after its start, and its resident memory (current and peak) at 48 s.
idle() {
  ZIRIMBO_EXIT_AFTER_MS=50000 "$game" >/dev/null 2>&1 &
  local pid=$! t0=$SECONDS
  if [ -n "${2:-}" ]; then
    sleep "$(awk -v ms="$2" 'BEGIN { print ms / 1000 }')"
    xdotool search --name ZIRIMBO windowfocus --sync key Return >/dev/null 2>&1 ||
      echo "(could not press Enter)" >&2
  fi
  cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
  sleep $((18 - (SECONDS - t0)))
  local a b
  a=$(cpu)
  sleep 30
  b=$(cpu)
  local rss hwm
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
  wait "$pid" || true
  awk -v l="$1" -v a="$a" -v b="$b" -v t="$(getconf CLK_TCK)" -v r="$rss" -v h="$hwm" 'BEGIN {
    printf "%s: resident memory %d MiB (peak %d MiB), idle CPU %.2f %% of one core\n", l, r / 1024, h / 1024, (b - a) / t / 30.0 * 100.0 }'
}

echo "== time from process start to the first frame"
for i in 1 2 3 4 5; do
  ZIRIMBO_EXIT_AFTER_MS=300 ZIRIMBO_REPORT_STARTUP=1 "$game" 2>&1 >/dev/null | grep 'first frame' || true
done

echo "== resident memory and idle CPU (30 s from 18 s after the start; Enter at 13 s)"
idle "waiting for the name, after the intro"
set_music No
idle "red's prompt, music \"No\"" 13000
set_music Sempre
idle "red's prompt, music \"Sempre\"" 13000

echo "== music: from \"Open\" and \"Play\" to the first audible sample, and the end of a piece"
c++ -std=c++17 -O2 -o "$work/midiwriter" "$here/tools/midiwriter.cpp"
for t in Vittoria 5c; do
  echo "$t: the tune lasts $("$work/midiwriter" --check "$here/tools/music/$t.txt" | sed 's/.*=//') s"
done
music() {
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/heard.raw" "$build/zirimbo_music_bench" "$@" 2>/dev/null
}
music Musiche/1a.mid Musiche/2b.mid Musiche/5c.mid Musiche/Sconfitta.mid
music --to-end Musiche/Vittoria.mid Musiche/5c.mid
