#!/usr/bin/env bash
# Checks of tools/midiwriter.cpp: tunes with slips are refused with the line named, the
# arrangement keeps ties, octaves and instruments of the form, and none of the committed
# tunes makes two notes of one pitch overlap (the second would be cut short).
#
#   tests/media/test_midiwriter.sh MIDIWRITER     (the build's zirimbo_midiwriter)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

writer=${1:?usage: $0 MIDIWRITER}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

tune() {  # name, body: writes a tune file with a common head
    local f=$work/$1.txt
    cat >"$f" <<EOF
title test
tempo 120
time ${TIME:-4/4}
style oompah
drums on
instrument melody 74 100
instrument alt 57 100
instrument chords 1 70
instrument bass 33 90
$2
EOF
    printf '%s\n' "$f"
}

refused() {  # what, expected text in the message, tune file
    local what=$1 expect=$2 file=$3 msg
    if msg=$("$writer" --check "$file" 2>&1); then
        fail "$what: accepted"
    elif [[ $msg != *"$expect"* ]]; then
        fail "$what: message '$msg' lacks '$expect'"
    fi
}

# --- slips in a tune are errors, named by line
refused "a bar one eighth short" "line 12" "$(tune short 'section A
c C | G
m C5/4 E5 G5 | G5/1
form A')"
refused "chords and melody of different lengths" "different numbers of bars" "$(tune bars 'section A
c C | G | C
m C5/1 | G4/1
form A')"
refused "a note without octave" "note without octave" "$(tune octave 'section A
m C5/2 E/2
form A')"
refused "an unknown chord" "unknown chord" "$(tune chord 'section A
c Cmaj13
m C5/1
form A')"
refused "a form naming no section" "unknown section" "$(tune form 'section A
m C5/1
form A B')"
TIME=6/8 refused "four quarters in six-eight" "instead of 1440" "$(TIME=6/8 tune compound 'section A
m C5/4 D5 E5 F5
form A')"
TIME=6/8 "$writer" --check "$(TIME=6/8 tune compound_ok 'section A
c C
m C5/8 D5 E5 F5/4.
form A')" >/dev/null || fail "six eighths in six-eight refused"

# --- a plain tune: length, header and tracks
file=$(tune plain 'section A
c C | F | G7 | C
m C5/4 E5 G5 E5 | F5/2 A5 | G5/4 F5 D5 B4 | C5/1
form A')
report=$("$writer" "$file" "$work/plain.mid")
seconds=${report#seconds=}
awk -v s="$seconds" 'BEGIN { exit !(s >= 8 && s <= 8.6) }' || fail "4 bars at 120 should last about 8 s, not $seconds"
header=$(od -An -tx1 -N14 "$work/plain.mid" | tr -d ' \n')
# MThd, length 6, format 1, five tracks (conductor, melody, chords, bass, drums), 480 ticks
[[ $header == 4d546864000000060001000501e0 ]] || fail "unexpected MIDI header $header"

# --- ties: C5/2~ C5/2 is one note a whole bar long
file=$(tune tie 'section A
m C5/2~ C5/2 | r/2 C5/2
form A')
mapfile -t notes < <("$writer" --events "$file" | awk '$1 == "melody" { print $2, $3 }')
[[ ${#notes[@]} == 2 ]] || fail "tie: expected 2 melody notes, got ${#notes[@]}"
read -r tick dur <<<"${notes[0]}"
(( tick == 0 && dur >= 1700 && dur <= 1920 )) || fail "tie: first note at $tick lasting $dur"

# --- form marks: '^' raises the melody only, '+' switches to the alt instrument and back
file=$(tune marks 'section A
c C
m C5/1
section B
c C
m E5/1
form A A^ B+ A')
events=$("$writer" --events "$file")
melody=$(awk '$1 == "melody" { printf "%s ", $4 }' <<<"$events")
[[ $melody == "72 84 76 72 " ]] || fail "octave mark: melody notes $melody"
bass=$(awk '$1 == "bass" && ($2 % 1920) == 0 { printf "%s ", $4 }' <<<"$events")
[[ $bass == "48 48 48 48 " ]] || fail "octave mark moved the bass: $bass"
programs=$(awk '$1 == "program" { printf "%s:%s ", $2, $3 }' <<<"$events")
[[ $programs == "3840:57 5760:74 " ]] || fail "alt mark: program changes $programs"

# --- the committed tunes: notes of one pitch on one voice never overlap
for t in "$root"/tools/music/*.txt; do
    overlaps=$("$writer" --events "$t" | awk '$1 != "program" { print $1, $4, $2, $3 }' | sort -k1,1 -k2,2n -k3,3n |
        awk '$1 == p && $2 == n && $3 < end { c++ } { p = $1; n = $2; end = $3 + $4 } END { print c + 0 }')
    [[ $overlaps == 0 ]] || fail "$(basename "$t"): $overlaps overlapping notes"
done

if ((failures)); then
    echo "$failures midiwriter check(s) failed" >&2
    exit 1
fi
echo "midiwriter: all checks passed"
