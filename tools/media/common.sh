# shellcheck shell=bash
# shellcheck disable=SC2034  # the tables are used by the other files of tools/media
# Shared helpers of the media generator; sourced by generate_media.sh and by every job.
# Each job runs in its own bash, so nothing here may depend on state set by another job.

# Player colours: fill, darker fill, outline; light, middle and strong tile shades.
declare -gA PAWN_FILL=([R]='#E53935' [B]='#1E88E5' [G]='#FDD835' [V]='#43A047')
declare -gA PAWN_MID=([R]='#C62828' [B]='#1565C0' [G]='#F9A825' [V]='#2E7D32')
declare -gA PAWN_DARK=([R]='#6D0F0F' [B]='#0B3066' [G]='#7A5A00' [V]='#174A1B')
declare -gA TILE_LIGHT=([R]='#FFCDD2' [B]='#BBDEFB' [G]='#FFF59D' [V]='#C8E6C9')
declare -gA TILE_MID=([R]='#EF9A9A' [B]='#90CAF9' [G]='#FFEE58' [V]='#A5D6A7')
declare -gA TILE_STRONG=([R]='#E53935' [B]='#1E88E5' [G]='#FDD835' [V]='#43A047')
declare -gA TILE_DARK=([R]='#8E1B1B' [B]='#0D3C78' [G]='#9A7B00' [V]='#1B5E20')
BOARD_BG='#FFF6E0'
INK='#263238'

# Font files (fail loudly when missing: the pictures would silently change otherwise).
find_font() {
    local name=$1 f
    for f in "/usr/share/fonts/truetype/dejavu/$name" "/usr/share/fonts/dejavu/$name" \
             "/usr/share/fonts/TTF/$name"; do
        [[ -f $f ]] && { printf '%s\n' "$f"; return 0; }
    done
    f=$(fc-list 2>/dev/null | awk -F: -v n="/$name" 'index($1, n) { print $1; exit }')
    [[ -n $f && -f $f ]] && { printf '%s\n' "$f"; return 0; }
    echo "generate_media: font $name not found (install fonts-dejavu-core)" >&2
    return 1
}

# Writers: no metadata, no dates, no dithering noise; GIF transparency is all or nothing.
save_gif() {  # convert arguments... output.gif
    local out=${*: -1}
    convert "${@:1:$#-1}" -channel A -threshold 50% +channel +dither -colors 255 \
        -strip +set date:create +set date:modify "$out"
}
save_jpg() {  # convert arguments... output.jpg
    local out=${*: -1}
    convert "${@:1:$#-1}" -background "$BOARD_BG" -flatten -strip -quality 92 -sampling-factor 2x2 \
        +set date:create +set date:modify "$out"
}

# Points of a star polygon: centre x y, outer and inner radius, number of points, rotation in degrees.
star_points() {
    awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" -v n="$5" -v rot="${6:-0}" 'BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < 2 * n; i++) {
            a = (rot - 90 + i * 180 / n) * pi / 180
            rad = i % 2 ? r : R
            printf "%s%.1f,%.1f", (i ? " " : ""), cx + rad * cos(a), cy + rad * sin(a)
        }
    }'
}

# MVG of a pawn of colour C (R B G V) with its middle at x,y, scaled by s (1 = 88 px tall).
pawn_mvg() {
    local c=$1 x=$2 y=$3 s=$4
    cat <<EOF
push graphic-context
translate $x,$y
scale $s,$s
stroke '${PAWN_DARK[$c]}' stroke-width 3 stroke-linejoin round
fill '${PAWN_MID[$c]}' ellipse 0,36 32,9 0,360
fill '${PAWN_FILL[$c]}' path 'M -27,36 C -25,16 -14,4 -10,-8 L 10,-8 C 14,4 25,16 27,36 Z'
fill '${PAWN_MID[$c]}' ellipse 0,-8 15,5 0,360
fill '${PAWN_FILL[$c]}' ellipse 0,-26 18,18 0,360
stroke none fill white fill-opacity 0.7 ellipse -6,-32 6,4 0,360
fill-opacity 0.35 path 'M -19,31 C -17,19 -12,9 -8,1 L -3,1 C -6,10 -10,20 -11,31 Z'
pop graphic-context
EOF
}

# MVG of an arrow pointing along angle a (0 right, 90 down) centred at x,y, length about 56*s.
arrow_mvg() {
    local x=$1 y=$2 a=$3 s=$4 fill=$5 stroke=$6
    cat <<EOF
push graphic-context
translate $x,$y
rotate $a
scale $s,$s
fill '$fill' stroke '$stroke' stroke-width 3 stroke-linejoin round
polygon -26,-8 4,-8 4,-19 29,0 4,19 4,8 -26,8
pop graphic-context
EOF
}
