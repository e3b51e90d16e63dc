# shellcheck shell=bash
# Music of Musiche: each tune of tools/music is written as a MIDI file by the midiwriter,
# which also reports its length; a tune outside its allowed length stops the build.

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
}
