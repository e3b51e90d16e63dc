#!/usr/bin/env bash
# Installs the game into a scratch prefix and starts the built and the installed
# program headless from an empty folder, with an empty data home: each must find
# its media and prepare the player's game folder with no file missing. Then checks
# the command line, the installed desktop files, and a damaged installation.
#
#   tests/desktop/check_install.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail

cmake=${1:?usage: check_install.sh CMAKE BUILD_DIR APP_ID}
build=${2:?usage: check_install.sh CMAKE BUILD_DIR APP_ID}
app_id=${3:?usage: check_install.sh CMAKE BUILD_DIR APP_ID}
export LC_ALL=C SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zirimbo-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# Starts a program from an empty folder with a data home of its own; its messages go to $log.
start() {
    local program=$1 home=$scratch/home-$2
    rm -rf "$scratch/empty" "$home"
    mkdir -p "$scratch/empty" "$home"
    log=$scratch/$2.log
    status=0
    (cd "$scratch/empty" && HOME=$home XDG_DATA_HOME=$home/data ZIRIMBO_EXIT_AFTER_MS=1500 \
        ZIRIMBO_REPORT_STARTUP=1 "$program" 2>"$log") || status=$?
    player=$home/data/zirimbo
}

for which in built installed; do
    if [ $which = built ]; then program=$build/zirimbo; else program=$prefix/bin/zirimbo; fi
    start "$program" $which
    [ $status -eq 0 ] || fail "$which: exit status $status"
    grep -q "first frame" "$log" || fail "$which: no first frame"
    if grep -q "missing file" "$log"; then fail "$which: $(grep -c 'missing file' "$log") files missing"; fi
    for folder in Bob Carla Dati Fumetti Giorgetto Grafica Musiche Pedine Rumori; do
        [ -d "$player/$folder" ] || fail "$which: no $folder in the player's game folder"
    done
    [ -z "$(ls -A "$scratch/empty")" ] || fail "$which: wrote into the folder it was started from"
    sed "s/^/  $which: /" "$log" >&2
done

"$prefix/bin/zirimbo" --version | grep -qx "zirimbo [0-9.]*" || fail "--version"
"$prefix/bin/zirimbo" --help | grep -q -- "--windowed" || fail "--help"
status=0
"$prefix/bin/zirimbo" --windowed grande 2>"$scratch/usage.log" || status=$?
[ $status -eq 2 ] && grep -q "grande" "$scratch/usage.log" || fail "a bad --windowed size: status $status"

share=$prefix/share
[ -f "$share/applications/$app_id.desktop" ] || fail "no desktop entry"
[ -f "$share/metainfo/$app_id.metainfo.xml" ] || fail "no metainfo"
for size in 16 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    [ "$(identify -format '%m %w %h' "$icon" 2>/dev/null)" = "PNG $size $size" ] || fail "icon $icon"
done

# A damaged installation without pictures: one line naming where it looked, and no game.
rm -rf "$share/zirimbo/Grafica"
start "$prefix/bin/zirimbo" damaged
[ $status -ne 0 ] || fail "damaged: exit status 0"
[ "$(wc -l <"$log")" -eq 1 ] && grep -q "$share/zirimbo" "$log" || fail "damaged: said $(cat "$log")"

[ $failures -eq 0 ] || exit 1
echo "installed and started"
