#!/usr/bin/env bash
# The game's real window on virtual X displays of several sizes, with and without a
# window manager, all side by side: the window lies wholly on the display, centred
# with its frame; after the intro the four buttons open and close their panels where
# they show; F11 fills the display, where a button still answers at its place in the
# scaled picture, and F11 again brings the window back centred; a click on the die
# starts a roll. A display smaller than the smallest layout shows it shrunk, with one
# log line; a window put partly off the display by someone else is told once. The
# game draws with SDL's software renderer, OpenGL being drawn by the processor
# here; two of the displays ask for SDL's OpenGL renderer instead, and get it.
#
#   tests/x11/window_placement.sh ZIRIMBO_PROGRAM
# shellcheck disable=SC2317  # the conditions are called through until_seen
set -u

program=${1:?usage: window_placement.sh ZIRIMBO_PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11
for tool in Xvfb openbox xdotool xwininfo xprop import; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is not installed (./run.sh installs it)"; exit 1; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zirimbo-window.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Design places, in twips of the 1024 x 768 design (15 to a pixel).
die_pips=("7767 10897" "7532 10672" "8002 11122" "8002 10672" "7532 11122" "7532 10897" "8002 10897")
button_names=(REG CLAS OPZ ESC)
button_circles=(13170 315 1365 14215)  # each circle's left; a circle is 840 twips wide from top 10425
name_box="6885 9300"                   # inside the name box, left of its text

# --- one display -------------------------------------------------------------

fail() {
    echo "FAIL $case: $*"
    exit 1
}

# The window's client area on the root window: gx gy gw gh.
geometry() {
    local info
    info=$(xwininfo -id "$id" 2>/dev/null) || fail "the window is gone"
    gx=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
    gy=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
    gw=$(awk '/Width:/ {print $NF}' <<<"$info")
    gh=$(awk '/Height:/ {print $NF}' <<<"$info")
}

# The frame around the window: fl fr ft fb (none without a window manager).
frame() {
    read -r fl fr ft fb < <(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null |
        sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1 \2 \3 \4/p')
    fl=${fl:-0} fr=${fr:-0} ft=${ft:-0} fb=${fb:-0}
}

# Where a design point shows on the root window: the 4:3 picture fills the client
# area, or lies in its middle when the client area has other proportions (full screen).
place() {
    read -r px py < <(awk -v tx="$1" -v ty="$2" -v x="$gx" -v y="$gy" -v w="$gw" -v h="$gh" 'BEGIN {
        s = w / 1024; if (h / 768 < s) s = h / 768
        printf "%d %d\n", x + (w - 1024 * s) / 2 + tx / 15 * s, y + (h - 768 * s) / 2 + ty / 15 * s }')
}

# The screen as it shows now, and the colour at a design point of the picture: "r g b".
grab() { import -window root -depth 8 "rgb:$scratch/$case.rgb" 2>/dev/null || fail "cannot read the screen"; }
colour() {
    place "$1" "$2"
    ((px >= 0 && py >= 0 && px < width && py < height)) || { echo "-1 -1 -1" && return; }
    od -An -tu1 -j $(((py * width + px) * 3)) -N3 "$scratch/$case.rgb" | awk '{print $1, $2, $3}'
}
white() { colour "$1" "$2" | awk '{exit !($1 > 235 && $2 > 235 && $3 > 235)}'; }
not_white() { ! white "$@"; }
red() { colour "$1" "$2" | awk '{exit !($1 > 200 && $2 < 80 && $3 < 80)}'; }

# Waits up to $1 tenths of a second for a condition (the rest of the arguments) on a fresh grab.
until_seen() {
    local tenths=$1 i
    shift
    for ((i = 0; i < tenths; i += 2)); do
        grab
        "$@" && return 0
        sleep 0.15
    done
    return 1
}

# The face the die shows: which pips are white.
face() {
    local pip out=""
    for pip in "${die_pips[@]}"; do
        # shellcheck disable=SC2086
        if white $pip; then out+=1; else out+=0; fi
    done
    echo "$out"
}
face_changed() { [ "$(face)" != "$before" ]; }

click() {
    place "$1" "$2"
    xdotool mousemove "$px" "$py" click 1
}

# The client area lies on the display and, with its frame, in its middle (a frame too
# wide for the display runs off both sides alike); "" when so, else what is wrong.
placement_fault() {
    geometry
    frame
    if ! ((gx >= 0 && gy >= 0 && gx + gw <= width && gy + gh <= height)); then
        echo "the client area ${gw}x${gh}+${gx}+${gy} is not wholly on the ${width}x${height} display"
        return
    fi
    local cx=$((gx - fl + (gw + fl + fr) / 2 - width / 2)) cy=$((gy - ft + (gh + ft + fb) / 2 - height / 2))
    ((cx >= -1 && cx <= 1)) || echo "the window is $cx pixels off the middle across"
    ((gh + ft + fb > height || (cy >= -1 && cy <= 1))) || echo "the window is $cy pixels off the middle down"
}

# The placement, once the window has settled (a window manager answers in its own time).
check_placement() {
    local what=$1 fault i
    for ((i = 0; i < 15; i++)); do
        fault=$(placement_fault)
        [ -z "$fault" ] && break
        sleep 0.2
    done
    geometry
    frame
    echo "$case $what: client ${gw}x${gh}+${gx}+${gy}, frame $fl $fr $ft $fb" >>"$scratch/$case.out"
    [ -z "$fault" ] || fail "$what: $fault"
}

# Each button opens its panel (its circle turns white) and closes it again.
check_buttons() {
    local i
    for i in $1; do
        click $((button_circles[i] + 420)) 10800
        until_seen 40 white $((button_circles[i] + 420)) 10575 || fail "$2${button_names[i]} does not open its panel"
        click $((button_circles[i] + 420)) 10800
        until_seen 40 not_white $((button_circles[i] + 420)) 10575 || fail "$2${button_names[i]} does not close its panel"
    done
}

one_display() {
    local size=$1 wm=$2 i
    case=$size-${wm:-bare}
    width=${size%x*} height=${size#*x}
    # shellcheck source=tests/x11/display.sh
    . "$here/display.sh"
    x11_start "$size" "$wm" || fail "no display"
    # A data home of its own; the media come from beside the program.
    mkdir -p "$scratch/$case-home"
    local renderer=software
    case $case in 1024x768-openbox | 1920x1080-bare) renderer=opengl ;; esac
    (
        cd "$scratch/$case-home" || exit 1
        if [ $renderer = opengl ]; then export SDL_RENDER_DRIVER=opengl; fi
        HOME=$PWD XDG_DATA_HOME=$PWD ZIRIMBO_REPORT_STARTUP=1 exec "$program" 2>"$scratch/$case.log"
    ) &
    game=$!
    # A search fails outright when a window goes while it runs (the renderer may make
    # the window anew): it is repeated.
    id=
    for ((i = 0; i < 80; i++)); do
        id=$(xdotool search --onlyvisible --name '^ZIRIMBO!$' 2>/dev/null | head -1)
        [ -n "$id" ] && break
        sleep 0.25
    done
    [ -n "$id" ] || fail "no window"
    check_placement "first shown"

    # The intro, some eleven seconds, ends with the name box, already holding the
    # last player's name.
    sleep 10
    # shellcheck disable=SC2086
    until_seen 200 white $name_box || fail "the name box does not show"
    xdotool key Return
    until_seen 50 red 7757 10700 || fail "the game does not start"
    check_placement "playing"
    check_buttons "0 1 2 3" ""

    xdotool key F11
    local i
    for ((i = 0; i < 50; i++)); do
        geometry
        ((gx == 0 && gy == 0 && gw == width && gh == height)) && break
        sleep 0.1
    done
    ((gx == 0 && gy == 0 && gw == width && gh == height)) ||
        fail "full screen: the window is ${gw}x${gh}+${gx}+${gy}, not the display"
    check_buttons 0 "full screen: "
    xdotool key F11
    for ((i = 0; i < 50; i++)); do
        geometry
        ((gw < width || gh < height)) && break
        sleep 0.1
    done
    check_placement "back from full screen"

    # The die rolls: its face changes.
    grab
    before=$(face)
    click 7757 10882
    until_seen 30 face_changed || fail "a click on the die does not roll it"
    xdotool windowmove "$id" -300 0
    sleep 0.5

    kill -KILL "$game" 2>/dev/null
    wait "$game" 2>/dev/null
    x11_stop
    # What the game said of its window: the move, and where the display is too small, that.
    local lines expected=1
    [ "$size" = 640x400 ] && expected=2
    grep -q "partly off the display" "$scratch/$case.log" || fail "the move off the display is not told"
    grep -q "first frame .*, renderer $renderer" "$scratch/$case.log" ||
        fail "not drawn by the $renderer renderer: $(grep 'first frame' "$scratch/$case.log")"
    lines=$(grep -c -E 'window|display|full screen' "$scratch/$case.log")
    [ "$lines" -eq "$expected" ] || fail "$lines lines about the window, not $expected: $(cat "$scratch/$case.log")"
    echo "ok $case"
}

# --- every display, side by side ---------------------------------------------

pids=()
for size in 800x600 1024x768 1280x1024 1920x1080 640x400; do
    for wm in "" openbox; do
        (one_display "$size" "$wm") >"$scratch/result-$size-${wm:-bare}" 2>&1 &
        pids+=($!)
    done
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
cat "$scratch"/*.out 2>/dev/null
cat "$scratch"/result-*
exit $status
