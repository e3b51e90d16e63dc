#!/usr/bin/env bash
# Generates every picture, sound, voice and piece of music of the game folder.
#
#   tools/generate_media.sh OUTDIR MIDIWRITER
#
# OUTDIR receives the folders Grafica, Pedine, Fumetti, Bob, Giorgetto, Carla, Musiche and
# Rumori (they are emptied first; nothing else in OUTDIR is touched, the data files of Dati
# come from data/Dati). MIDIWRITER is tools/midiwriter.cpp as the build compiles it
# (the target zirimbo_midiwriter). JOBS sets the number of parallel jobs (default: all cores).
#
# Needs ImageMagick (convert, identify), sox (with Ogg Vorbis), fluidsynth and the
# FluidR3 General MIDI sound font, espeak-ng with its Italian voice and the
# DejaVu fonts. The output is the same, byte for byte, on every run.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
media=$here/media

if [[ $# -ne 2 ]]; then
    echo "usage: $0 OUTDIR MIDIWRITER" >&2
    exit 2
fi
out=$1
writer=$2

die() { echo "generate_media: $*" >&2; exit 1; }

need() {  # command, package
    command -v "$1" >/dev/null 2>&1 || die "'$1' is missing (install the Debian package $2)"
}
need convert imagemagick
need identify imagemagick
need sox sox
need soxi sox
need espeak-ng espeak-ng
need fluidsynth fluidsynth
need cksum coreutils
need awk gawk
need xargs findutils
espeak-ng --voices=it 2>/dev/null | awk '$2 == "it" { found = 1 } END { exit !found }' ||
    die "espeak-ng has no Italian voice (install espeak-ng-data)"
[[ -f /usr/share/sounds/sf2/FluidR3_GM.sf2 ]] || die "the General MIDI sound font is missing (install fluid-soundfont-gm)"
sox -h 2>/dev/null | grep -qw vorbis || die "sox cannot write Ogg Vorbis (install libsox-fmt-base)"

# Fixed locale: decimal points in awk, file order in globs.
export LC_ALL=C
export MAGICK_THREAD_LIMIT=1

# shellcheck source=tools/media/common.sh
source "$media/common.sh"
find_font DejaVuSans-Bold.ttf >/dev/null || exit 1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[[ -x $writer ]] || die "midiwriter '$writer' is not an executable"
writer=$(cd "$(dirname "$writer")" && pwd)/$(basename "$writer")

folders=(Grafica Pedine Fumetti Bob Giorgetto Carla Musiche Rumori)
mkdir -p "$out"
out=$(cd "$out" && pwd)
for d in "${folders[@]}"; do
    rm -rf "${out:?}/$d"
    mkdir "$out/$d"
done

# ---------------------------------------------------------------- the jobs
# One line per file (or small group of files): a function of tools/media and its arguments.
jobs=$work/jobs
manifest=$work/manifest  # every file the game folder must have, relative to OUTDIR
: >"$jobs"
: >"$manifest"
job() { printf '%q ' "$@" >>"$jobs"; printf '\n' >>"$jobs"; }
expect() { printf '%s\n' "$@" >>"$manifest"; }

colours=(R B G V)

# Pedine
for c in "${colours[@]}"; do
    for n in 1 2 3 4 5; do
        job make_pawn "$out/Pedine/$c$n.gif" "$c" "$n"
        expect "Pedine/$c$n.gif"
    done
done
job make_target_mark "$out/Pedine/X.gif"
job make_arrows_mark "$out/Pedine/Frecce.gif"
expect Pedine/X.gif Pedine/Frecce.gif

# Grafica: board
for c in "${colours[@]}"; do
    for k in 1 2 3 4 5 6; do
        job make_tile "$out/Grafica/$k$c.jpg" "$k" "$c"
        expect "Grafica/$k$c.jpg"
    done
done
job make_side_strip "$out/Grafica/RossiVerdi.jpg" R V
job make_side_strip "$out/Grafica/BluGialli.jpg" B G
expect Grafica/RossiVerdi.jpg Grafica/BluGialli.jpg

# Grafica: titles, panels, window pictures
for k in 1 2 3 4 5 6 7 8; do
    job make_logo_piece "$out/Grafica/logo$k.jpg" "$k"
    expect "Grafica/logo$k.jpg"
done
job make_logo "$out/Grafica/Logo.gif" 0
job make_logo "$out/Grafica/Logo2.gif" 1
job make_logo "$out/Grafica/Logo3.gif" 2
job make_logo "$out/Grafica/Logo4.gif" 3
job make_bubble_frame "$out/Grafica/Fumetto.gif"
job make_arrow_button "$out/Grafica/Indietro1.gif" 180 1
job make_arrow_button "$out/Grafica/Indietro2.gif" 180 2
job make_arrow_button "$out/Grafica/Avanti1.gif" 0 1
job make_arrow_button "$out/Grafica/Avanti2.gif" 0 2
job make_face "$out/Grafica/rossa.gif" R normal
job make_face "$out/Grafica/rossa2.gif" R happy
job make_icon "$out/Grafica/Icona.gif"
job make_author "$out/Grafica/Autore.jpg"
job make_author_square "$out/Grafica/EsciAutore.jpg"
job make_game_box "$out/Grafica/EsciGioco.jpg"
job make_emblem "$out/Grafica/Emblema.jpg"
expect Grafica/Logo.gif Grafica/Logo2.gif Grafica/Logo3.gif Grafica/Logo4.gif Grafica/Fumetto.gif \
    Grafica/Indietro1.gif Grafica/Indietro2.gif Grafica/Avanti1.gif Grafica/Avanti2.gif \
    Grafica/rossa.gif Grafica/rossa2.gif Grafica/Icona.gif Grafica/Autore.jpg \
    Grafica/EsciAutore.jpg Grafica/EsciGioco.jpg Grafica/Emblema.jpg

# Fumetti; the rematch box shows six of them beside its prompt (the human's win: B01, G12,
# C12; a character's: B06, G03, C01).
declare -A rematch=([B01]=1 [G12]=1 [C12]=1 [B06]=1 [G03]=1 [C01]=1)
for L in B G C; do
    for n in 01 02 03 04 05 06 07 08 09 10 11 12; do
        job make_face "$out/Fumetti/$L$n.gif" "$L" "$n" "${rematch[$L$n]:+rematch}"
        expect "Fumetti/$L$n.gif"
    done
done

# Rumori
job make_die_sound "$out/Rumori/Dado.wav"
job make_refusal_sound "$out/Rumori/DENG.wav"
job make_applause_sound "$out/Rumori/Plauso.WAV"
job make_step_sound "$out/Rumori/Mossa.WAV"
job make_pop_sound "$out/Rumori/Pedina.WAV"
job make_page_sound "$out/Rumori/Sfoglia.WAV"
job make_tick_sound "$out/Rumori/Tic.WAV"
job make_fanfare_sound "$out/Rumori/Vittoria.WAV"
expect Rumori/Dado.wav Rumori/DENG.wav Rumori/Plauso.WAV Rumori/Mossa.WAV Rumori/Pedina.WAV \
    Rumori/Sfoglia.WAV Rumori/Tic.WAV Rumori/Vittoria.WAV

# Musiche: the fast and slow pieces of the background cycle and the three special pieces,
# each as MIDI and as its recording.
for piece in 1a 1c 2a 2c 3a 3c 4a 4c 5a 5c 6a 1b 2b 3b 4b 5b 6b Demo Sconfitta; do
    job make_music "$writer" "$here/music/$piece.txt" "$out/Musiche/$piece.mid" 30 90
    expect "Musiche/$piece.mid" "Musiche/$piece.ogg"
done
# The victory piece is replayed every 18.7 seconds.
job make_music "$writer" "$here/music/Vittoria.txt" "$out/Musiche/Vittoria.mid" 12 18.6
expect Musiche/Vittoria.mid Musiche/Vittoria.ogg

# Bob, Giorgetto, Carla: one voice per line of voices.tsv; every line the comments can
# say must be there, and nothing else. The game names each voice as a WAV file
# ("05B4.wav") and plays the Ogg Vorbis file of the same name beside it.
declare -A folder_of=([B]=Bob [G]=Giorgetto [C]=Carla)
declare -A seen=()
while IFS=$'\t' read -r file who text ms spoken || [[ -n $file ]]; do
    [[ -z $file || $file == \#* ]] && continue
    [[ $file =~ ^([0-9][0-9])([BGC])([1-7])\.wav$ ]] || die "voices.tsv: bad file name '$file'"
    [[ ${folder_of[${BASH_REMATCH[2]}]} == "$who" ]] || die "voices.tsv: $file is not a line of $who"
    [[ $ms =~ ^[0-9]+$ ]] || die "voices.tsv: $file has no duration in milliseconds"
    [[ -n $text ]] || die "voices.tsv: $file has no text"
    [[ -z ${seen[$file]:-} ]] || die "voices.tsv: $file appears twice"
    seen[$file]=1
    job make_voice "$out/$who/${file%.wav}.ogg" "$who" "$text" "$ms" "${spoken:-$text}"
done <"$here/voices.tsv"
for L in B G C; do
    for cat in 01 02 03 04 05 06 07 08 09 10 11 12; do
        lines=7
        (( 10#$cat >= 9 )) && lines=3
        (( 10#$cat == 12 )) && lines=1
        for ((k = 1; k <= lines; k++)); do
            expect "${folder_of[$L]}/$cat$L$k.ogg"
            [[ -n ${seen[$cat$L$k.wav]:-} ]] || die "voices.tsv: the line $cat$L$k.wav is missing"
        done
    done
done
(( ${#seen[@]} == 198 )) || die "voices.tsv has ${#seen[@]} lines, the comments have 198"

# ---------------------------------------------------------------- run them
parallel=${JOBS:-$(nproc 2>/dev/null || echo 2)}
export MEDIA_DIR=$media
start=$SECONDS
# shellcheck disable=SC2016  # the job line is expanded by the inner bash
xargs -d '\n' -P "$parallel" -n 1 bash -c '
    set -Eeuo pipefail
    for f in common board faces titles sounds voices music; do source "$MEDIA_DIR/$f.sh"; done
    job_line=$1
    trap "echo \"generate_media: job failed: \$job_line\" >&2" ERR
    eval "$job_line"
' job <"$jobs" || die "some files could not be made (see above)"

# ---------------------------------------------------------------- check
missing=0
while read -r f; do
    [[ -s $out/$f ]] || { echo "generate_media: missing $f" >&2; missing=1; }
done <"$manifest"
extra=$(cd "$out" && find "${folders[@]}" -type f | sort | comm -23 - <(sort "$manifest"))
[[ -z $extra ]] || { printf 'generate_media: unexpected files:\n%s\n' "$extra" >&2; missing=1; }
(( missing == 0 )) || die "the game folder is incomplete"

declare -A want=([Grafica]=50 [Pedine]=22 [Fumetti]=36 [Bob]=66 [Giorgetto]=66 [Carla]=66 [Musiche]=40 [Rumori]=8)
summary=''
for d in "${folders[@]}"; do
    n=$(find "$out/$d" -type f | wc -l)
    (( n == ${want[$d]} )) || die "$d holds $n files instead of ${want[$d]}"
    summary+="${summary:+, }$d $n"
done
echo "generate_media: $summary ($((SECONDS - start)) s)"
