#!/usr/bin/env bash
# Installs what is missing, builds, and then starts the game (./run.sh, options after
# "play" go to the game: ./run.sh play --windowed 800x600) or runs every test
# (./run.sh test); ./run.sh deps [play|test] only installs what is missing.
# Playing builds the game, its media and its desktop files, optimised, in
# build-release (the folder the README's installation uses, so that installing
# after playing builds nothing more); the tests build everything in build. The game
# reads its pictures, sounds and music where the build left them (gamefolder in the
# build folder) and keeps only the player's data files, in the folder Dati of
# zirimbo in XDG_DATA_HOME (~/.local/share/zirimbo/Dati when it is not set); nothing
# is written into the source tree at run time.
#
# What is missing is found as the build finds it (pkg-config modules, headers,
# programs, files), on any system; it is installed with apt-get, as root or through
# sudo, where there is apt-get. Elsewhere, or without root and sudo, run.sh names
# what is missing and stops. ZIRIMBO_DEPS_ROOT puts the files looked for under
# another root (for tests/desktop/check_run_deps.sh).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mode="${1:-play}"
root=${ZIRIMBO_DEPS_ROOT:-}

# What building and playing the game needs, one a line: how it is looked for, what
# is looked for, its name, the Debian package that brings it.
play_needs=(
    "pc|sdl2|SDL2 (pkg-config sdl2)|libsdl2-dev"
    "pc|SDL2_image|SDL2_image (pkg-config SDL2_image)|libsdl2-image-dev"
    "pc|SDL2_mixer|SDL2_mixer (pkg-config SDL2_mixer)|libsdl2-mixer-dev"
    "pc|SDL2_ttf|SDL2_ttf (pkg-config SDL2_ttf)|libsdl2-ttf-dev"
    "pc|fontconfig|fontconfig (pkg-config fontconfig)|libfontconfig-dev"
    "pc|x11|Xlib (pkg-config x11)|libx11-dev"
    "header|gif_lib.h|giflib (gif_lib.h)|libgif-dev"
    "program|cmake|cmake|cmake"
    "cxx|c++|a C++ compiler (c++)|g++"
    "program|make|make|make"
    "program|pkg-config|pkg-config|pkg-config"
    "program|espeak-ng|espeak-ng|espeak-ng"
    "italian|espeak-ng|espeak-ng's Italian voice|espeak-ng-data"
    "program|sox|sox|sox"
    "program|soxi|soxi|sox"
    "vorbis|sox|sox's Ogg Vorbis format|libsox-fmt-base"
    "magick|convert|ImageMagick's convert|imagemagick"
    "program|identify|ImageMagick's identify|imagemagick"
    "program|fluidsynth|fluidsynth|fluidsynth"
    "file|/usr/share/sounds/sf2/FluidR3_GM.sf2|the General MIDI sound font FluidR3_GM.sf2|fluid-soundfont-gm"
    "font|DejaVuSans-Bold.ttf|the DejaVu fonts (DejaVuSans-Bold.ttf)|fonts-dejavu-core"
    "font|LiberationSans-Regular.ttf|the Liberation fonts (LiberationSans-Regular.ttf)|fonts-liberation"
)
# What the tests, the benchmarks and the installation's checks need besides.
test_needs=(
    "header|gtest/gtest.h|GoogleTest (gtest/gtest.h)|libgtest-dev"
    "program|desktop-file-validate|desktop-file-validate|desktop-file-utils"
    "program|appstreamcli|appstreamcli|appstream"
    "program|Xvfb|Xvfb|xvfb"
    "program|xauth|xauth|xauth"
    "program|xwininfo|xwininfo|x11-utils"
    "program|xprop|xprop|x11-utils"
    "program|openbox|openbox|openbox"
    "program|xdotool|xdotool|xdotool"
    "program|import|ImageMagick's import|imagemagick"
    "program|compare|ImageMagick's compare|imagemagick"
)
bench_needs=("header|benchmark/benchmark.h|Google Benchmark (benchmark/benchmark.h)|libbenchmark-dev")

say() { echo "run.sh: $*" >&2; }
have() { command -v "$1" >/dev/null 2>&1; }

# The C++ compiler CMake would take: CXX, else c++, g++ or clang++.
compiler() {
    local c
    for c in ${CXX:-} c++ g++ clang++; do
        have "$c" && { echo "$c"; return 0; }
    done
    return 1
}

# True when a requirement ("kind|what|name|package") is met.
met() {
    local kind what rest cxx dir
    IFS='|' read -r kind what rest <<<"$1"
    case "$kind" in
        pc) have pkg-config && pkg-config --exists "$what" ;;
        program) have "$what" ;;
        cxx) compiler >/dev/null ;;
        # The header where the compiler finds it, or where CMake looks without one.
        header)
            if cxx=$(compiler); then
                printf '#include <%s>\n' "$what" | "$cxx" -E -x c++ - >/dev/null 2>&1
            else
                for dir in "$root/usr/include" "$root/usr/local/include"; do
                    [ -f "$dir/$what" ] && return 0
                done
                return 1
            fi
            ;;
        # The real ImageMagick, not something else of the name.
        magick) have "$what" && "$what" -version 2>/dev/null | grep -q "Version: ImageMagick" ;;
        italian) have "$what" && "$what" --voices=it 2>/dev/null | awk '$2 == "it" { f = 1 } END { exit !f }' ;;
        vorbis) have "$what" && "$what" -h 2>/dev/null | grep -qw vorbis ;;
        file) [ -f "$root$what" ] ;;
        font)
            [ -n "$(find "$root/usr/share/fonts" "$root/usr/local/share/fonts" -name "$what" -print -quit 2>/dev/null)" ] ||
                { have fc-list && fc-list : file 2>/dev/null | grep -q "/$what"; }
            ;;
        *) return 1 ;;
    esac
}

# The requirements of "$@" that are not met, one a line.
unmet() {
    local need
    for need in "$@"; do met "$need" || echo "$need"; done
}

# Their names and their Debian packages, for a message.
names() { cut -d'|' -f3 | paste -sd, - | sed 's/,/, /g'; }
packages() { cut -d'|' -f4 | sort -u | paste -sd' ' -; }

# Installs what "$@" need and is missing; stops with one line where it cannot.
install_missing() {
    local missing wanted sudo="" absent="" available still
    missing=$(unmet "$@")
    [ -n "$missing" ] || return 0
    wanted=$(packages <<<"$missing")
    if ! have apt-get; then
        say "missing: $(names <<<"$missing"); there is no apt-get here to install them: install them" \
            "(on Debian: $wanted) and run run.sh again"
        exit 1
    fi
    if [ "$(id -u 2>/dev/null || echo "$EUID")" -ne 0 ]; then
        if have sudo; then sudo=sudo; else
            say "missing: $(names <<<"$missing"); installing them needs root or sudo: as root," \
                "apt-get install $wanted"
            exit 1
        fi
    fi
    echo "Installing: $wanted"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
        say "apt-get update failed; going on with the package lists there are"
    # A package the archive lacks is named; the others are still installed.
    if have apt-cache; then
        # shellcheck disable=SC2086  # one word a package
        absent=$(apt-cache policy $wanted 2>/dev/null | awk -v wanted="$wanted" '
            BEGIN { n = split(wanted, w, " "); for (i = 1; i <= n; i++) known[w[i]] = 0 }
            /^[^ ].*:$/ { name = substr($0, 1, length($0) - 1) }
            /^ *Candidate:/ && $2 != "(none)" && name in known { known[name] = 1 }
            END { for (i = 1; i <= n; i++) if (!known[w[i]]) printf "%s ", w[i] }')
        absent=${absent% }
    fi
    available=$(tr ' ' '\n' <<<"$wanted" | grep -vxF -f <(tr ' ' '\n' <<<"$absent") | paste -sd' ' - || true)
    if [ -n "$available" ]; then
        # shellcheck disable=SC2086  # one word a package
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $available || {
            say "apt-get could not install: $available"
            exit 1
        }
    fi
    still=$(unmet "$@")
    if [ -n "$absent" ]; then
        say "not in the package archive: $absent${still:+; still missing: $(names <<<"$still")}"
        [ -z "$still" ] || exit 1
    elif [ -n "$still" ]; then
        say "still missing after apt-get install: $(names <<<"$still")"
        exit 1
    fi
}

# What a mode needs.
needs() {
    case "$1" in
        play) printf '%s\n' "${play_needs[@]}" ;;
        test)
            printf '%s\n' "${play_needs[@]}" "${test_needs[@]}"
            [ "${ZIRIMBO_BENCH:-ON}" = OFF ] || printf '%s\n' "${bench_needs[@]}"
            ;;
    esac
}

install_for() {
    local list=()
    mapfile -t list < <(needs "$1")
    install_missing "${list[@]}"
}

case "$mode" in
    deps)
        what=${2:-play}
        case "$what" in play | test) install_for "$what" ;; *)
            echo "usage: $0 deps [play|test]" >&2
            exit 2
            ;;
        esac
        ;;
    test)
        build="${ZIRIMBO_BUILD_DIR:-$here/build}"
        install_for test
        # Optimised, with line tables for the backtraces of a failing
        # test (full debugging information takes far longer to compile).
        cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
            -DBUILD_TESTING=ON -DZIRIMBO_BENCH="${ZIRIMBO_BENCH:-ON}" -DZIRIMBO_WERROR="${ZIRIMBO_WERROR:-OFF}" >/dev/null
        cmake --build "$build" -j"$(nproc)"
        cd "$build"
        SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-dummy}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
            ctest --output-on-failure -j"$(nproc)"
        ;;
    play)
        shift || true
        build="${ZIRIMBO_BUILD_DIR:-$here/build-release}"
        install_for play
        cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
        # Everything the installation takes: the game, its media and its desktop files.
        cmake --build "$build" -j"$(nproc)"
        exec "$build/zirimbo" "$@"
        ;;
    *)
        echo "usage: $0 [play [game options] | test | deps [play|test]]" >&2
        exit 2
        ;;
esac
