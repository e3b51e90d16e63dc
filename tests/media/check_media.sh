#!/usr/bin/env bash
# Checks a generated game folder against what the game expects of its files: picture
# sizes and transparency, the sounds' formats, MIDI files and their recordings, and the committed data files
# (CR LF line ends and the 8-bit code page, which an editor or git could silently change).
#
#   tests/media/check_media.sh GAMEFOLDER
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
folder=${1:?usage: check_media.sh GAMEFOLDER}
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# --- pictures: format and size, by folder and name
while read -r name format width height; do
    case $name in
        Pedine/*) want="GIF 111 111" ;;
        Fumetti/*|Grafica/rossa*.gif) want="GIF 200 200" ;;
        Grafica/[1-6][RBGV].jpg) want="JPEG 111 111" ;;
        Grafica/RossiVerdi.jpg|Grafica/BluGialli.jpg) want="JPEG 111 661" ;;
        Grafica/logo[1-8].jpg) want="JPEG 120 120" ;;
        Grafica/Logo*.gif) want="GIF 480 92" ;;
        Grafica/Autore.jpg) want="JPEG 700 627" ;;
        Grafica/Emblema.jpg) want="JPEG 200 200" ;;
        Grafica/Esci*.jpg) want="JPEG 225 225" ;;
        *) want="$format $width $height" ;;
    esac
    [[ "$format $width $height" == "$want" ]] || fail "$name is $format ${width}x$height, expected $want"
done < <(cd "$folder" && for f in Grafica/* Pedine/* Fumetti/*; do
    identify -format "$f %m %w %h\n" "${f}[0]"
done)

# The GIFs lie over other pictures: their corners must be clear; pawns and faces must be
# drawn in the middle.
for f in "$folder"/Pedine/*.gif "$folder"/Fumetti/*.gif "$folder"/Grafica/*.gif; do
    read -r corner centre < <(convert "$f" -format '%[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]\n' info:)
    [[ $corner == 0 ]] || fail "${f#"$folder"/}: the corner is not transparent"
    case $f in
        */Pedine/*|*/Fumetti/*|*/rossa*) [[ $centre == 1 ]] || fail "${f#"$folder"/}: the middle is transparent" ;;
    esac
done

# Parking squares overlap by a third of their height and the logo has the panel titles
# just below it: a pawn stays within the middle 78 of its 111 rows, the logo leaves its
# bottom fifth clear.
for f in "$folder"/Pedine/[RBGV][1-5].gif "$folder"/Grafica/Logo*.gif; do
    read -r height top < <(convert "$f" -alpha extract -trim -format '%h %Y\n' info:)
    top=${top#+}
    case $f in
        */Pedine/*) (( top >= 16 && top + height <= 95 )) || fail "${f#"$folder"/}: drawn on rows $top to $((top + height - 1))" ;;
        *) (( top + height <= 74 )) || fail "${f#"$folder"/}: drawn down to row $((top + height - 1))" ;;
    esac
done

# The target's 'X' (its orange-red core) marks an empty target cell and a chosen pawn
# whose target is its own cell (the fours); the other pawns carry none.
for f in "$folder"/Pedine/*.gif; do
    name=${f#"$folder"/}
    marked=$(convert "$f" -alpha off -fill black +opaque '#FF3D00' -fill white -opaque '#FF3D00' \
        -format '%[fx:round(mean*w*h)]' info:)
    case $name in
        Pedine/X.gif|Pedine/[RBGV]4.gif) (( marked >= 300 )) || fail "$name: no target 'X' ($marked pixels)" ;;
        *) (( marked == 0 )) || fail "$name: $marked pixels of the target 'X'" ;;
    esac
done

# --- sounds: 22050 Hz, mono, the effects 16 bit WAV and the voices Ogg Vorbis, sensible lengths
while read -r f type rate channels bits seconds; do
    case $f in
        Rumori/*) want="wav 22050 1 16" ;;
        *) want="vorbis 22050 1 0" ;;
    esac
    [[ "$type $rate $channels $bits" == "$want" ]] || fail "$f: $type, $rate Hz, $channels channel(s), $bits bit"
    case $f in
        Rumori/Plauso.WAV) range="1.5 3" ;;
        Rumori/Vittoria.WAV) range="2 4" ;;
        Rumori/*) range="0.01 1" ;;
        *) range="0.2 5" ;;
    esac
    awk -v s="$seconds" -v r="$range" 'BEGIN { split(r, a, " "); exit !(s >= a[1] && s <= a[2]) }' ||
        fail "$f lasts $seconds s, outside $range"
done < <(cd "$folder" && for f in Rumori/* Bob/* Giorgetto/* Carla/*; do
    printf '%s %s %s %s %s %s\n' "$f" "$(soxi -t "$f")" "$(soxi -r "$f")" "$(soxi -c "$f")" "$(soxi -b "$f")" "$(soxi -D "$f")"
done)

# The effects sound equally loud (the loudest 50 ms of each within 3 dB of the others) and
# none reaches full scale.
effects=$(cd "$folder" && for f in Rumori/*; do
    sox "$f" -n stats -w 0.05 2>&1 | awk -v f="$f" '/^Pk lev dB/ { pk = $NF } /^RMS Pk dB/ { rms = $NF }
        END { print f, pk, rms }'
done)
while read -r f pk _; do
    awk -v p="$pk" 'BEGIN { exit !(p < -0.5) }' || fail "$f peaks at $pk dBFS"
done <<<"$effects"
spread=$(awk 'NR == 1 { lo = hi = $3 } { if ($3 < lo) lo = $3; if ($3 > hi) hi = $3 } END { printf "%.2f", hi - lo }' <<<"$effects")
awk -v s="$spread" 'BEGIN { exit !(s <= 3) }' || fail "the effects' loudness differs by $spread dB: $(tr '\n' ' ' <<<"$effects")"

# --- music: standard MIDI files of format 1
for f in "$folder"/Musiche/*.mid; do
    header=$(od -An -tx1 -N10 "$f" | tr -d ' \n')
    [[ $header == 4d546864000000060001 ]] || fail "${f#"$folder"/}: not a format 1 MIDI file ($header)"
done

# --- recordings of the music: 44.1 kHz stereo Ogg Vorbis, as long as the piece, the same
# loudness within 3 dB and no clipping
levels=$work/levels
for f in "$folder"/Musiche/*.ogg; do
    name=${f#"$folder"/}
    [[ "$(soxi -t "$f") $(soxi -r "$f") $(soxi -c "$f")" == "vorbis 44100 2" ]] ||
        fail "$name: $(soxi -t "$f"), $(soxi -r "$f") Hz, $(soxi -c "$f") channel(s)"
    seconds=$(soxi -D "$f")
    case $name in
        Musiche/Vittoria.ogg) range="17 18.7" ;;  # replayed every 18.7 seconds
        *) range="30 91" ;;
    esac
    awk -v s="$seconds" -v r="$range" 'BEGIN { split(r, a, " "); exit !(s >= a[1] && s <= a[2]) }' ||
        fail "$name lasts $seconds s, outside $range"
    sox "$f" -n stats 2>&1 | awk -v n="$name" '/^Pk lev dB/ { pk = $4 } /^RMS lev dB/ { rms = $4 }
        END { print n, pk, rms }' >>"$levels"
done
[[ -s $levels ]] || fail "Musiche holds no recordings"
while read -r name pk; do
    fail "$name clips (peak $pk dBFS)"
done < <(awk '$2 > -0.1 { print $1, $2 }' "$levels")
spread=$(awk 'NR == 1 || $3 > hi { hi = $3 } NR == 1 || $3 < lo { lo = $3 } END { printf "%.1f", hi - lo }' "$levels")
awk -v s="$spread" 'BEGIN { exit !(s <= 3) }' || fail "the pieces' loudness differs by $spread dB"

# --- data files as committed
dati=$root/data/Dati
for entry in ZirOpz.txt:11 ZirNom.txt:1 ZirCla.txt:32; do
    f=$dati/${entry%:*} lines=${entry#*:}
    [[ $(wc -l <"$f") == "$lines" ]] || fail "${f##*/} has $(wc -l <"$f") lines, expected $lines"
    [[ $(grep -c $'\r$' "$f") == "$lines" ]] || fail "${f##*/}: not every line ends with CR LF"
done
# "Sì" is S followed by the single byte EC of the Western 8-bit code page.
[[ $(od -An -tx1 -N4 "$dati/ZirOpz.txt" | tr -d ' \n') == 2253ec22 ]] || fail "ZirOpz.txt does not start with \"S\\xEC\""
iconv -f UTF-8 -t UTF-8 "$dati/ZirOpz.txt" >/dev/null 2>&1 && fail "ZirOpz.txt reads as UTF-8 (it must be Windows-1252)"

if ((failures)); then
    echo "$failures media check(s) failed" >&2
    exit 1
fi
echo "media: all checks passed"
