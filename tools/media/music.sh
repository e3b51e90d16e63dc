# shellcheck shell=bash
# Music of Musiche: each tune of tools/music is written as a MIDI file by the midiwriter,
# which also reports its length; a tune outside its allowed length stops the build. Each
# piece is also rendered with the General MIDI sound font to Ogg Vorbis next to its MIDI
# file, so that the game plays recorded audio instead of running a synthesiser.

MUSIC_SOUNDFONT=/usr/share/sounds/sf2/FluidR3_GM.sf2
MUSIC_RMS_DB=-32      # every piece is brought to this loudness, well beneath the voices...
MUSIC_PEAK_DB=-1      # ...unless its peaks would rise above this
MUSIC_FADE=0.1        # seconds over which the last notes' release fades out at the piece's end

# make_music WRITER TUNE.txt OUT.mid MIN_SECONDS MAX_SECONDS
make_music() {
    local writer=$1 tune=$2 out=$3 min=$4 max=$5 report seconds
    report=$("$writer" "$tune" "$out") || return 1
    seconds=${report#seconds=}
    if ! awk -v s="$seconds" -v lo="$min" -v hi="$max" 'BEGIN { exit !(s >= lo && s <= hi) }'; then
        echo "generate_media: $(basename "$tune") lasts $seconds s, not between $min and $max s" >&2
        rm -f "$out"
        return 1
    fi
    render_music "$out" "${out%.mid}.ogg" "$seconds"
}

# render_music IN.mid OUT.ogg SECONDS: the piece as heard, cut at the piece's end, brought
# to the common loudness, with the MIDI file's checksum ("crc size" of cksum) in the
# comment MIDI_CKSUM, by which the game knows the recording is of that very file.
render_music() {
    local mid=$1 ogg=$2 seconds=$3 tmp
    tmp=$(mktemp -d)
    (
        trap 'rm -rf "$tmp"' EXIT
        local sum levels gain
        sum=$(cksum <"$mid" | awk '{ print $1, $2 }')
        fluidsynth -n -i -q -f /dev/null -T wav -O float -r 44100 -F "$tmp/full.wav" "$MUSIC_SOUNDFONT" "$mid" \
            >/dev/null 2>&1 || { echo "generate_media: fluidsynth cannot render $mid" >&2; exit 1; }
        sox -V1 "$tmp/full.wav" "$tmp/cut.wav" trim 0 "$seconds" fade t 0 -0 "$MUSIC_FADE"
        levels=$(sox -V1 "$tmp/cut.wav" -n stats 2>&1 |
            awk '/^Pk lev dB/ { pk = $4 } /^RMS lev dB/ { rms = $4 } END { print pk, rms }')
        gain=$(awk -v l="$levels" -v r="$MUSIC_RMS_DB" -v p="$MUSIC_PEAK_DB" 'BEGIN {
            split(l, a, " "); g = r - a[2]; if (a[1] + g > p) g = p - a[1]; printf "%.2f", g }')
        # -R: no random serial number or dither, the same bytes on every build.
        sox -R -V1 "$tmp/cut.wav" -C 3 --comment "MIDI_CKSUM=$sum" "$ogg" gain "$gain"
    )
}
