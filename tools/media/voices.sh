# shellcheck shell=bash
# The characters' voices: espeak-ng reads each line of tools/voices.tsv in Italian, sox
# gives the character its colour and makes a 22050 Hz mono Ogg Vorbis file of it.

# Vorbis quality of the voices, chosen by measurement against 16 bit WAVs of the same
# recordings: at 3 the loudness of the critical bands that carry the speech (those within
# 20 dB of each moment's loudest) stays within 2.5 dB rms (2.7 at 2, 3.0 at 1, 2.3 at 4),
# the highest band, the hiss of the consonants, within 3.7 dB (4.1 at 2, 4.6 at 1), and no
# sample clips (some do from 1 down); the voices take a fifth of the WAVs' size.
VOICE_QUALITY=3

# espeak-ng voice, pitch, speed and the sox touches of each character: Bob deep and
# cheerful, Giorgetto high and quick (a boy's voice, raised after speaking), Carla a woman.
voice_setup() {
    case $1 in
        Bob)       espeak_args=(-v it+m4 -p 22 -s 150 -a 150) sox_colour=(gain -6 bass +4 pitch -120) ;;
        Giorgetto) espeak_args=(-v it+m3 -p 85 -s 168 -a 150) sox_colour=(gain -3 pitch 380) ;;
        Carla)     espeak_args=(-v it+f3 -p 45 -s 155 -a 150) sox_colour=(gain -3 treble +2) ;;
        *) echo "generate_media: unknown character '$1'" >&2; return 1 ;;
    esac
}

# make_voice OUT.ogg CHARACTER TEXT MILLISECONDS [SPOKEN]: a recording longer than the line's
# pause is sped up to fit, with 20 ms to spare for the rounding of the stretch, but never
# by more than a third, so it stays natural (a line that would need more says its words
# with shorter breaks, in the SPOKEN column of voices.tsv). The Ogg holds as many samples as
# the recording: its length is the line's, to the sample. -R: no random serial number or
# dither, the same bytes on every build.
make_voice() {
    local out=$1 who=$2 ms=$4 spoken=${5:-$3} tmp seconds factor espeak_args sox_colour
    voice_setup "$who"
    tmp=$(mktemp -d)
    printf '%s\n' "$spoken" | espeak-ng "${espeak_args[@]}" --stdin -w "$tmp/raw.wav"
    sox -R "$tmp/raw.wav" -r 22050 -c 1 -b 16 "$tmp/coloured.wav" "${sox_colour[@]}" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    seconds=$(soxi -D "$tmp/coloured.wav")
    factor=$(awk -v s="$seconds" -v ms="$ms" 'BEGIN { f = s / (ms / 1000 - 0.1); if (f < 1) f = 1; if (f > 1.33) f = 1.33; printf "%.3f", f }')
    local fit=()
    [[ $factor != 1.000 ]] && fit=(tempo -s "$factor")
    sox -R "$tmp/coloured.wav" -r 22050 -c 1 -C "$VOICE_QUALITY" "$out" "${fit[@]}" \
        gain -n -1 pad 0.03 0.05
    rm -rf "$tmp"
}
