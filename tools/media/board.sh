# shellcheck shell=bash
# Board pictures: pawns and their marks (Pedine), tiles and side strips (Grafica).

# Direction of play of each colour's stretches, and of the stretch before it.
declare -gA DIR_ANGLE=([R]=0 [B]=90 [G]=180 [V]=270)
declare -gA PREVIOUS=([R]=V [B]=R [G]=B [V]=G)

# Pedine/<C><n>.gif: 1 plain; 2 marked (red: playable, with a white 'X'; the others: a pawn
# that can be eaten, in a red sight); 3 chosen (golden halo); 4 chosen, its own cell is the
# target (halo, and the target's 'X' over the pawn); 5 chosen on a start cell (star-shaped halo).
make_pawn() {
    local out=$1 c=$2 n=$3 mvg='' over=''
    case $n in
        3) mvg="fill '#FFF59D' stroke '#FFB300' stroke-width 4 circle 55,56 55,6" ;;
        4) mvg="fill '#FFF59D' stroke '#FFB300' stroke-width 4 circle 55,56 55,6"
           # Smaller than on an empty cell, low on the body: the pawn's head shows above it.
           over="push graphic-context translate 55,64 scale 0.7,0.7 translate -55.5,-55.5
$(target_x_mvg 32 79)
pop graphic-context" ;;
        5) mvg="fill '#FFF59D' stroke '#FF8F00' stroke-width 4 stroke-linejoin round polygon $(star_points 55 56 54 38 8 22.5)" ;;
    esac
    mvg+=$'\n'$(pawn_mvg "$c" 55 56 1)
    if [[ $n == 2 && $c == R ]]; then
        mvg+="
stroke '#1A1A1A' stroke-width 13 stroke-linecap round line 41,42 69,70 line 69,42 41,70
stroke white stroke-width 7 line 41,42 69,70 line 69,42 41,70"
    elif [[ $n == 2 ]]; then
        mvg+="
fill none stroke white stroke-width 9 circle 55,56 55,8
stroke '#FF1744' stroke-width 5 circle 55,56 55,8
stroke-linecap round line 55,0 55,18 line 55,94 55,111 line 0,56 18,56 line 92,56 110,56"
    fi
    # Drawn smaller than its square: the parking squares beside the board overlap by a
    # third, and a pawn must stay clear of its neighbours and of the next colour's strip.
    save_gif -size 111x111 xc:none -draw "push graphic-context
translate 55,56 scale 0.66,0.66 translate -55,-56
$mvg
pop graphic-context
$over" "$out"
}

# MVG of the target's 'X' from lo,lo to hi,hi.
target_x_mvg() {
    local lo=$1 hi=$2
    cat <<EOF
stroke '#1A1A1A' stroke-width 24 stroke-linecap round line $lo,$lo $hi,$hi line $hi,$lo $lo,$hi
stroke white stroke-width 15 line $lo,$lo $hi,$hi line $hi,$lo $lo,$hi
stroke '#FF3D00' stroke-width 8 line $lo,$lo $hi,$hi line $hi,$lo $lo,$hi
EOF
}

# Pedine/X.gif: an empty cell that the chosen pawn can reach.
make_target_mark() {
    local out=$1
    save_gif -size 111x111 xc:none -draw "
push graphic-context
fill none stroke white stroke-width 5 stroke-dasharray 10,7 circle 55,55 55,12
pop graphic-context
$(target_x_mvg 32 79)" "$out"
}

# Pedine/Frecce.gif: a red pawn that a computer player can eat, with four arrows aimed at it.
make_arrows_mark() {
    local out=$1 mvg a
    mvg=$(pawn_mvg R 55 58 0.8)
    for a in 45 135 225 315; do
        mvg+=$'\n'"push graphic-context
translate 55,56
rotate $a
translate -43,0
fill '#FFEB3B' stroke '#B71C1C' stroke-width 3 stroke-linejoin round
polygon -12,-6 2,-6 2,-13 14,0 2,13 2,6 -12,6
pop graphic-context"
    done
    save_gif -size 111x111 xc:none -draw "$mvg" "$out"
}

# Grafica/<kind><C>.jpg, 111 x 111: 1 start cell, 2 plain cell, 3 grey refuge, 4 last cell of
# a stretch (the ring goes on, this colour turns in), 5 entry of the middle ring, 6 inner cell.
make_tile() {
    local out=$1 kind=$2 c=$3 mvg
    local a=${DIR_ANGLE[$c]} light=${TILE_LIGHT[$c]} strong=${TILE_STRONG[$c]} dark=${TILE_DARK[$c]}
    local frame="stroke '$dark' stroke-width 3 roundrectangle 3,3 107,107 16,16"
    case $kind in
        1) mvg="fill '$strong' $frame
fill white stroke none fill-opacity 0.25 roundrectangle 8,8 102,40 12,12 fill-opacity 1
fill white stroke '$dark' stroke-width 3 stroke-linejoin round polygon $(star_points 55 57 36 15 5)
$(arrow_mvg 55 57 "$a" 0.42 '#212121' white)" ;;
        2) mvg="fill '$light' $frame
fill white stroke none fill-opacity 0.45 roundrectangle 9,9 101,38 12,12 fill-opacity 1
$(arrow_mvg 55 55 "$a" 0.85 '#212121' white)" ;;
        3) mvg="fill '#B0B0B0' stroke '$strong' stroke-width 9 roundrectangle 6,6 104,104 14,14
fill none stroke '$dark' stroke-width 2 roundrectangle 1,1 109,109 18,18
fill '#D6D6D6' stroke '#616161' stroke-width 3 stroke-linejoin round
path 'M 55,22 C 66,28 76,29 84,28 C 84,58 74,78 55,90 C 36,78 26,58 26,28 C 34,29 44,28 55,22 Z'
$(arrow_mvg 55 56 "$a" 0.6 '#212121' white)" ;;
        4) mvg="fill '$light' $frame
fill white stroke none fill-opacity 0.45 roundrectangle 9,9 101,38 12,12 fill-opacity 1
$(branch_arrow_mvg "${DIR_ANGLE[${PREVIOUS[$c]}]}" '#212121' white)
$(branch_arrow_mvg "$a" "$strong" "$dark")" ;;
        5) mvg="fill '${TILE_MID[$c]}' $frame
fill none stroke white stroke-width 7 circle 55,55 55,21
stroke '$dark' stroke-width 2 circle 55,55 55,17 circle 55,55 55,25
$(arrow_mvg 55 55 "$a" 0.7 '#212121' white)" ;;
        6) mvg="fill '$strong' $frame
fill none stroke white stroke-width 6 circle 55,55 55,18 circle 55,55 55,36
fill white stroke none circle 55,55 55,48
$(arrow_mvg 55 55 "$a" 0.6 '#212121' white)" ;;
    esac
    save_jpg -size 111x111 "xc:$BOARD_BG" -draw "$mvg" "$out"
}

# Kind 4 has two arrows leaving the middle of the cell: a black one that goes on round the
# ring and one in the cell's colour that turns inwards.
branch_arrow_mvg() {
    local angle=$1 fill=$2 stroke=$3
    cat <<EOF
push graphic-context
translate 55,55
rotate $angle
translate 22,0
scale 0.72,0.72
fill '$fill' stroke '$stroke' stroke-width 3 stroke-linejoin round
polygon -26,-8 4,-8 4,-19 29,0 4,19 4,8 -26,8
pop graphic-context
EOF
}

# Grafica/RossiVerdi.jpg and BluGialli.jpg, 111 x 661: the parking areas beside the board,
# colour TOP above and colour BOTTOM below, four parking spots each.
make_side_strip() {
    local out=$1 top=$2 bottom=$3 font y mvg=''
    font=$(find_font DejaVuSans-Bold.ttf)
    local -a tops=(55 133 212 291) bottoms=(369 448 526 605)
    mvg+="fill '${TILE_LIGHT[$top]}' stroke '${TILE_DARK[$top]}' stroke-width 3 roundrectangle 3,3 107,328 18,18
fill '${TILE_LIGHT[$bottom]}' stroke '${TILE_DARK[$bottom]}' stroke-width 3 roundrectangle 3,333 107,657 18,18"
    for y in "${tops[@]}"; do
        mvg+=$'\n'"fill white stroke '${PAWN_MID[$top]}' stroke-width 3 stroke-dasharray 7,5 circle 55,$y 55,$((y - 33))"
    done
    for y in "${bottoms[@]}"; do
        mvg+=$'\n'"fill white stroke '${PAWN_MID[$bottom]}' stroke-width 3 stroke-dasharray 7,5 circle 55,$y 55,$((y - 33))"
    done
    save_jpg -size 111x661 "xc:$BOARD_BG" -draw "$mvg" \
        -font "$font" -pointsize 13 -stroke none \
        -fill "${TILE_DARK[$top]}" -annotate 270x270+16+250 'ZIRIMBO!' -annotate 90x90+95+80 'ZIRIMBO!' \
        -fill "${TILE_DARK[$bottom]}" -annotate 270x270+16+580 'ZIRIMBO!' -annotate 90x90+95+410 'ZIRIMBO!' \
        "$out"
}
