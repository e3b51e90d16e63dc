#!/usr/bin/env bash
# Measures the real front end on virtual X displays, side by side with a bare SDL2
# program built here (bench/reference/bare_window.cpp: a window of the game's size,
# the game's mixer settings, one piece looping when the music is on), and with the
# same program built with SDL2_image and SDL2_ttf drawing a picture and a line of text
# once (the drawing reference):
#  - the game folder's size;
#  - the time from process start to the first frame, and the renderer SDL uses;
#  - at red's prompt, with the music "No" and "Sempre": the resident and proportional
#    memory, the CPU and the wakeups a second of the whole process over 60 s;
#  - the time to draw a frame while the game moves (bench/frames.sh);
#  - the music's start and end as the audio device hears them.
# Usage: bench/frontend_bench.sh [build dir] [earlier build dir, measured beside it]
# Needs Xvfb, xdotool, pkg-config, fontconfig's fc-match and a C++ compiler.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
earlier="${2:+$(cd "$2" && pwd)}"
work="$(mktemp -d)"
seconds=${ZIRIMBO_BENCH_SECONDS:-60}   # the measuring window at red's prompt
from=20              # its start, in seconds after the program's start (Enter at 13 s)
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# shellcheck source=../tests/x11/display.sh
. "$here/tests/x11/display.sh"
trap 'x11_stop; rm -rf "$work"' EXIT

builds=(now)
declare -A dir=([now]="$build")
if [ -n "$earlier" ]; then builds+=(earlier); dir[earlier]="$earlier"; fi

echo "== the game folder"
for b in "${builds[@]}"; do
  g="${dir[$b]}/gamefolder"
  printf '%-8s %6.2f MB in all, voices %5.2f MB (%d files)\n' "$b" \
    "$(du -sb "$g" | awk '{ print $1 / 1e6 }')" \
    "$(du -scb "$g"/Bob "$g"/Carla "$g"/Giorgetto | awk 'END { print $1 / 1e6 }')" \
    "$(find "$g"/Bob "$g"/Carla "$g"/Giorgetto -type f | wc -l)"
done

echo "== building the bare SDL2 reference, and the same with the libraries the game draws with"
# shellcheck disable=SC2046
c++ -std=c++17 -O2 -o "$work/bare_window" "$here/bench/reference/bare_window.cpp" \
  $(pkg-config --cflags --libs sdl2 SDL2_mixer)
# The second draws one of the game's pictures and a line of text in its first frame,
# through SDL2_image and SDL2_ttf, and frees them as the idle game does.
# shellcheck disable=SC2046
c++ -std=c++17 -O2 -DDRAWS_PICTURE_AND_TEXT -o "$work/stack_window" "$here/bench/reference/bare_window.cpp" \
  $(pkg-config --cflags --libs sdl2 SDL2_mixer SDL2_image SDL2_ttf)
piece="$build/gamefolder/Musiche/1a.ogg"
draw=(--draw "$build/gamefolder/Grafica/BluGialli.jpg" "$(fc-match -f '%{file}' Arial)")

# Each game runs in a copy of its own game folder, whose Dati it uses as they are.
for b in "${builds[@]}"; do
  mkdir -p "$work/$b"
  cp -r "${dir[$b]}/gamefolder/." "$work/$b/"
done
# The music option (the fourth line of the options file): "Sempre" or "No".
set_music() {
  local b
  for b in "${builds[@]}"; do sed -i "4s/.*/\"$1\"\r/" "$work/$b/Dati/ZirOpz.txt"; done
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "-" }'; }

echo "== time from process start to the first frame (median of 5; ms)"
x11_start 1280x1024
renderer=
for b in "${builds[@]}"; do
  out="$work/start-$b.txt"
  for i in 1 2 3 4 5; do
    (cd "$work/$b" && ZIRIMBO_EXIT_AFTER_MS=300 ZIRIMBO_REPORT_STARTUP=1 "${dir[$b]}/zirimbo" 2>&1 >/dev/null) >>"$out" || true
  done
  used=$(sed -n 's/.*renderer \([a-z0-9_]*\).*/\1/p' "$out" | head -1)
  [ "$b" = now ] && renderer=$used
  printf '%-22s %8s   renderer %s\n' "game ($b)" \
    "$(sed -n 's/.*first frame \([0-9.]*\) ms.*/\1/p' "$out" | median)" "${used:-(not reported)}"
done
# The reference under SDL's OpenGL renderer and under its software renderer without
# framebuffer acceleration (the two the game chooses between).
ref_env() {
  case $1 in
    opengl) echo SDL_RENDER_DRIVER=opengl ;;
    software) echo SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 ;;
  esac
}
for r in opengl software; do
  out="$work/start-ref-$r.txt"
  for i in 1 2 3 4 5; do
    # shellcheck disable=SC2046
    env $(ref_env $r) timeout 1 "$work/bare_window" 1280 960 2>>"$out" >/dev/null || true
  done
  printf '%-22s %8s\n' "reference ($r)" "$(sed -n 's/.*first frame \([0-9.]*\) ms.*/\1/p' "$out" | median)"
done
x11_stop

# measure <label> <pid>: from $from to $from + $seconds seconds after <pid> started,
# the CPU time and the context switches (each a wakeup) of all its threads, then its
# RSS and PSS. A thread that appears later counts from zero; every thread is read
# each second, so one that ends counts up to its last reading.
measure() {
  local label=$1 pid=$2 t0=$3 samples="$work/samples-$1" i
  sleep "$(awk -v t="$t0" -v f="$from" -v n="$(date +%s.%N)" 'BEGIN { s = t + f - n; print (s > 0 ? s : 0) }')"
  for ((i = 0; i <= seconds; i++)); do
    for t in /proc/"$pid"/task/*; do
      awk -v s="$i" -v tid="${t##*/}" '
        /^voluntary_ctxt_switches/ { v = $2 } /^nonvoluntary_ctxt_switches/ { n = $2 }
        END { if (v != "") print s, tid, v + n }' "$t/status" 2>/dev/null || true
      awk -v s="$i" -v tid="${t##*/}" '{ print s, tid, "cpu", $1 }' "$t/schedstat" 2>/dev/null || true
    done >>"$samples"
    [ "$i" -lt "$seconds" ] && sleep 1
  done
  local rss pss
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  pss=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")
  awk -v l="$label" -v n="$seconds" -v rss="$rss" -v pss="$pss" '
    $3 == "cpu" { if ($1 == 0) c0[$2] = $4; c1[$2] = $4; next }
    { if ($1 == 0) w0[$2] = $3; w1[$2] = $3 }
    END {
      for (t in w1) w += w1[t] - w0[t]
      for (t in c1) c += c1[t] - c0[t]
      printf "%-38s %7.1f %7.1f %9.2f %9.4f\n", l, rss / 1024, pss / 1024, w / n, c / 1e9 / n * 100 }' "$samples"
}

# idle <music>: every program at red's prompt (the game) or showing its window (the
# reference), each on a display of its own, measured over the same minute.
idle() {
  local music=$1 pids=() b r label
  set_music "$music"
  for b in "${builds[@]}"; do
    x11_start 1280x1024
    (cd "$work/$b" && ZIRIMBO_EXIT_AFTER_MS=$(((from + seconds + 5) * 1000)) exec "${dir[$b]}/zirimbo" >/dev/null 2>&1) &
    local pid=$! t0
    t0=$(date +%s.%N)
    ( sleep 13; xdotool search --sync --onlyvisible --pid "$pid" --name ZIRIMBO windowfocus --sync key Return \
        >/dev/null 2>&1 || echo "(could not press Enter in the game ($b))" >&2 ) &
    measure "game ($b), music \"$music\"" "$pid" "$t0" >"$work/line-game-$b" &
    pids+=($! "$pid")
  done
  local refs=("bare opengl" "bare software" "stack ${renderer:-software}") ref kind
  for ref in "${refs[@]}"; do
    read -r kind r <<<"$ref"
    x11_start 1280x1024
    local args=()
    [ "$music" = Sempre ] && args=(--music "$piece")
    [ "$kind" = stack ] && args+=("${draw[@]}")
    label="reference ($r)"
    [ "$kind" = stack ] && label="drawing reference ($r)"
    # shellcheck disable=SC2046
    env $(ref_env "$r") "$work/${kind}_window" 1280 960 "${args[@]}" >/dev/null 2>&1 &
    local pid=$! t0
    t0=$(date +%s.%N)
    measure "$label, $([ "$music" = Sempre ] && echo music || echo silent)" "$pid" "$t0" >"$work/line-ref-$kind-$r" &
    pids+=($! "$pid")
  done
  # The measurements end first; then the references are stopped and the games end.
  for ((i = 0; i < ${#pids[@]}; i += 2)); do wait "${pids[i]}"; done
  for ((i = 1; i < ${#pids[@]}; i += 2)); do kill "${pids[i]}" 2>/dev/null || true; wait "${pids[i]}" 2>/dev/null || true; done
  cat "$work"/line-game-* "$work"/line-ref-*
  # The game's RSS against both references under the renderer it chose.
  local r=${renderer:-software} rss
  rss() { awk '{ print $(NF - 3) }' "$1"; }
  awk -v g="$(rss "$work/line-game-now")" -v b="$(rss "$work/line-ref-bare-$r")" -v s="$(rss "$work/line-ref-stack-$r")" \
    -v r="$r" 'BEGIN { printf "game (now): RSS %.2f x the bare reference, %.2f x the drawing reference (%s)\n", g / b, g / s, r }'
  rm -f "$work"/line-* "$work"/samples-*
  x11_stop
}

echo "== at red's prompt, ${seconds} s from ${from} s after the start (1280x1024 display)"
printf '%-38s %7s %7s %9s %9s\n' "" "RSS MiB" "PSS MiB" "wakeups/s" "CPU %"
idle No
idle Sempre
echo "(the game chose the renderer: ${renderer:-not reported})"

if [ -x "$here/bench/frames.sh" ]; then
  echo "== time to draw a frame while the game moves"
  "$here/bench/frames.sh" "$build"
fi

echo "== music: from \"Open\" and \"Play\" to the first audible sample, and the end of a piece"
c++ -std=c++17 -O2 -o "$work/midiwriter" "$here/tools/midiwriter.cpp"
for t in Vittoria 5c; do
  echo "$t: the tune lasts $("$work/midiwriter" --check "$here/tools/music/$t.txt" | sed 's/.*=//') s"
done
music() {
  (cd "$work/now" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/heard.raw" "$build/zirimbo_music_bench" "$@" 2>/dev/null)
}
music Musiche/1a.mid Musiche/2b.mid Musiche/5c.mid Musiche/Sconfitta.mid
music --to-end Musiche/Vittoria.mid Musiche/5c.mid
