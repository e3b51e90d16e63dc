#!/usr/bin/env bash
# run.sh's dependency step ("run.sh deps") on systems made of stand-ins: a PATH
# holding only the basic tools and stand-in programs (pkg-config, a compiler,
# apt-get and apt-cache over a small package archive, sudo, id; no dpkg-query), and
# a root for the files run.sh looks for. Each package of the archive brings what its
# Debian namesake brings that run.sh looks for. Checks that run.sh installs exactly
# what is missing, with apt-get only where there is apt-get and as root or through
# sudo; that where it cannot install it stops with one line naming what is missing;
# and that a package the archive lacks is named while the others are installed.
#
#   tests/desktop/check_run_deps.sh
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
run=$here/../../run.sh
bash=$(command -v bash)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zirimbo-deps.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
unset CXX ZIRIMBO_BENCH

failures=0
fail() { echo "FAIL $case: $*" >&2; failures=$((failures + 1)); }

# The tools any system has, from this one.
base=$scratch/base
mkdir "$base"
for tool in bash env cat cut paste sed sort tr grep awk find head dirname ln mkdir touch; do ln -s "$(command -v $tool)" "$base/$tool"; done

# The archive: a package and what it brings, a program (bin:), a pkg-config module
# (pc:) or a file (file:).
cat >"$scratch/archive" <<'EOF'
libsdl2-dev pc:sdl2
libsdl2-image-dev pc:SDL2_image
libsdl2-mixer-dev pc:SDL2_mixer
libsdl2-ttf-dev pc:SDL2_ttf
libfontconfig-dev pc:fontconfig
libx11-dev pc:x11
libgif-dev file:/usr/include/gif_lib.h
cmake bin:cmake
g++ bin:c++ bin:g++
make bin:make
pkg-config bin:pkg-config
espeak-ng bin:espeak-ng
espeak-ng-data file:/usr/share/espeak-ng-data/it_dict
sox bin:sox bin:soxi
libsox-fmt-base file:/usr/lib/sox/vorbis
imagemagick bin:convert bin:identify bin:import bin:compare
fluidsynth bin:fluidsynth
fluid-soundfont-gm file:/usr/share/sounds/sf2/FluidR3_GM.sf2
fonts-dejavu-core file:/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
fonts-liberation file:/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
libgtest-dev file:/usr/include/gtest/gtest.h
libbenchmark-dev file:/usr/include/benchmark/benchmark.h
desktop-file-utils bin:desktop-file-validate
appstream bin:appstreamcli
xvfb bin:Xvfb
xauth bin:xauth
x11-utils bin:xwininfo bin:xprop
openbox bin:openbox
xdotool bin:xdotool
EOF
play_packages="cmake espeak-ng espeak-ng-data fluid-soundfont-gm fluidsynth fonts-dejavu-core fonts-liberation g++
imagemagick libfontconfig-dev libgif-dev libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev libsox-fmt-base
libx11-dev make pkg-config sox"
test_packages="$play_packages appstream desktop-file-utils libgtest-dev openbox x11-utils xauth xdotool xvfb"

# Every stand-in program: what it does goes by its name. $WORLD is the system.
cat >"$scratch/stub" <<EOF
#!$bash
set -u
w=\$WORLD
provide() {  # the package \$1 arrives
    local item
    for item in \$(awk -v p="\$1" '\$1 == p { \$1 = ""; print }' "\$w/archive"); do
        case \$item in
            bin:*) ln -sf "$scratch/stub" "\$w/bin/\${item#bin:}" ;;
            pc:*) touch "\$w/pc/\${item#pc:}" ;;
            file:*) mkdir -p "\$w/root\$(dirname "\${item#file:}")" && touch "\$w/root\${item#file:}" ;;
        esac
    done
    echo "\$1" >>"\$w/installed"
}
case \${0##*/} in
    stub-provide) provide "\$1" ;;
    pkg-config) [ "\$1" = --exists ] && [ -e "\$w/pc/\$2" ] ;;
    c++ | g++) h=\$(sed -n 's/^#include <\(.*\)>\$/\1/p') && [ -f "\$w/root/usr/include/\$h" ] ;;
    espeak-ng) [ ! -e "\$w/root/usr/share/espeak-ng-data/it_dict" ] || echo " 5  it  --/M  Italian  roa/it" ;;
    sox) echo "AUDIO FILE FORMATS: wav\$([ ! -e "\$w/root/usr/lib/sox/vorbis" ] || echo ' vorbis')" ;;
    convert) if [ -e "\$w/installed" ] && grep -qx imagemagick "\$w/installed"; then echo "Version: ImageMagick 6"; else
        echo "convert: ImageMagick is not installed here"; fi ;;
    id) echo "\$FAKE_UID" ;;
    sudo) echo "sudo \$*" >>"\$w/calls" && exec "\$@" ;;
    apt-get) echo "apt-get \$*" >>"\$w/calls"
        [ "\$1" != install ] && exit 0
        for p in "\$@"; do case \$p in -*) ;; install) ;; *)
            awk -v p="\$p" '\$1 == p { found = 1 } END { exit !found }' "\$w/archive" ||
                { echo "E: Unable to locate package \$p" >&2; exit 100; } ;; esac; done
        for p in "\$@"; do case \$p in -* | install) ;; *) provide "\$p" ;; esac; done ;;
    apt-cache) shift
        for p in "\$@"; do awk -v p="\$p" '\$1 == p { print p ":"; print "  Installed: (none)"; print "  Candidate: 1.0" }' \
            "\$w/archive"; done ;;
esac
EOF
chmod +x "$scratch/stub"
ln -s "$scratch/stub" "$scratch/stub-provide"

# A system: CASE, with the packages of PACKAGES installed, apt-get and apt-cache over the whole
# archive but the packages of LACKS (none where NO_APT is set), sudo where SUDO is
# set. run.sh runs as the user FAKE_UID (1000 unless set).
system() {
    local p packages
    case=$1
    packages=${2:-}
    WORLD=$scratch/$case
    mkdir -p "$WORLD/bin" "$WORLD/pc" "$WORLD/root"
    : >"$WORLD/calls"
    awk -v lacks=" ${LACKS:-} " 'index(lacks, " " $1 " ") == 0' "$scratch/archive" >"$WORLD/archive"
    ln -s "$scratch/stub" "$WORLD/bin/id"
    # Where ImageMagick is missing, something else may still be called convert.
    ln -s "$scratch/stub" "$WORLD/bin/convert"
    [ -z "${NO_APT:-}" ] && ln -s "$scratch/stub" "$WORLD/bin/apt-get" && ln -s "$scratch/stub" "$WORLD/bin/apt-cache"
    [ -z "${SUDO:-}" ] || ln -s "$scratch/stub" "$WORLD/bin/sudo"
    for p in $packages; do WORLD=$WORLD "$scratch/stub-provide" "$p"; done
    words "$packages" >"$WORLD/installed" || true
}

# run.sh deps MODE on the current system; its status, its messages and the calls it made.
deps() {
    status=0
    env -i PATH="$WORLD/bin:$base" WORLD="$WORLD" FAKE_UID="${FAKE_UID:-1000}" ZIRIMBO_DEPS_ROOT="$WORLD/root" \
        ${BENCH:+ZIRIMBO_BENCH=$BENCH} "$bash" "$run" deps "$1" >"$WORLD/out" 2>"$WORLD/err" || status=$?
    calls=$(cat "$WORLD/calls")
}
# Lists of packages, one line, sorted.
words() { tr -s ' \n' '\n' <<<"$1" | grep -v '^$'; }
sorted() { words "$1" | sort | paste -sd' ' -; }
without() { words "$1" | grep -vxF -f <(words "$2") | sort | paste -sd' ' -; }  # those of $1 but those of $2
installed() { sorted "$(cat "$WORLD/installed")"; }
one_line() { [ "$(wc -l <"$WORLD/err")" -eq 1 ] || fail "said $(cat "$WORLD/err")"; }

# Everything there, with no dpkg-query, no apt-get, no root and no sudo: nothing to do.
NO_APT=1 system all_there "$test_packages libbenchmark-dev"
deps test
[ $status -eq 0 ] && [ ! -s "$WORLD/err" ] || fail "status $status, said $(cat "$WORLD/err")"

# A fresh system, as root: everything is installed, in one apt-get call after an
# update; Google Benchmark too unless ZIRIMBO_BENCH is OFF. Then nothing is left to do.
system fresh
FAKE_UID=0 deps test
[ $status -eq 0 ] || fail "status $status, said $(cat "$WORLD/err")"
[ "$(grep -c 'apt-get update' <<<"$calls")" -eq 1 ] && [ "$(grep -c 'apt-get install' <<<"$calls")" -eq 1 ] ||
    fail "calls $calls"
[ "$(installed)" = "$(sorted "$test_packages libbenchmark-dev")" ] || fail "installed $(installed)"
: >"$WORLD/calls"
FAKE_UID=0 deps test
[ $status -eq 0 ] && [ -z "$calls" ] || fail "again: status $status, calls $calls"
system fresh_no_bench
FAKE_UID=0 BENCH=OFF deps test
[ "$(installed)" = "$(sorted "$test_packages")" ] || fail "installed $(installed)"

# Three things missing, not root, with sudo: only their packages, through sudo.
some="libsdl2-mixer-dev fluidsynth fluid-soundfont-gm"
SUDO=1 system sudo "$(without "$test_packages" "$some")"
deps play
[ $status -eq 0 ] || fail "status $status, said $(cat "$WORLD/err")"
grep -q "^sudo env DEBIAN_FRONTEND=noninteractive apt-get install .* $(sorted "$some")$" <<<"$calls" ||
    fail "calls $calls"
[ "$(grep -c '^sudo env DEBIAN_FRONTEND=noninteractive apt-get' <<<"$calls")" -eq "$(grep -c '^apt-get' <<<"$calls")" ] ||
    fail "apt-get without sudo: $calls"

# Without root or sudo, and without apt-get: one line naming what is missing by its
# own names and its Debian packages, and no apt-get.
for how in no_root no_apt; do
    if [ $how = no_root ]; then
        system $how "$(without "$test_packages" "$some")"
        deps play
    else
        NO_APT=1 system $how "$(without "$test_packages" "$some")"
        FAKE_UID=0 deps play
    fi
    [ $status -ne 0 ] && [ -z "$calls" ] || fail "status $status, calls $calls"
    one_line
    for name in SDL2_mixer fluidsynth FluidR3_GM.sf2 libsdl2-mixer-dev fluid-soundfont-gm; do
        grep -q "$name" "$WORLD/err" || fail "does not name $name: $(cat "$WORLD/err")"
    done
done

# ImageMagick missing where another convert stands: installed.
system stand_in "$(without "$play_packages" imagemagick)"
FAKE_UID=0 deps play
[ $status -eq 0 ] && grep -q "apt-get install .* imagemagick$" <<<"$calls" || fail "status $status, calls $calls"

# A package the archive lacks: named, and the others installed.
LACKS=fluidsynth system lacks "$(without "$play_packages" "$some")"
FAKE_UID=0 deps play
[ $status -ne 0 ] || fail "status 0"
one_line
grep -q "not in the package archive: fluidsynth" "$WORLD/err" || fail "said $(cat "$WORLD/err")"
[ "$(installed)" = "$(without "$play_packages" fluidsynth)" ] || fail "installed $(installed)"

[ $failures -eq 0 ] || exit 1
echo "run.sh installs what is missing and names what it cannot"
