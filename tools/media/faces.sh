# shellcheck shell=bash
# The characters' bubble pictures (Fumetti/<L><NN>.gif) and the human's scoreboard faces
# (Grafica/rossa.gif, rossa2.gif): a face in a speech bubble, in the mood of a comment
# category, with a small sign of that mood in the top right corner. 200 x 200 pixels.
#
# Bob is blue and round with a big moustache, Giorgetto yellow and tall with spiky hair,
# Carla green with long hair and a bow; the human is a red pawn head.

# Face geometry of a character (B G C R): sets the variables used by the drawing helpers.
face_setup() {
    case $1 in
        B) cx=94 cy=110 ex=22 ey=-14 erx=11 ery=13 by=-34 my=40 mw=18
           skin='#5DADE2' line='#1B4F72' browc='#3E2723' bg='#E3F2FD' ;;
        G) cx=96 cy=116 ex=18 ey=-6 erx=10 ery=14 by=-28 my=32 mw=19
           skin='#FFD93B' line='#9A7B00' browc='#8E4A0B' bg='#FFFDE7' ;;
        C) cx=96 cy=106 ex=19 ey=-4 erx=10 ery=12 by=-24 my=27 mw=17
           skin='#7DCE82' line='#1E7B34' browc='#4E2612' bg='#E8F5E9' ;;
        R) cx=96 cy=104 ex=21 ey=-8 erx=11 ery=13 by=-29 my=27 mw=20
           skin='#EF5350' line='#7F0000' browc='#6D0000' bg='#FFEBEE' ;;
    esac
}

# The mood of each comment category: eyes, eyebrows, mouth, extras; some characters feel
# differently about the same event (Carla is sorry when she eats, sad when eaten; Bob smirks).
face_mood() {
    local ch=$1 cat=$2
    case $ch$cat in
        B05) echo 'sly sly grin -' ; return ;;
        C04) echo 'sly raised smile blush' ; return ;;
        C05) echo 'wide sad smile blush,sweat' ; return ;;
        C07) echo 'down sad frown tear' ; return ;;
        C10) echo 'wide sad smile sweat' ; return ;;
        G05) echo 'happy raised grin tongue' ; return ;;
    esac
    case $cat in
        01) echo 'up raised o -' ;;
        02) echo 'down sad frown tear' ;;
        03) echo 'happy raised bigsmile -' ;;
        04) echo 'sly sly smirk -' ;;
        05) echo 'happy raised grin -' ;;
        06) echo 'open raised smile blush' ;;
        07) echo 'small angry wavy redcheeks' ;;
        08) echo 'happy raised bigsmile blush' ;;
        09) echo 'star raised bigsmile blush' ;;
        10) echo 'wide raised grin -' ;;
        11) echo 'closed raised smile sweat' ;;
        12) echo 'bored flat flat -' ;;
        normal) echo 'open raised smile blush' ;;
        happy) echo 'happy raised bigsmile blush' ;;
    esac
}

bubble_mvg() {  # right edge of the bubble
    cat <<EOF
fill '$bg' stroke '$INK' stroke-width 5 stroke-linejoin round
polygon 36,160 12,196 72,168
roundrectangle 5,5 $1,176 30,30
stroke none polygon 38,164 20,188 68,166
EOF
}

# Head, hair and ears, before the features.
head_mvg() {
    case $1 in
        B) cat <<EOF
fill '$skin' stroke '$line' stroke-width 4
ellipse -59,2 11,14 0,360 ellipse 59,2 11,14 0,360
ellipse 0,0 60,60 0,360
fill none stroke '$browc' stroke-width 4 stroke-linecap round
path 'M -10,-58 C -16,-74 -2,-78 -4,-66' path 'M 2,-60 C 2,-78 16,-78 11,-67' path 'M 13,-57 C 20,-70 30,-66 25,-58'
stroke none fill white fill-opacity 0.35 ellipse -26,-34 14,8 0,360 fill-opacity 1
EOF
        ;;
        G) cat <<EOF
fill '$skin' stroke '$line' stroke-width 4
ellipse -46,6 9,13 0,360 ellipse 46,6 9,13 0,360
ellipse 0,0 46,58 0,360
fill '#E67E22' stroke '#8E4A0B' stroke-width 3 stroke-linejoin round
polygon -46,-22 -56,-58 -34,-50 -30,-86 -12,-60 2,-94 14,-60 30,-86 34,-50 56,-60 46,-22 30,-38 10,-32 -10,-38 -30,-32
stroke none fill '#D35400'
circle -26,12 -24,12 circle -32,6 -30,6 circle -20,6 -18,6 circle 26,12 28,12 circle 32,6 34,6 circle 20,6 22,6
fill '#E1B12C' stroke '$line' stroke-width 2 ellipse 0,12 5,4 0,360
EOF
        ;;
        C) cat <<EOF
fill '#8D4925' stroke '#4E2612' stroke-width 3 stroke-linejoin round
path 'M -60,-8 C -70,-72 70,-72 60,-8 L 64,56 C 52,70 36,66 38,34 L -38,34 C -36,66 -52,70 -64,56 Z'
fill '$skin' stroke '$line' stroke-width 4
ellipse 0,0 52,52 0,360
fill '#8D4925' stroke '#4E2612' stroke-width 3
path 'M -52,-10 C -50,-60 50,-60 52,-10 C 40,-36 14,-42 0,-26 C -14,-42 -40,-36 -52,-10 Z'
fill '#FF4F9A' stroke '#A0004A' stroke-width 3
polygon 30,-52 6,-68 8,-38 polygon 30,-52 54,-68 52,-38 circle 30,-52 30,-45
stroke none fill '#5D8C3A' circle 0,9 0,12
EOF
        ;;
        R) cat <<EOF
fill '#C62828' stroke '$line' stroke-width 4 ellipse 0,62 34,10 0,360
fill '$skin' ellipse 0,0 56,56 0,360
stroke none fill white fill-opacity 0.6 ellipse -24,-30 13,8 0,360 fill-opacity 1
EOF
        ;;
    esac
}

eye_mvg() {  # side (-1 left, 1 right), type
    local s=$1 t=$2 x=$(( $1 * ex )) pr=$(( ery / 2 ))
    local px=0 py=1 lid=''
    case $t in
        happy) echo "fill none stroke '$INK' stroke-width 4.5 stroke-linecap round path 'M $((x - erx)),$((ey + 4)) Q $x,$((ey - ery - 2)) $((x + erx)),$((ey + 4))'"; return ;;
        closed) echo "fill none stroke '$INK' stroke-width 4.5 stroke-linecap round path 'M $((x - erx)),$((ey - 2)) Q $x,$((ey + ery)) $((x + erx)),$((ey - 2))'"; return ;;
        star) echo "fill '#FFD600' stroke '#E65100' stroke-width 2 stroke-linejoin round polygon $(star_points "$x" "$ey" $((ery + 4)) $(((ery + 4) * 45 / 100)) 5)"; return ;;
        up) py=$(( -ery * 4 / 10 )) ;;
        down) py=$(( ery * 4 / 10 )) ;;
        sly) px=$(( erx * 4 / 10 )); py=2; lid=0 ;;
        bored) py=$(( ery * 3 / 10 )); lid=2 ;;
        small) pr=$(( ery * 4 / 10 )) ;;
    esac
    local rx=$erx ry=$ery
    [[ $t == wide ]] && { rx=$((erx + 2)); ry=$((ery + 3)); pr=$(( ery * 4 / 10 )); }
    echo "fill white stroke '$INK' stroke-width 2.5 ellipse $x,$ey $rx,$ry 0,360"
    echo "fill '$INK' stroke none ellipse $((x + px)),$((ey + py)) $pr,$pr 0,360"
    echo "fill white ellipse $((x + px - pr / 3)),$((ey + py - pr / 3)) $(( pr / 3 + 1 )),$(( pr / 3 + 1 )) 0,360"
    if [[ -n $lid ]]; then
        echo "fill '$skin' stroke '$INK' stroke-width 2.5 path 'M $((x - rx - 1)),$((ey + lid)) A $((rx + 1)),$((ry + 1)) 0 0,1 $((x + rx + 1)),$((ey + lid)) Z'"
    fi
    if [[ $ch == C ]]; then
        local ox=$(( x + s * rx * 7 / 10 )) oy=$(( ey - ry * 7 / 10 ))
        echo "stroke '$INK' stroke-width 2.5 stroke-linecap round line $ox,$oy $((ox + s * 6)),$((oy - 5)) line $((ox - s * 4)),$((oy - 3)) $((ox - s * 1)),$((oy - 9))"
    fi
}

brow_mvg() {  # side, type
    local s=$1 t=$2 x=$(( $1 * ex ))
    local outer=$(( x + s * 11 )) inner=$(( x - s * 11 )) b=$by
    printf "fill none stroke '%s' stroke-width 5 stroke-linecap round " "$browc"
    case $t in
        raised) echo "path 'M $((x - 11)),$((b + 1)) Q $x,$((b - 9)) $((x + 11)),$((b + 1))'" ;;
        flat) echo "line $((x - 10)),$((b + 3)) $((x + 10)),$((b + 3))" ;;
        sad) echo "line $outer,$((b + 3)) $inner,$((b - 5))" ;;
        angry) echo "line $outer,$((b - 6)) $inner,$((b + 4))" ;;
        sly) if (( s < 0 )); then echo "line $((x - 10)),$((b + 4)) $((x + 10)),$((b + 2))"
             else echo "path 'M $((x - 11)),$((b - 1)) Q $x,$((b - 12)) $((x + 11)),$((b - 2))'"; fi ;;
    esac
}

mouth_mvg() {  # type
    local w=$mw y=$my
    case $1 in
        smile) echo "fill none stroke '$INK' stroke-width 4.5 stroke-linecap round path 'M $((-w)),$((y - 3)) Q 0,$((y + w * 9 / 10)) $w,$((y - 3))'" ;;
        bigsmile) echo "fill '#7B1F1F' stroke '$INK' stroke-width 3 stroke-linejoin round path 'M $((-w)),$((y - 4)) Q 0,$((y + w * 16 / 10)) $w,$((y - 4)) Z'"
                  echo "fill '#FF7A8A' stroke none ellipse 0,$((y + w * 5 / 10)) $((w * 4 / 10)),$((w * 2 / 10)) 0,360" ;;
        grin) echo "fill white stroke '$INK' stroke-width 3 stroke-linejoin round path 'M $((-w)),$((y - 4)) Q 0,$((y + w * 15 / 10)) $w,$((y - 4)) Z'"
              echo "stroke '#9E9E9E' stroke-width 1.5 line $((-w * 8 / 10)),$((y + 3)) $((w * 8 / 10)),$((y + 3))"
              echo "line $((-w / 3)),$((y - 3)) $((-w / 3)),$((y + 9)) line $((w / 3)),$((y - 3)) $((w / 3)),$((y + 9))" ;;
        frown) echo "fill none stroke '$INK' stroke-width 4.5 stroke-linecap round path 'M $((-w * 8 / 10)),$((y + w * 4 / 10)) Q 0,$((y - w * 5 / 10)) $((w * 8 / 10)),$((y + w * 4 / 10))'" ;;
        o) echo "fill '#7B1F1F' stroke '$INK' stroke-width 3 ellipse 0,$((y + 2)) $((w * 3 / 10 + 1)),$((w * 4 / 10 + 1)) 0,360" ;;
        smirk) echo "fill none stroke '$INK' stroke-width 4.5 stroke-linecap round path 'M $((-w * 7 / 10)),$y Q $((w / 10)),$((y + w * 5 / 10)) $((w * 9 / 10)),$((y - w * 4 / 10))'" ;;
        flat) echo "fill none stroke '$INK' stroke-width 4.5 stroke-linecap round line $((-w * 6 / 10)),$((y + 2)) $((w * 6 / 10)),$((y + 2))" ;;
        wavy) echo "fill none stroke '$INK' stroke-width 4.5 stroke-linecap round path 'M $((-w * 8 / 10)),$((y + 4)) Q $((-w * 4 / 10)),$((y - 5)) 0,$((y + 4)) Q $((w * 4 / 10)),$((y + 13)) $((w * 8 / 10)),$((y + 4))'" ;;
    esac
}

drop_mvg() {  # x y scale fill
    echo "push graphic-context translate $1,$2 scale $3,$3 fill '$4' stroke '#0277BD' stroke-width 2 path 'M 0,-8 C 6,0 7,5 0,9 C -7,5 -6,0 0,-8 Z' pop graphic-context"
}

extras_mvg() {  # comma-separated list
    local e
    for e in ${1//,/ }; do
        case $e in
            blush) echo "fill '#FF8FB1' fill-opacity 0.75 stroke none ellipse $((-ex - 6)),$((ey + ery + 9)) 9,5 0,360 ellipse $((ex + 6)),$((ey + ery + 9)) 9,5 0,360 fill-opacity 1" ;;
            redcheeks) echo "fill '#FF5252' fill-opacity 0.7 stroke none ellipse $((-ex - 6)),$((ey + ery + 9)) 10,6 0,360 ellipse $((ex + 6)),$((ey + ery + 9)) 10,6 0,360 fill-opacity 1" ;;
            tear) drop_mvg $((-ex - 3)) $((ey + ery + 12)) 1 '#4FC3F7' ;;
            sweat) drop_mvg $((ex + erx + 16)) $((ey - 18)) 1.4 '#B3E5FC' ;;
            tongue) echo "fill '#FF7A8A' stroke '$INK' stroke-width 2.5 ellipse $((mw * 6 / 10)),$((my + 4)) 7,6 0,360" ;;
        esac
    done
}

# Features drawn after the mouth: Bob's moustache and nose.
overlay_mvg() {
    [[ $1 == B ]] || return 0
    cat <<EOF
fill '#4E342E' stroke '#21140F' stroke-width 2.5 stroke-linejoin round
path 'M 0,14 C -12,6 -38,8 -46,26 C -36,20 -24,32 -10,29 C -4,28 -1,25 0,22 C 1,25 4,28 10,29 C 24,32 36,20 46,26 C 38,8 12,6 0,14 Z'
fill '#2E86C1' stroke '$line' stroke-width 3 ellipse 0,6 13,11 0,360
stroke none fill white fill-opacity 0.5 ellipse -4,2 4,3 0,360 fill-opacity 1
EOF
}

# The small sign of the mood, top right.
symbol_mvg() {
    local ch=$1 cat=$2 font=$3 own other
    case $ch in B) own=B other=G ;; G) own=G other=V ;; *) own=V other=B ;; esac
    echo "push graphic-context translate 164,36"
    case $cat in
        01|03)
            [[ $cat == 03 ]] && echo "fill '#FFEB3B' stroke '#FF8F00' stroke-width 2 stroke-linejoin round polygon $(star_points 0 0 27 14 8 10)"
            echo "push graphic-context"
            if [[ $cat == 01 ]]; then echo "translate -10,4"; fi
            echo "fill white stroke '$INK' stroke-width 2.5 roundrectangle -15,-15 15,15 5,5"
            echo "fill '$INK' stroke none circle -7,-8 -4,-8 circle -7,0 -4,0 circle -7,8 -4,8 circle 7,-8 10,-8 circle 7,0 10,0 circle 7,8 10,8"
            echo "pop graphic-context"
            if [[ $cat == 01 ]]; then
                echo "font '$font' font-size 36 fill '#E53935' stroke '#7F0000' stroke-width 1.5 text 6,17 '?'"
            fi ;;
        02|07)
            local c='#B0BEC5' d='#607D8B'
            [[ $cat == 07 ]] && c='#607D8B' d='#263238'
            echo "fill '$d' stroke '$d' stroke-width 5 circle -10,2 -10,-9 circle 4,-5 4,-18 circle 15,3 15,-7 roundrectangle -20,2 24,13 6,6"
            echo "fill '$c' stroke none circle -10,2 -10,-9 circle 4,-5 4,-18 circle 15,3 15,-7 roundrectangle -20,2 24,13 6,6"
            if [[ $cat == 02 ]]; then
                echo "stroke '#29B6F6' stroke-width 3 stroke-linecap round line -9,18 -12,26 line 2,18 -1,26 line 13,18 10,26"
            else
                echo "fill '#FFEB3B' stroke '#E65100' stroke-width 2 stroke-linejoin round polygon 4,6 -6,22 1,22 -4,36 12,16 4,16 9,6"
            fi ;;
        04) pawn_mvg R 0 2 0.36
            echo "fill none stroke '#FF1744' stroke-width 3.5 circle 0,0 0,-19 stroke-linecap round line 0,-25 0,-13 line 0,13 0,25 line -25,0 -13,0 line 13,0 25,0" ;;
        05) echo "fill '#FFEB3B' stroke '#E65100' stroke-width 2 stroke-linejoin round polygon $(star_points 0 2 31 21 12)"
            echo "font '$font' font-size 10 fill '#D50000' stroke none text -17,6 'GNAM!'" ;;
        06) echo "fill '#FF4F9A' stroke '#A0004A' stroke-width 2.5 stroke-linejoin round path 'M 0,16 C -24,0 -22,-20 -9,-20 C -3,-20 0,-15 0,-11 C 0,-15 3,-20 9,-20 C 22,-20 24,0 0,16 Z'"
            echo "stroke none fill white fill-opacity 0.6 ellipse -9,-10 4,3 0,360" ;;
        08) pawn_mvg "$own" -8 4 0.4
            arrow_mvg 14 -2 270 0.55 '#43A047' '#1B5E20' ;;
        09) echo "fill '#FFC107' stroke '#8D6E00' stroke-width 2.5 stroke-linejoin round"
            echo "path 'M -17,-6 C -28,-8 -26,-20 -16,-18' path 'M 17,-6 C 28,-8 26,-20 16,-18'"
            echo "path 'M -17,-20 L 17,-20 C 17,0 9,8 0,8 C -9,8 -17,0 -17,-20 Z' rectangle -3,8 3,15 roundrectangle -12,15 12,22 3,3"
            echo "fill white stroke none polygon $(star_points 0 -7 7 3 5)" ;;
        10) pawn_mvg "$other" 0 2 0.4
            echo "stroke '#1A1A1A' stroke-width 8 stroke-linecap round line -12,-12 12,12 line 12,-12 -12,12"
            echo "stroke '#FF1744' stroke-width 4 line -12,-12 12,12 line 12,-12 -12,12" ;;
        11) echo "fill '#BDBDBD' stroke '#424242' stroke-width 2.5 stroke-linejoin round path 'M 0,-22 C 8,-17 15,-16 20,-17 C 20,4 12,16 0,23 C -12,16 -20,4 -20,-17 C -15,-16 -8,-17 0,-22 Z'"
            echo "fill none stroke white stroke-width 4 stroke-linecap round stroke-linejoin round polyline -9,0 -2,8 10,-8" ;;
        12) echo "font '$font' fill '#5C6BC0' stroke white stroke-width 1"
            echo "font-size 24 text -20,16 'Z' font-size 18 text -3,2 'z' font-size 14 text 10,-10 'z'" ;;
    esac
    echo "pop graphic-context"
}

# One face picture: character (B G C R), mood (a category 01..12, or normal/happy for R).
# The pictures of the rematch box (a fourth argument "rematch") keep their right edge
# clear below the sign, where the box's prompt starts: a narrower bubble, the face moved
# left, the sign sticking out of the bubble's corner.
make_face() {
    local out=$1 ch=$2 mood=$3 shape=${4:-} font cx cy ex ey erx ery by my mw skin line browc bg
    font=$(find_font DejaVuSans-Bold.ttf)
    face_setup "$ch"
    local right=195
    if [[ $shape == rematch ]]; then
        right=164
        cx=84
    fi
    local eyes brows mouth extras
    read -r eyes brows mouth extras <<<"$(face_mood "$ch" "$mood")"
    [[ $extras == - ]] && extras=''
    local mvg
    mvg=$(
        bubble_mvg "$right"
        echo "push graphic-context translate $cx,$cy"
        head_mvg "$ch"
        eye_mvg -1 "$eyes"; eye_mvg 1 "$eyes"
        brow_mvg -1 "$brows"; brow_mvg 1 "$brows"
        extras_mvg "${extras/tongue/}"
        mouth_mvg "$mouth"
        if [[ $extras == *tongue* ]]; then extras_mvg tongue; fi
        overlay_mvg "$ch"
        echo "pop graphic-context"
        if [[ $ch == R ]]; then
            if [[ $mood == happy ]]; then crown_mvg; fi
        else
            symbol_mvg "$ch" "$mood" "$font"
        fi
    )
    save_gif -size 200x200 xc:none -draw "$mvg" "$out"
}

crown_mvg() {
    cat <<EOF
fill '#FFC107' stroke '#8D6E00' stroke-width 3 stroke-linejoin round
polygon 62,52 56,18 74,34 96,8 118,34 136,18 130,52
fill '#E53935' stroke none circle 96,38 96,33 fill '#1E88E5' circle 75,44 75,40 circle 117,44 117,40
fill '#FFEB3B' stroke '#FF8F00' stroke-width 1.5 polygon $(star_points 160 40 14 6 4 0)
polygon $(star_points 34 46 10 4 4 20)
EOF
}
