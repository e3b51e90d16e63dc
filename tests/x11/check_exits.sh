#!/usr/bin/env bash
# Real exits of the game in real windows under a virtual display with a window
# manager, in three ways: the exit hook (ZIRIMBO_EXIT_AFTER_MS), the window's
# close button, and the exit panel ("ESC", "Sì", then "Ok!" on the information
# window). Every game must reach its window and end with status 0. Twelve games
# run at a time, each in a 480 x 360 window on a display of its own, so that
# clicks meant for one never reach another. First of all, a game folder whose
# window icon is far too large must start and end as well.
#
#   check_exits.sh GAME [EXITS]     # EXITS, or ZIRIMBO_X11_EXITS, 54 by default
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
game=$(realpath "${1:?usage: check_exits.sh GAME [EXITS]}")
total=${ZIRIMBO_X11_EXITS:-${2:-54}}
at_once=12

. "$here/display.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/zirimbo-exits.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" HOME="$work" SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER  # the test suite's headless driver: these games need the display
cd "$work"  # no game folder here: the game takes the build's

# The client area's top left corner on the screen: "X Y".
client_at() {
  xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}

# A point of the client area given in the layout's 1024 x 768 pixels, on the screen.
screen_point() {
  local x y
  read -r x y < <(client_at "$1")
  echo $((x + $2 * 480 / 1024)) $((y + $3 * 360 / 768))
}

# Whether the window shows white (or not) at that point of the layout.
white_at() {
  local c
  c=$(import -window "$1" -crop "1x1+$(($2 * 480 / 1024))+$(($3 * 360 / 768))" -depth 8 txt:- 2>/dev/null | tail -1)
  [[ $c == *"#FFFFFF"* ]]
}
not_white_at() { ! white_at "$@"; }

# Polls `test...` every quarter second for at most $1 seconds.
wait_until() {
  local limit=$1 i
  shift
  for ((i = 0; i < limit * 4; i++)); do
    "$@" && return 0
    sleep 0.25
  done
  return 1
}

# One click at a point of the layout.
click_at() {
  local x y
  read -r x y < <(screen_point "$@")
  xdotool mousemove 0 0 sleep 0.05 mousemove "$x" "$y" sleep 0.05 click 1
}

alive() { kill -0 "$1" 2>/dev/null; }

# The close button at the right end of the title bar.
click_close() {
  local wid=$1 x y
  read -r x y < <(client_at "$wid")
  xdotool mousemove 0 0 sleep 0.05 mousemove $((x + 480 - 11)) $((y - 11)) sleep 0.05 click 1
}

# The exit panel: the name prompt after the intro, Enter, "ESC", "Sì", and "Ok!"
# once the information window has come. Says on its error output which step did
# not come.
exit_by_panel() {
  local wid=$1 pid=$2 i
  sleep 10  # the intro takes more than 11 s
  wait_until 40 white_at "$wid" 461 621 || { echo "no name prompt" >&2; return; }
  xdotool key --window "$wid" Return
  wait_until 10 not_white_at "$wid" 461 621 || { echo "the game did not begin" >&2; return; }
  # "ESC" once the board is there, and again while the panel has not come.
  for ((i = 0; i < 5; i++)); do
    sleep 0.5
    click_at "$wid" 980 721
    wait_until 3 white_at "$wid" 455 550 && break  # the "Sì" circle
  done
  ((i < 5)) || { echo "no exit panel" >&2; return; }
  click_at "$wid" 473 550
  for ((i = 0; i < 40; i++)); do
    sleep 0.5
    alive "$pid" || return
    click_at "$wid" 681 717  # "Ok!", once it is there
  done
}

# Game number $1 the way $2; its status in $work/$1.status.
one_exit() {
  local n=$1 way=$2 pid wid status i
  local hook=()
  [ "$way" = hook ] && hook=(ZIRIMBO_EXIT_AFTER_MS=$((300 + RANDOM % 2000)))
  env "${hook[@]}" "$game" --windowed 480x360 >"$work/$n.log" 2>&1 &
  pid=$!
  if [ "$way" != hook ]; then
    # (A search fails outright when a window goes while it runs: it is repeated.)
    for ((i = 0; i < 120; i++)); do
      wid=$(xdotool search --all --onlyvisible --pid "$pid" --name 'ZIRIMBO!' 2>/dev/null | head -1)
      [ -n "$wid" ] && break
      alive "$pid" || break
      sleep 0.25
    done
    [ -n "$wid" ] || echo "no window" >>"$work/$n.log"
    if [ -n "$wid" ]; then
      case $way in
        close)
          # Within two seconds of the window, and again while the window manager had
          # not yet put its frame in place.
          sleep "$((RANDOM % 2)).$((RANDOM % 10))$((RANDOM % 10))"
          for ((i = 0; i < 3; i++)); do
            click_close "$wid"
            wait_until 3 eval '! alive "$pid"' && break
          done
          ;;
        panel) exit_by_panel "$wid" "$pid" 2>>"$work/$n.log" ;;
      esac
    fi
  fi
  # A game that has not ended 30 s after its last step is stopped and fails.
  ( sleep 30; kill -9 "$pid" 2>/dev/null ) &
  local guard=$!
  wait "$pid"
  status=$?
  kill "$guard" 2>/dev/null
  echo "$way $status" >"$work/$n.status"
}

# A game folder whose window icon declares a screen of 2048 x 2048 pixels in 35
# bytes: the icon handed to the window system as it is would end the program.
big_icon() {
  local folder="$work/icona" from
  from="$(dirname "$game")/gamefolder"
  mkdir -p "$folder/Grafica"
  for d in "$from"/*; do
    case ${d##*/} in
      Grafica) for f in "$d"/*; do ln -s "$f" "$folder/Grafica/"; done ;;
      Dati) cp -r "$d" "$folder/" ;;
      *) ln -s "$d" "$folder/" ;;
    esac
  done
  rm -f "$folder/Grafica/Icona.gif"
  printf 'GIF89a\x00\x08\x00\x08\x80\x00\x00\xff\xff\xff\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;' \
    >"$folder/Grafica/Icona.gif"
  (
    trap x11_stop EXIT
    x11_start 1280x1024 openbox || exit 1
    cd "$folder" && ZIRIMBO_EXIT_AFTER_MS=1500 timeout -k 5 30 "$game" >"$work/icon.log" 2>&1
  )
}
if [ -d "$(dirname "$game")/gamefolder" ]; then
  big_icon || { echo "a 2048 x 2048 window icon: status $?"; cat "$work/icon.log"; exit 1; }
fi

# A first start prepares the player's folder alone.
ZIRIMBO_EXIT_AFTER_MS=1 SDL_VIDEODRIVER=dummy "$game" >"$work/first.log" 2>&1 ||
  { echo "first start failed"; cat "$work/first.log"; exit 1; }

# Twelve lines of games side by side, each game on a new display. One game in six
# leaves through the exit panel, which waits for the intro: those come first, one
# at the head of each line, while the others follow.
panels=$(((total + 5) / 6))
way_of() {
  if (($1 < panels)); then
    echo panel
  elif (($1 % 2)); then
    echo close
  else
    echo hook
  fi
}
pids=()
for ((first = 0; first < at_once && first < total; first++)); do
  (
    for ((n = first; n < total; n += at_once)); do
      (
        trap x11_stop EXIT
        x11_start 1280x1024 openbox || { echo "$(way_of "$n") no-display" >"$work/$n.status"; exit 1; }
        one_exit "$n" "$(way_of "$n")"
      )
    done
  ) &
  pids+=($!)
done
wait "${pids[@]}"

failures=0
for ((n = 0; n < total; n++)); do
  read -r way status <"$work/$n.status" 2>/dev/null || { way=? status=missing; }
  if [ "$status" != 0 ]; then
    failures=$((failures + 1))
    echo "exit $n ($way): status $status"
    head -c 600 "$work/$n.log"
  fi
done
echo "$total exits ($(grep -l '^hook' "$work"/*.status | wc -l) by the exit hook," \
  "$(grep -l '^close' "$work"/*.status | wc -l) by the close button," \
  "$(grep -l '^panel' "$work"/*.status | wc -l) by the exit panel): $failures failed"
[ "$failures" -eq 0 ]
