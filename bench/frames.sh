#!/usr/bin/env bash
# Measures the frames of the real game on a virtual 1920 x 1080 X display with
# both of SDL's renderers that run there: OpenGL (on such a display drawn by the
# processor) and SDL's software renderer drawing straight into the window. Each at
# a 1024 x 768 window and at the largest window of the display, 1396 x 1047:
#   - playing: red's die clicked at every prompt (the first after six idle seconds,
#     in which the game frees its pictures); the die rolls, the computer
#     characters' pawns move, their bubbles show and their voices speak;
#   - red's victory (zirimbo_frames_bench, the game built with one more hook, with
#     ZIRIMBO_RED_WINS set: red's pawns leave the board at red's first
#     prompt): the victory's bubble and voice, then the scoreboard panel with the
#     winner's row and the logo blinking.
# For each: how long drawing and presenting a frame took (median and worst, ms;
# the shortest animation tick is 50 ms), the resident memory (RSS, and PSS from
# /proc/PID/smaps_rollup) at the end, and the time from the process start to the
# first frame.
# Usage: bench/frames.sh <build dir>
# Needs Xvfb, xdotool and xwininfo. Takes about seven minutes.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?usage: frames.sh <build dir>}" && pwd)"
game="$build/zirimbo"
work="$(mktemp -d)"
folder="$work/game"
# shellcheck source=tests/x11/display.sh
. "$here/tests/x11/display.sh"
trap 'x11_stop; rm -rf "$work"' EXIT
x11_start 1920x1080
mkdir "$folder"
cp -r "$build/gamefolder/." "$folder/"
cd "$folder"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" HOME="$work" XDG_DATA_HOME="$work/data"
unset SDL_VIDEODRIVER

# The game's window, once it shows (OpenGL makes the window anew: a failed search is repeated).
window_of() {
  local id="" i
  for ((i = 0; i < 80; i++)); do
    id=$(xdotool search --onlyvisible --pid "$1" --name '^ZIRIMBO!$' 2>/dev/null | head -1) || true
    [ -n "$id" ] && break
    sleep 0.25
  done
  echo "$id"
}

# memory <pid>: "RSS PSS" in MiB.
memory() {
  local rss pss
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0)
  pss=$(awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup" 2>/dev/null || echo 0)
  echo "$((rss / 1024)) $((pss / 1024))"
}

# run <log> <seconds> <size> <click die: yes/no> [VAR=value ...]: one game; Enter
# confirms the name after the intro; the memory at the end goes to <log>.mem.
run() {
  local log=$1 seconds=$2 size=$3 clicks=$4 id x y w h t game=$game
  shift 4
  [[ " $* " == *" ZIRIMBO_RED_WINS=1 "* ]] && game="$build/zirimbo_frames_bench"
  : >"$log"
  env "$@" ZIRIMBO_REPORT_STARTUP=1 ZIRIMBO_REPORT_FRAMES=1 ZIRIMBO_EXIT_AFTER_MS=$((seconds * 1000 + 2000)) \
    "$game" --windowed "$size" 2>>"$log" >/dev/null &
  local pid=$! start=$SECONDS
  id=$(window_of "$pid")
  sleep $((12 - (SECONDS - start)))
  id=$(window_of "$pid")
  xdotool key --window "$id" Return
  echo "zirimbo: name confirmed" >>"$log"
  # Red's first prompt stays untouched long enough for the idle game to free its
  # pictures: the first roll's frame makes them again.
  [ "$clicks" = yes ] && sleep 6
  while ((SECONDS - start < seconds)); do
    sleep 1
    [ "$clicks" = yes ] || continue
    # The die, at 517 x 725 of the 1024 x 768 layout: it only answers at red's prompt.
    read -r x y w h < <(xwininfo -id "$id" 2>/dev/null | awk '/Absolute upper-left X/ {x = $NF}
      /Absolute upper-left Y/ {y = $NF} /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')
    xdotool mousemove $((x + 517 * w / 1024)) $((y + 725 * h / 768)) click 1
  done
  memory "$pid" >"$log.mem"
  wait "$pid" || true
}

# frames <log> <scene>: "median worst count" of the draw times of a scene's frames.
# Each frame line names the timers fired since the frame before: the die's, the
# pawns' moves, or others (hand-overs, comments with their bubbles and voices).
frames() {
  awk -v want="$2" '
    /name confirmed/ { named = 1 }
    /after .*TmrTornaZirimbo/ { won = 1 }
    /after .*TmrPannelloVittoria/ { panel = 1 }
    /drawn in/ {
      for (i = 1; i < NF; i++) if ($i == "in") ms = $(i + 1)
      gap = $4 - at; at = $4  # ms since the frame before
      after = index($0, " after ") ? substr($0, index($0, " after ") + 7) : ""
      moves = "TmrMossa|TmrGiocaAutomatico"
      if (want == "die") ok = named && after ~ /TimerDado/
      else if (want == "pawns") ok = named && after ~ moves
      else if (want == "rest") ok = named && after !~ "TimerDado|" moves
      else if (want == "all") ok = named
      else if (want == "woken") ok = named && gap > 4000
      else if (want == "victory") ok = won && !panel
      else if (want == "blink") ok = panel && after ~ /TmrLampeggia/
      if (ok) print ms
    }' "$1" |
    sort -g | awk '{ v[NR] = $1 } END {
      if (NR == 0) { print "- - 0"; exit }
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%.2f %.2f %d\n", m, v[NR], NR }'
}

row() {
  local median worst count
  read -r median worst count < <(frames "$2" "$3")
  printf '  %-44s %8s %8s %6s\n' "$1" "$median" "$worst" "$count"
}

for size in 1024x768 1396x1047; do
  for renderer in opengl software; do
    if [ "$renderer" = opengl ]; then
      vars=(SDL_RENDER_DRIVER=opengl)
    else
      vars=(SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0)
    fi
    play="$work/play-$renderer-$size.log" win="$work/win-$renderer-$size.log"
    run "$play" 60 "$size" yes "${vars[@]}"
    run "$win" 28 "$size" no "${vars[@]}" ZIRIMBO_RED_WINS=1
    echo "== $renderer, $size window: $(sed -n 's/.*renderer //p' "$play" | head -1)"
    printf '  %-44s %8s %8s %6s\n' "frame draw time (ms)" median worst frames
    row "die rolls" "$play" die
    row "pawns move" "$play" pawns
    row "hand-overs, bubbles, voices (the rest)" "$play" rest
    row "every frame after the name" "$play" all
    row "the first after 4 s without a frame" "$play" woken
    row "red wins: bubble and voice" "$win" victory
    row "scoreboard blinks (300 and 150 ms)" "$win" blink
    read -r rss pss <"$play.mem"
    read -r wrss wpss <"$win.mem"
    echo "  memory: RSS $rss MiB, PSS $pss MiB playing; RSS $wrss MiB, PSS $wpss MiB on the scoreboard"
    first=$(for i in 1 2 3 4 5; do
      env "${vars[@]}" ZIRIMBO_EXIT_AFTER_MS=400 ZIRIMBO_REPORT_STARTUP=1 "$game" --windowed "$size" 2>&1 >/dev/null |
        sed -n 's/.*first frame \([0-9.]*\) ms.*/\1/p'
    done | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    echo "  first frame: $first ms after the process start (median of 5)"
  done
done
