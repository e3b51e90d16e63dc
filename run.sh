#!/usr/bin/env bash
# Installs what is missing, builds, and then starts the game (./run.sh, options after
# "play" go to the game: ./run.sh play --windowed 800x600) or runs every test
# (./run.sh test). The game reads its pictures, sounds and music where the build
# left them (build/gamefolder) and keeps only the player's data files, in
# ${XDG_DATA_HOME:-~/.local/share}/zirimbo/Dati; nothing is written into the
# source tree at run time.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${ZIRIMBO_BUILD_DIR:-$here/build}"
mode="${1:-play}"

packages=(cmake g++ make pkg-config libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev
  libgif-dev libfontconfig-dev libgtest-dev libbenchmark-dev espeak-ng sox imagemagick fluidsynth
  fluid-soundfont-gm fonts-liberation fonts-dejavu-core help2man desktop-file-utils appstream
  libx11-dev xvfb xauth x11-utils openbox xdotool)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
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

build_all() {
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIRIMBO_WERROR="${ZIRIMBO_WERROR:-OFF}" >/dev/null
  cmake --build "$build" -j"$(nproc)"
}

install_missing
build_all
case "$mode" in
  test)
    cd "$build"
    SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-dummy}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
      ctest --output-on-failure -j"$(nproc)"
    ;;
  play)
    shift || true
    exec "$build/zirimbo" "$@"
    ;;
  *)
    echo "usage: $0 [play [game options] | test]" >&2; exit 2 ;;
esac
