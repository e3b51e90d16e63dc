# shellcheck shell=bash
# Title and panel pictures of Grafica: the logo and its pieces, the speech-bubble frame,
# the rules arrows, the window icon and the pictures of the exit panel and of the
# information window.

LOGO_TEXT=(Z I R I M B O '!')
LOGO_COLOURS=(R B G V)
SPLASH_BG='#E5C9B8'

# Grafica/logo<k>.jpg: the k-th letter of the title on a coloured tile, for the intro.
make_logo_piece() {
    local out=$1 k=$2 font c letter
    font=$(find_font DejaVuSans-Bold.ttf)
    c=${LOGO_COLOURS[$(( (k - 1) % 4 ))]}
    letter=${LOGO_TEXT[$((k - 1))]}
    convert -size 120x120 "xc:$SPLASH_BG" -draw "
fill '${PAWN_DARK[$c]}' stroke none roundrectangle 9,11 115,117 24,24
fill '${PAWN_FILL[$c]}' stroke '${PAWN_DARK[$c]}' stroke-width 4 roundrectangle 5,5 111,111 24,24
fill white fill-opacity 0.3 stroke none roundrectangle 12,10 104,46 16,16" \
        -font "$font" -pointsize 78 -gravity center \
        -fill "${PAWN_DARK[$c]}" -stroke "${PAWN_DARK[$c]}" -strokewidth 12 -annotate +0+2 "$letter" \
        -fill white -stroke none -annotate +0+2 "$letter" \
        -strip -quality 92 -sampling-factor 2x2 +set date:create +set date:modify "$out"
}

# Grafica/Logo.gif (frame 0) and Logo2..Logo4 (frames 1..3): the title in bouncing letters
# of the four colours; each frame shifts the colours and the bounce by one letter.
make_logo() {
    local out=$1 frame=$2 font i c up angle letters=()
    font=$(find_font DejaVuSans-Bold.ttf)
    for i in "${!LOGO_TEXT[@]}"; do
        c=${LOGO_COLOURS[$(( (i + frame) % 4 ))]}
        up=$(( (i + frame) % 2 ? 0 : 8 ))
        angle=$(( (i + frame) % 2 ? 6 : -6 ))
        letters+=('(' -size 90x96 xc:none -font "$font" -pointsize 66 -gravity center
                  -fill "$INK" -stroke "$INK" -strokewidth 10 -annotate +3+4 "${LOGO_TEXT[$i]}"
                  -annotate +0+0 "${LOGO_TEXT[$i]}" -stroke white -strokewidth 3 -fill "${PAWN_FILL[$c]}"
                  -annotate +0+0 "${LOGO_TEXT[$i]}" -stroke none -annotate +0+0 "${LOGO_TEXT[$i]}"
                  -background none -rotate "$angle" -trim +repage
                  -gravity south -splice "0x$up" -gravity north -splice 0x$((8 - up))
                  -bordercolor none -border 2x0 ')')
    done
    # The bottom fifth stays clear: the panel titles sit just below the logo.
    save_gif -background none "${letters[@]}" -gravity center +append \
        -resize 480x72 -gravity north -extent 480x92 "$out"
}

# Grafica/Fumetto.gif: the speech-bubble frame behind the rules text and the prompts; the
# tail points left, to the character picture beside it. The texts on it start close to
# its top left corner, so the corners are tight and the white inside reaches the edge.
make_bubble_frame() {
    local out=$1
    save_gif -size 600x268 xc:none -draw "
fill white stroke '$INK' stroke-width 5 stroke-linejoin round
polygon 100,112 8,158 100,172
roundrectangle 94,3 596,264 12,12
stroke none polygon 102,118 20,156 102,166" "$out"
}

# Grafica/Indietro<n>.gif and Avanti<n>.gif: round arrow buttons, 1 at rest, 2 pressed.
make_arrow_button() {
    local out=$1 angle=$2 state=$3 fill='#FF9800' edge='#8A4B00' arrow=white
    if [[ $state == 2 ]]; then fill='#FFEB3B' edge='#C62828' arrow='#E53935'; fi
    save_gif -size 72x72 xc:none -draw "
fill '$edge' stroke none circle 37,38 37,4
fill '$fill' stroke '$edge' stroke-width 4 circle 35,35 35,4
fill white fill-opacity 0.35 stroke none ellipse 35,20 20,10 0,360 fill-opacity 1
$(arrow_mvg 35 36 "$angle" 0.85 "$arrow" "$edge")" "$out"
}

# The game's icon, the four colours of the board with a red pawn, drawn on a square of
# SIZE pixels (64 unless given): the window's Icona.gif and the desktop's icons are all
# drawn from this one description, each at its own size.
icon_mvg() {
    local size=${1:-64}
    cat <<EOF
push graphic-context
scale $(awk -v s="$size" 'BEGIN { printf "%.6g,%.6g", s / 64, s / 64 }')
fill '$INK' stroke none roundrectangle 1,1 63,63 12,12
fill '${PAWN_FILL[R]}' rectangle 4,4 31,31 fill '${PAWN_FILL[B]}' rectangle 33,4 60,31
fill '${PAWN_FILL[V]}' rectangle 4,33 31,60 fill '${PAWN_FILL[G]}' rectangle 33,33 60,60
fill white fill-opacity 0.85 circle 32,33 32,9 fill-opacity 1
$(pawn_mvg R 32 33 0.5)
pop graphic-context
EOF
}

# Grafica/Icona.gif: the window icon.
make_icon() {
    local out=$1
    save_gif -size 64x64 xc:none -draw "$(icon_mvg 64)" "$out"
}

# The desktop's icon of SIZE x SIZE pixels, a PNG with soft edges.
make_desktop_icon() {
    local out=$1 size=$2
    convert -size "${size}x$size" xc:none -draw "$(icon_mvg "$size")" -strip \
        -define png:exclude-chunks=date,time "PNG32:$out"
}

# A friendly cartoon of the game's author at his drawing table, for the information window
# (Grafica/Autore.jpg, 700 x 627) and, cut to a square, for the exit panel (EsciAutore.jpg).
author_mvg() {
    cat <<EOF
fill '#FFF3E0' stroke none rectangle 0,0 700,627
fill '#FFE0B2' circle 560,120 560,20 fill '#FFCC80' circle 560,120 560,60
fill '#A1887F' stroke '#5D4037' stroke-width 6 roundrectangle 40,470 660,640 20,20
fill '#1976D2' stroke '#0D47A1' stroke-width 6 path 'M 190,627 C 190,480 250,430 350,430 C 450,430 510,480 510,627 Z'
fill white stroke '#0D47A1' stroke-width 4 polygon 320,430 350,490 380,430
fill '#F5C6A0' stroke '#8D5A3B' stroke-width 6 rectangle 322,380 378,440
fill '#F5C6A0' stroke '#8D5A3B' stroke-width 6 ellipse 248,300 22,30 0,360 ellipse 452,300 22,30 0,360
ellipse 350,280 102,122 0,360
fill '#9E9E9E' stroke '#616161' stroke-width 5 path 'M 250,250 C 240,150 300,140 350,150 C 400,140 460,150 450,250 C 440,200 420,190 400,195 C 380,180 320,180 300,195 C 280,190 260,200 250,250 Z'
path 'M 262,330 C 270,420 310,440 350,440 C 390,440 430,420 438,330 C 420,370 400,372 350,372 C 300,372 280,370 262,330 Z'
fill white stroke '#37474F' stroke-width 6 roundrectangle 268,250 338,300 18,18 roundrectangle 362,250 432,300 18,18
line 338,270 362,270
fill '#37474F' stroke none circle 305,276 305,264 circle 395,276 395,264
fill none stroke '#6D4C41' stroke-width 6 stroke-linecap round path 'M 330,352 Q 350,370 370,352'
stroke '#757575' stroke-width 7 path 'M 276,236 Q 302,222 330,234' path 'M 370,234 Q 398,222 424,236'
fill '#FFFFFF' stroke '#5D4037' stroke-width 5 roundrectangle 90,500 300,600 8,8
$(mini_board_mvg 560 540 14)
fill '#FFC107' stroke '#8D6E00' stroke-width 4 polygon 150,520 260,560 250,572 140,532
EOF
}

# A small board, cells of size s, centred at x,y (the colours of the real tiles).
mini_board_mvg() {
    local x=$1 y=$2 s=$3 r c i code col
    # tile of each cell, row by row from the top left (the table of the board tiles)
    local -a layout=(1R 2R 3R 2R 4B 1B  4R 5R 2R 4B 5B 2B  2V 4R 6R 6B 2B 3B
                     3V 2V 6V 6G 4G 2B  2V 5V 4V 2G 5G 4G  1V 4V 2G 3G 2G 1G)
    echo "push graphic-context translate $((x - 3 * s)),$((y - 3 * s))"
    echo "fill '$INK' stroke none roundrectangle -4,-4 $((6 * s + 4)),$((6 * s + 4)) 5,5"
    for r in 0 1 2 3 4 5; do
        for c in 0 1 2 3 4 5; do
            code=${layout[$((r * 6 + c))]}
            col=${TILE_LIGHT[${code:1:1}]}
            case ${code:0:1} in 1|6) col=${TILE_STRONG[${code:1:1}]} ;; 3) col='#B0B0B0' ;; 5) col=${TILE_MID[${code:1:1}]} ;; esac
            echo "fill '$col' stroke '$INK' stroke-width 1 rectangle $((c * s)),$((r * s)) $((c * s + s - 1)),$((r * s + s - 1))"
        done
    done
    echo "pop graphic-context"
}

make_author() {
    save_jpg -size 700x627 xc:white -draw "$(author_mvg)" "$1"
}

make_author_square() {
    save_jpg -size 700x627 xc:white -draw "$(author_mvg)" -crop 520x520+90+107 +repage -resize 225x225 "$1"
}

# Grafica/EsciGioco.jpg, 225 x 225: the board game's box, beside the rights statement.
make_game_box() {
    local out=$1 font
    font=$(find_font DejaVuSans-Bold.ttf)
    save_jpg -size 225x225 xc:'#D7F7FD' -draw "
fill '#90A4AE' stroke none roundrectangle 18,20 215,217 14,14
fill '#FFF6E0' stroke '$INK' stroke-width 4 roundrectangle 10,12 207,209 14,14
fill '${PAWN_FILL[R]}' stroke none roundrectangle 16,18 201,56 10,10
$(mini_board_mvg 108 136 18)
$(pawn_mvg B 182 100 0.32)
$(pawn_mvg G 182 176 0.32)
$(pawn_mvg V 34 176 0.32)
$(pawn_mvg R 34 100 0.32)" \
        -font "$font" -pointsize 30 -gravity North \
        -fill "$INK" -stroke "$INK" -strokewidth 6 -annotate +0+19 'ZIRIMBO!' \
        -fill white -stroke none -annotate +0+19 'ZIRIMBO!' "$out"
}

# Grafica/Emblema.jpg, 200 x 200: the emblem of the edition, a small sun over the year.
make_emblem() {
    local out=$1 font
    font=$(find_font DejaVuSans-Bold.ttf)
    save_jpg -size 200x200 xc:'#B1D1C1' -draw "
fill '#0D47A1' stroke '#FFC107' stroke-width 6 circle 100,100 100,8
fill '#FFEB3B' stroke '#FF8F00' stroke-width 3 stroke-linejoin round polygon $(star_points 100 82 50 30 12)
fill '#FFC107' stroke '#FF8F00' stroke-width 3 circle 100,82 100,58" \
        -font "$font" -gravity center -stroke none -fill white \
        -pointsize 26 -annotate +0+40 'LUMO' -pointsize 20 -annotate +0+66 '2012' "$out"
}
