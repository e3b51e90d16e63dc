# shellcheck shell=bash
# Sound effects of Rumori: synthesised with sox, 22050 Hz mono 16 bit. sox -R keeps the
# noise generators and the dither on fixed seeds, so every build gives the same bytes.

SOX_OUT=(-r 22050 -c 1 -b 16 -e signed-integer)

# Every sox call of the generator goes through here, in repeatable mode.
sfx() { sox -R "$@"; }

# Every effect ends at the same loudness, measured on its loudest 50 ms, so that none
# stands out over the others; a sharp sound whose peak would pass the limit stays softer.
EFFECT_LOUDNESS=-19
EFFECT_PEAK_LIMIT=-1

level_effect() {
    local file=$1 tmp gain
    gain=$(sox "$file" -n stats -w 0.05 2>&1 | awk -v want="$EFFECT_LOUDNESS" -v limit="$EFFECT_PEAK_LIMIT" '
        /^Pk lev dB/ { peak = $NF } /^RMS Pk dB/ { rms = $NF }
        END { if (rms == "" || peak == "") exit 1
              g = want - rms; if (peak + g > limit) g = limit - peak; printf "%.2f", g }')
    tmp=$(mktemp -d)
    sfx "$file" "${SOX_OUT[@]}" "$tmp/level.wav" gain "$gain"
    mv "$tmp/level.wav" "$file"
    rm -rf "$tmp"
}

# Dado.wav: the die rolling on the board, a handful of hard clicks slowing down.
make_die_sound() {
    local out=$1 tmp i
    tmp=$(mktemp -d)
    local -a times=(0.000 0.055 0.120 0.170 0.245 0.330 0.420 0.540) pitches=(0 300 -200 500 -400 100 -300 200)
    for i in "${!times[@]}"; do
        sfx -n "${SOX_OUT[@]}" "$tmp/c$i.wav" synth 0.02 whitenoise synth 0.02 sine amod 1900 \
            gain -6 highpass 900 fade q 0.001 0.02 0.018 pitch "${pitches[$i]}" gain -$(( i / 2 )) pad "${times[$i]}" 0
    done
    sfx -m "$tmp"/c*.wav "${SOX_OUT[@]}" "$out" gain -n -2
    rm -rf "$tmp"
    level_effect "$out"
}

# DENG.wav: the refusal, a dull two-tone bell.
make_refusal_sound() {
    local out=$1
    sfx -n "${SOX_OUT[@]}" "$out" synth 0.55 sine 311 sine mix 466 sine mix 622.5 sine mix 933 \
        fade q 0.003 0.55 0.5 tremolo 9 25 gain -n -3
    level_effect "$out"
}

# Plauso.WAV: a short round of applause, a crowd of hands clapping each at its own and
# slowly changing pace.
make_applause_sound() {
    local out=$1 tmp i
    tmp=$(mktemp -d)
    local -a rates=(3.8:5.6 5.9:4.2 4.4:6.3 6.6:3.9 5.1:4.0 3.6:4.9 4.8:6.8 6.0:5.1 4.2:3.5 5.4:6.2 3.9:4.6 6.4:4.7)
    local -a band=(1400 1900 2400 1100 1700 2800 2100 1300 2600 1600 2200 1500)
    for i in "${!rates[@]}"; do
        sfx -n "${SOX_OUT[@]}" "$tmp/h$i.wav" synth 2.3 whitenoise synth 2.3 square amod "${rates[$i]}" 0 "$(( i * 37 % 100 ))" 6 \
            gain -6 bandpass "${band[$i]}" 1.4q
    done
    sfx -m "$tmp"/h*.wav "${SOX_OUT[@]}" "$out" fade q 0.12 2.3 0.8 gain -n -2
    rm -rf "$tmp"
    level_effect "$out"
}

# Mossa.WAV: a pawn stepping on a cell, a short wooden knock.
make_step_sound() {
    local out=$1 tmp
    tmp=$(mktemp -d)
    sfx -n "${SOX_OUT[@]}" "$tmp/a.wav" synth 0.09 sine 820:380 fade q 0.001 0.09 0.08
    sfx -n "${SOX_OUT[@]}" "$tmp/b.wav" synth 0.012 whitenoise gain -6 highpass 2500 fade q 0.001 0.012 0.01 gain -12
    sfx -m "$tmp/a.wav" "$tmp/b.wav" "${SOX_OUT[@]}" "$out" gain -n -3
    rm -rf "$tmp"
    level_effect "$out"
}

# Pedina.WAV: a pawn picked up, a round pop.
make_pop_sound() {
    local out=$1
    sfx -n "${SOX_OUT[@]}" "$out" synth 0.09 sine 300:1300 fade q 0.002 0.09 0.06 gain -n -3
    level_effect "$out"
}

# Sfoglia.WAV: a page turning, a soft swish.
make_page_sound() {
    local out=$1
    sfx -n "${SOX_OUT[@]}" "$out" synth 0.32 pinknoise highpass 1800 lowpass 7000 \
        fade h 0.14 0.32 0.17 gain -n -6
    level_effect "$out"
}

# Tic.WAV: a short tick.
make_tick_sound() {
    local out=$1
    sfx -n "${SOX_OUT[@]}" "$out" synth 0.03 sine 2300 sine mix 3450 fade q 0.0005 0.03 0.027 gain -n -4
    level_effect "$out"
}

# Vittoria.WAV: the victory fanfare, three quick notes and a long chord, with a little drum.
make_fanfare_sound() {
    local out=$1 tmp
    tmp=$(mktemp -d)
    note() {  # file length frequency
        sfx -n "${SOX_OUT[@]}" "$1" synth "$2" sawtooth "$3" sawtooth mix "$(awk -v f="$3" 'BEGIN { print f * 1.004 }')" \
            lowpass 3200 fade q 0.01 "$2" 0.04 gain -6
    }
    note "$tmp/n1.wav" 0.16 392.00
    note "$tmp/n2.wav" 0.16 523.25
    note "$tmp/n3.wav" 0.16 659.25
    note "$tmp/n4.wav" 0.32 783.99
    note "$tmp/n5.wav" 0.16 659.25
    sfx -n "${SOX_OUT[@]}" "$tmp/c1.wav" synth 1.9 sawtooth 523.25 fade q 0.02 1.9 1.2 lowpass 3000 gain -9
    sfx -n "${SOX_OUT[@]}" "$tmp/c2.wav" synth 1.9 sawtooth 659.25 fade q 0.02 1.9 1.2 lowpass 3000 gain -9
    sfx -n "${SOX_OUT[@]}" "$tmp/c3.wav" synth 1.9 sawtooth 783.99 fade q 0.02 1.9 1.2 lowpass 3000 gain -9
    sfx -n "${SOX_OUT[@]}" "$tmp/c4.wav" synth 1.9 sawtooth 1046.5 fade q 0.02 1.9 1.2 lowpass 3000 gain -12
    sfx -m "$tmp"/c[1-4].wav "${SOX_OUT[@]}" "$tmp/chord.wav" tremolo 5.5 12
    sfx "$tmp"/n[1-5].wav "$tmp/chord.wav" "${SOX_OUT[@]}" "$tmp/melody.wav"
    sfx -n "${SOX_OUT[@]}" "$tmp/drum.wav" synth 0.25 sine 120:50 fade q 0.002 0.25 0.22 pad 0.96 0 gain -4
    sfx -n "${SOX_OUT[@]}" "$tmp/roll.wav" synth 0.9 whitenoise synth 0.9 square amod 18 0 0 30 \
        bandpass 1800 1q fade q 0.3 0.9 0.05 gain -16
    sfx -m "$tmp/melody.wav" "$tmp/drum.wav" "$tmp/roll.wav" "${SOX_OUT[@]}" "$out" reverb 25 50 60 gain -n -2
    rm -rf "$tmp"
    level_effect "$out"
}
