#!/usr/bin/env bash
# Draws the desktop's icon of the game at one size, from the same description as the
# window's icon (Grafica/Icona.gif), so that every size is sharp.
#
#   tools/desktop_icon.sh SIZE OUTPUT.png
set -euo pipefail
[[ $# -eq 2 && $1 =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 SIZE OUTPUT.png" >&2; exit 2; }
export LC_ALL=C MAGICK_THREAD_LIMIT=1
media=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/media
for f in common board titles; do
    # shellcheck source=/dev/null
    source "$media/$f.sh"
done
mkdir -p "$(dirname "$2")"
make_desktop_icon "$2" "$1"
