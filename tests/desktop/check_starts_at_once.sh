#!/usr/bin/env bash
# Starts several copies of the game at once on an empty data home, as a child
# double-clicking the menu entry does on a first run: two at once, then eight at
# once, each ROUNDS times. Every copy must reach its first frame with no file
# missing, and the player's folder must end up holding only the data files, the
# shipped ones byte for byte. First of all, a copy started where there is no
# display to open its window on must say so in one line and end at once with
# status 1, the one started with no display named leaving the player's folder
# untouched.
#
#   tests/desktop/check_starts_at_once.sh PROGRAM SHIPPED_DATI [ROUNDS]
set -euo pipefail

program=${1:?usage: check_starts_at_once.sh PROGRAM SHIPPED_DATI [ROUNDS]}
shipped=${2:?usage: check_starts_at_once.sh PROGRAM SHIPPED_DATI [ROUNDS]}
rounds=${3:-20}
program=$(realpath "$program")
shipped=$(realpath "$shipped")
export LC_ALL=C SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ZIRIMBO_REPORT_STARTUP=1
# Each copy is told to end (SIGTERM, which SDL turns into a request to quit) once it
# has shown its first frame; the time limit only ends one that never gets there.
export ZIRIMBO_EXIT_AFTER_MS=30000

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zirimbo-starts.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/empty"

failures=0
starts=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# True when a copy's log says it has shown its first frame (read without starting a
# process, since this runs often while the copies start).
shown() {
    local line
    [ -f "$1" ] || return 1
    while IFS= read -r line; do [[ $line == *"first frame"* ]] && return 0; done <"$1"
    return 1
}

# A start with no display: `name` with the environment given after it, on a data
# home of its own, without the headless driver nor any display of this session (a
# runtime folder of its own too, where no Wayland socket of the session answers).
no_display() {
    local name=$1 home=$scratch/$1 status=0 from took
    shift
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    from=$(date +%s%N)
    (cd "$scratch/empty" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER HOME="$home" \
        XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" "$@" timeout -k 1 1 "$program" \
        >"$scratch/$name.out" 2>"$scratch/$name.err") || status=$?
    took=$((($(date +%s%N) - from) / 1000000))
    starts=$((starts + 1))
    [ $status -eq 1 ] || fail "$name: exit status $status after $took ms"
    [ "$(wc -l <"$scratch/$name.err")" -eq 1 ] && grep -qi "display" "$scratch/$name.err" ||
        fail "$name: said $(head -c 400 "$scratch/$name.err")"
    [ ! -s "$scratch/$name.out" ] || fail "$name: wrote $(head -c 200 "$scratch/$name.out")"
}
# An X display number where no server runs.
x=97
while [ -e "/tmp/.X11-unix/X$x" ]; do x=$((x + 1)); done
no_display unset
[ ! -e "$scratch/unset/data" ] || fail "unset: the data home holds $(ls -AR "$scratch/unset/data")"
no_display no-x-server DISPLAY=":$x"
no_display no-wayland-socket WAYLAND_DISPLAY=zirimbo-none
no_display x11-asked SDL_VIDEODRIVER=x11

# One round: `copies` programs started together on a data home of their own.
round() {
    local copies=$1 name=$2 home=$scratch/$2 pids=() i status
    mkdir -p "$home"
    for ((i = 1; i <= copies; i++)); do
        (cd "$scratch/empty" && exec env HOME="$home" XDG_DATA_HOME="$home/data" "$program" 2>"$home/$i.log") &
        pids+=($!)
    done
    local pending=$copies tries=0 told=()
    while [ $pending -gt 0 ] && [ $tries -lt 1500 ]; do
        for ((i = 1; i <= copies; i++)); do
            if [ -z "${told[i]:-}" ] && shown "$home/$i.log"; then
                kill -TERM "${pids[i - 1]}" 2>/dev/null || true
                told[i]=1
                pending=$((pending - 1))
            fi
        done
        sleep 0.02
        tries=$((tries + 1))
    done
    for ((i = 1; i <= copies; i++)); do
        status=0
        wait "${pids[i - 1]}" || status=$?
        starts=$((starts + 1))
        [ $status -eq 0 ] || fail "$name, copy $i: exit status $status"
        grep -q "first frame" "$home/$i.log" || fail "$name, copy $i: no first frame"
        if grep -q "missing file" "$home/$i.log"; then
            fail "$name, copy $i: $(grep -c 'missing file' "$home/$i.log") files missing"
        fi
    done
    local player=$home/data/zirimbo
    [ "$(ls -A "$player" 2>/dev/null | tr '\n' ' ')" = "Dati " ] ||
        fail "$name: the player's folder holds $(ls -A "$player" 2>/dev/null | tr '\n' ' ')"
    [ "$(ls -A "$player/Dati" 2>/dev/null | tr '\n' ' ')" = "$(ls -A "$shipped" | tr '\n' ' ')" ] ||
        fail "$name: Dati holds $(ls -A "$player/Dati" 2>/dev/null | tr '\n' ' ')"
    for file in "$shipped"/*; do
        cmp -s "$file" "$player/Dati/${file##*/}" || fail "$name: Dati/${file##*/} is not the shipped one"
    done
    if [ $failures -gt 0 ]; then sed "s/^/  $name: /" "$home"/*.log >&2; fi
    rm -rf "$home"
}

for ((r = 1; r <= rounds && failures == 0; r++)); do
    round 2 "two-$r"
    round 8 "eight-$r"
done

[ $failures -eq 0 ] || exit 1
echo "$starts starts at once, every one complete"
