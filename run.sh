#!/usr/bin/env bash
# Installs what is missing, builds, and then starts the game (./run.sh, options after
# "play" go to the game: ./run.sh play --windowed 800x600) or runs every test
# (./run.sh test). Playing builds only the game and its media, optimised, in
# build-release (the folder the README's installation uses); the tests build
# everything in build. The game reads its pictures, sounds and music where the
# build left them (gamefolder in the build folder) and keeps only the player's
# data files, in ${XDG_DATA_HOME:-~/.local/share}/zirimbo/Dati; nothing is written
# into the source tree at run time.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mode="${1:-play}"

# What building and playing the game needs.
play_packages=(cmake g++ make pkg-config libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev
  libgif-dev libfontconfig-dev libx11-dev espeak-ng sox imagemagick fluidsynth fluid-soundfont-gm
  fonts-liberation fonts-dejavu-core)
# What the tests, the benchmarks and the installation's checks need besides.
test_packages=(libgtest-dev libbenchmark-dev desktop-file-utils appstream
  xvfb xauth x11-utils openbox xdotool)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo="sudo"; else
      echo "Missing packages (install them as root): ${missing[*]}" >&2; exit 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

case "$mode" in
  test)
    build="${ZIRIMBO_BUILD_DIR:-$here/build}"
    install_missing "${play_packages[@]}" "${test_packages[@]}"
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
    install_missing "${play_packages[@]}"
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" --target zirimbo media
    exec "$build/zirimbo" "$@"
    ;;
  *)
    echo "usage: $0 [play [game options] | test]" >&2; exit 2 ;;
esac
