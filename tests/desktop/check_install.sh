#!/usr/bin/env bash
# Installs the game into a scratch prefix and starts the built and the installed
# program headless from an empty folder, with an empty data home: each must find
# its media where they are, with no file missing, and leave only the data files in
# the player's folder. Then checks the command line, the installed desktop files,
# a player's folder an earlier version filled with a copy of the media, and a
# damaged installation.
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

"$cmake" --install "$build" --prefix "$prefix" --strip >/dev/null

# Starts a program from an empty folder with a data home of its own (emptied first
# unless KEEP_HOME is set); its messages go to $log.
start() {
    local program=$1 home=$scratch/home-$2
    rm -rf "$scratch/empty"
    [ -n "${KEEP_HOME:-}" ] || rm -rf "$home"
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
    [ "$(ls -A "$player" | tr '\n' ' ')" = "Dati " ] || fail "$which: the player's folder holds $(ls -A "$player")"
    for file in "$build"/gamefolder/Dati/*; do
        cmp -s "$file" "$player/Dati/${file##*/}" || fail "$which: Dati/${file##*/} is not the shipped one"
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
# Each icon is drawn at its own size from the window icon's description: the 64 pixel
# one is the window's icon, and the larger ones hold detail that the 64 pixel picture
# enlarged would not (shrunk to 64 pixels and enlarged again, they change).
rmse() { { compare -metric RMSE "$@" null: 2>&1 || true; } | sed -n 's/.*(\(.*\)).*/\1/p'; }
icon() { echo "$share/icons/hicolor/${1}x$1/apps/$app_id.png"; }
difference=$(rmse "$(icon 64)" "$share/zirimbo/Grafica/Icona.gif[0]")
awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.02) }' || fail "the 64 pixel icon is not the window's icon: $difference"
for size in 128 256; do
    lost=$(rmse "$(icon $size)" \( "$(icon $size)" -resize 64x64 -resize ${size}x$size \))
    awk -v d="$lost" 'BEGIN { exit !(d != "" && d > 0.05) }' || fail "the $size pixel icon is an enlargement: $lost"
done
# The manual page, as the build wrote it (tests/desktop/check_manpage.sh checks it).
cmp -s "$build/zirimbo.6" "$share/man/man6/zirimbo.6" || fail "no manual page $share/man/man6/zirimbo.6"

# A player's folder as the earlier version left it: a copy of the media with its
# record, the player's data, and files of the player's own among the media. The
# copy goes; the data and the player's own files stay, and so do their folders.
home=$scratch/home-earlier
player=$home/data/zirimbo
mkdir -p "$player"
cp -R "$share/zirimbo/." "$player/"
(cd "$share/zirimbo" && find . -path ./Dati -prune -o -type f -printf '%P\t%s\t%T@\n') >"$player/.media-stamp"
echo '"Lucia"' >"$player/Dati/ZirNom.txt"
echo '"Forse"' >"$player/Dati/ZirOpz.txt"
echo "la la" >"$player/Musiche/mysong.mp3"
echo "sea" >"$player/Grafica/holiday.jpg"
echo "my own tic" >"$player/Rumori/Tic.WAV"
KEEP_HOME=1 start "$prefix/bin/zirimbo" earlier
[ $status -eq 0 ] && grep -q "first frame" "$log" || fail "earlier copy: status $status, $(cat "$log")"
[ "$(cd "$player" && find . -type f | sort | tr '\n' ' ')" = \
    "./Dati/ZirCla.txt ./Dati/ZirNom.txt ./Dati/ZirOpz.txt ./Grafica/holiday.jpg ./Musiche/mysong.mp3 ./Rumori/Tic.WAV " ] ||
    fail "earlier copy: the player's folder holds $(cd "$player" && find . -type f | sort | tr '\n' ' ')"
[ "$(cat "$player/Dati/ZirNom.txt")" = '"Lucia"' ] || fail "earlier copy: the player's name was lost"
# The game read the player's data files, and says so by their names.
grep -q "^zirimbo: $player/Dati/ZirOpz.txt: line 1 " "$log" || fail "earlier copy: said $(cat "$log")"
grep -q "removed the earlier copy of the game's media from $player" "$log" &&
    grep -q "kept 1 files .*$player/Rumori/Tic.WAV" "$log" || fail "earlier copy: said $(cat "$log")"
sed "s/^/  earlier copy: /" "$log" >&2

# A damaged installation: what it lacks is missing, by its own name, and nothing of
# it reaches the player's folder.
rm "$share/zirimbo/Grafica/Logo.gif"
start "$prefix/bin/zirimbo" logo
[ $status -eq 0 ] && grep -q "first frame" "$log" || fail "no logo: status $status, $(cat "$log")"
grep -q "missing file: $share/zirimbo/Grafica/Logo.gif" "$log" || fail "no logo: said $(cat "$log")"
[ "$(grep "missing file" "$log" | grep -vc "missing file: $share/zirimbo/Grafica/")" -eq 0 ] ||
    fail "no logo: said $(cat "$log")"
[ "$(ls -A "$player" | tr '\n' ' ')" = "Dati " ] || fail "no logo: the player's folder holds $(ls -A "$player")"

# A damaged installation without pictures: one line naming where it looked, and no game.
rm -rf "$share/zirimbo/Grafica"
start "$prefix/bin/zirimbo" damaged
[ $status -ne 0 ] || fail "damaged: exit status 0"
[ "$(wc -l <"$log")" -eq 1 ] && grep -q "$share/zirimbo" "$log" || fail "damaged: said $(cat "$log")"

[ $failures -eq 0 ] || exit 1
echo "installed and started"
