#!/usr/bin/env bash
# Installs the game into a scratch prefix and starts the built and the installed
# program headless from an empty folder, with an empty data home: each must find
# its media where they are, with no file missing, and leave only the data files in
# the player's folder. Then checks the command line, the installed desktop files,
# a player's folder an earlier version filled with a copy of the media, and a
# damaged installation.
#
# With SOURCE_DIR, also a distribution's layout: the program in games and the game
# folder in share/games, as Debian has them, built as ./run.sh builds to play (the
# default target, without the tests; unoptimised here, on this build's game folder)
# and installed at once with DESTDIR. The desktop files must still go where desktops
# look (share/applications, share/metainfo, share/icons), the manual page where man
# looks, and the installed program must find its game folder.
#
#   tests/desktop/check_install.sh CMAKE BUILD_DIR APP_ID [SOURCE_DIR]
set -euo pipefail

usage="usage: check_install.sh CMAKE BUILD_DIR APP_ID [SOURCE_DIR]"
cmake=${1:?$usage}
build=${2:?$usage}
app_id=${3:?$usage}
source=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
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
# record, the voices as WAV where the game now ships Ogg, the player's data, and
# files of the player's own among the media. The copy goes, the WAV voices with it;
# the data and the player's own files stay, and so do their folders.
home=$scratch/home-earlier
player=$home/data/zirimbo
mkdir -p "$player"
cp -R "$share/zirimbo/." "$player/"
for voice in "$player"/{Bob,Carla,Giorgetto}/*.ogg; do mv "$voice" "${voice%.ogg}.wav"; done
(cd "$player" && find . -path ./Dati -prune -o -type f -printf '%P\t%s\t%T@\n') >"$scratch/stamp"
mv "$scratch/stamp" "$player/.media-stamp"
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
# Said once: the next start finds nothing of the copy left to speak of.
KEEP_HOME=1 start "$prefix/bin/zirimbo" earlier
[ $status -eq 0 ] && ! grep -q "earlier copy\|kept [0-9]* files" "$log" && [ ! -e "$player/.media-stamp" ] ||
    fail "earlier copy, started again: status $status, $(cat "$log")"

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

# A distribution's layout, installed with DESTDIR. The manual page is dated by
# SOURCE_DATE_EPOCH (1700000000 is 2023-11-14).
if [ -n "$source" ]; then
    layout=$scratch/layout
    root=$scratch/root
    jobs=$(nproc)
    [ "$jobs" -le 4 ] || jobs=4
    SOURCE_DATE_EPOCH=1700000000 "$cmake" -S "$source" -B "$layout" -DBUILD_TESTING=OFF \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DZIRIMBO_MEDIA_FROM="$build/gamefolder" \
        -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_DATADIR=share/games >"$scratch/layout.log" 2>&1 &&
        "$cmake" --build "$layout" -j"$jobs" >>"$scratch/layout.log" 2>&1 &&
        DESTDIR=$root "$cmake" --install "$layout" >>"$scratch/layout.log" 2>&1 ||
        { tail -20 "$scratch/layout.log" >&2; fail "layout: the build or its installation failed"; }
    usr=$root/usr
    expected="games/zirimbo share/applications/$app_id.desktop share/games/zirimbo/ share/man/man6/zirimbo.6 \
share/metainfo/$app_id.metainfo.xml"
    for size in 16 32 48 64 128 256; do expected+=" share/icons/hicolor/${size}x$size/apps/$app_id.png"; done
    installed=$(cd "$root" && find . -type f | sed -e 's|^\./usr/||' -e 's|^share/games/zirimbo/.*|share/games/zirimbo/|' |
        sort -u | tr '\n' ' ')
    [ "$installed" = "$(tr ' ' '\n' <<<"$expected" | sort | tr '\n' ' ')" ] || fail "layout: installed $installed"
    diff -r "$build/gamefolder" "$usr/share/games/zirimbo" >/dev/null || fail "layout: the game folder is not the build's"
    "$here/check_manpage.sh" "$usr/share/man/man6/zirimbo.6" "$usr/games/zirimbo" /usr/share/games/zirimbo 2023-11-14 ||
        fail "layout: the manual page"
    start "$usr/games/zirimbo" layout
    [ $status -eq 0 ] && grep -q "first frame" "$log" || fail "layout: status $status, $(cat "$log")"
    if grep -q "missing file" "$log"; then fail "layout: $(grep -c 'missing file' "$log") files missing"; fi
    [ "$(ls -A "$player" | tr '\n' ' ')" = "Dati " ] || fail "layout: the player's folder holds $(ls -A "$player")"
    sed "s/^/  layout: /" "$log" >&2
fi

[ $failures -eq 0 ] || exit 1
if [ -n "$source" ]; then echo "installed and started, also in a distribution's layout"; else echo "installed and started"; fi
