#!/usr/bin/env bash
# Records the eight wrong-answer sound effects and the resource list that embeds them.
#
#   bash make_sounds.sh <outdir>
#
# writes <outdir>/AH.wav ... <outdir>/RIRE.wav and <outdir>/sounds.qrc (aliases res/DMSEG/<NAME>.wav).
# The voices come from espeak-ng, the buzzer and the horn from sox's own synthesizer, and sox shapes
# everything (pitch, speed, echo, length, format). sox runs in repeatable mode (-R), so the same tools
# give the same files byte for byte.
set -euo pipefail

if [[ $# -ne 1 || -z $1 ]]; then
    echo "usage: $0 <outdir>" >&2
    exit 2
fi
out=$1

for tool in espeak-ng sox; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$0: '$tool' is missing (Debian package: $tool)" >&2
        exit 1
    fi
done
if ! espeak-ng --voices=fr | grep -q 'roa/fr '; then
    echo "$0: espeak-ng has no French voice" >&2
    exit 1
fi

mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sx() { sox -R -V1 "$@"; }

# say <out> <voice> <pitch 0-99> <speed wpm> <text>: speaks the text, without silence around it,
# as mono 22050 Hz.
say() {
    espeak-ng -v "$2" -p "$3" -s "$4" -w "$work/espeak.wav" "$5"
    sx "$work/espeak.wav" "$1" silence 1 0.005 0.3% reverse silence 1 0.005 0.3% fade t 0.02 \
        reverse fade t 0.005
}

# gap <out> <seconds> <rate> <channels>: silence.
gap() {
    sx -n -r "$3" -c "$4" "$1" trim 0 "$2"
}

# finish <in> <NAME> <rate> <bits> <channels> <seconds> [effects...]: the recording in its final
# format, cut or padded to its exact length, with a short fade at the end so that it never clicks.
finish() {
    local in=$1 name=$2 rate=$3 bits=$4 channels=$5 seconds=$6
    shift 6
    sx "$in" -r "$rate" -b "$bits" -c "$channels" "$out/$name.wav" "$@" \
        pad 0 "$seconds" trim 0 "$seconds" fade t 0 "$seconds" 0.04
}

# --- ah: "ah !" of surprise, then a long, falling "aaah..." of a child who has just understood that
# it was wrong.
say "$work/ah1.wav" fr+f3 70 150 "Ah !"
say "$work/ah2.wav" fr+f3 62 80 "[['a:]]"
sx "$work/ah2.wav" "$work/ah3.wav" tempo -s 0.33 bend 0.3,-500,1.2 fade t 0.02 0 0.6
gap "$work/ah_gap.wav" 0.22 22050 1
sx "$work/ah1.wav" "$work/ah_gap.wav" "$work/ah3.wav" "$work/ah4.wav"
finish "$work/ah4.wav" AH 22050 16 1 2.91 pad 0.05 reverb 30 50 60 norm -1

# --- aie: "aïe !" of pain, high and sharp, then a smaller "aïe aïe".
say "$work/aie1.wav" fr+f4 85 150 "Aïe !"
say "$work/aie2.wav" fr+f4 70 190 "aïe aïe !"
gap "$work/aie_gap.wav" 0.18 22050 1
sx "$work/aie1.wav" "$work/aie_gap.wav" "$work/aie2.wav" "$work/aie3.wav"
finish "$work/aie3.wav" AIE 22050 16 1 1.95 pad 0.03 reverb 20 50 40 norm -1

# --- buzzer: a harsh game-show buzzer, two square waves a little out of tune and a growl an
# octave up.
sx -n -r 11025 -c 1 "$work/buzzer.wav" synth 0.43 square 98 synth square mix 104 \
    synth sawtooth mix 196 gain -8 overdrive 6 lowpass 3000
finish "$work/buzzer.wav" BUZZER 11025 8 1 0.43 fade t 0.005 0 0 norm -4

# --- cri: a cry of surprise, rising then dropping.
say "$work/cri1.wav" fr+f5 95 110 "[[h'a::]]"
sx "$work/cri1.wav" "$work/cri2.wav" tempo -s 0.7 bend 0,300,0.2 bend 0.15,-700,0.5 \
    overdrive 4 fade t 0.01 0 0.3
finish "$work/cri2.wav" CRI 22050 16 1 1.42 reverb 35 50 70 norm -1

# --- ou: "ouuuh..." of a disappointed little crowd, spread left and right.
i=0
for v in "fr+f3 55" "fr+f4 70" "fr+m3 40" "fr+f2 62"; do
    set -- $v
    say "$work/ou_v$i.wav" "$1" "$2" 80 "[['u::::]]"
    sx "$work/ou_v$i.wav" -r 44100 "$work/ou_s$i.wav" tempo -s 0.42 bend 0.4,-600,1.6 \
        fade t 0.05 0 0.7 pad "0.0$((i * 3))"
    i=$((i + 1))
done
sx -M "$work/ou_s0.wav" "$work/ou_s1.wav" "$work/ou_s2.wav" "$work/ou_s3.wav" -c 2 "$work/ou.wav" \
    remix 1v0.8,2v0.3,3v0.6,4v0.4 1v0.3,2v0.8,3v0.4,4v0.6
finish "$work/ou.wav" OU 44100 16 2 3.11 reverb 40 50 80 norm -1

# --- pouet: the comic squeeze horn, "pouet pouet": each honk a low "pou" that jumps a third up
# to "et" and sags as the bulb runs out of air.
honk() { # honk <out> <base Hz>
    sx -n -r 22050 -c 1 "$1" synth 0.27 sawtooth "$2" synth 0.27 square mix "$(($2 * 2))" \
        bend 0.07,390,0.03 0.21,-150,0.05 gain -10 overdrive 12 bandpass 1100 0.8q tremolo 28 30 \
        gain -3 fade t 0.015 0.27 0.06
}
honk "$work/pouet1.wav" 320
honk "$work/pouet2.wav" 340
gap "$work/pouet_gap.wav" 0.09 22050 1
sx "$work/pouet1.wav" "$work/pouet_gap.wav" "$work/pouet2.wav" "$work/pouet.wav"
finish "$work/pouet.wav" POUET 22050 16 1 0.75 norm -3

# --- prof: the teacher's short, firm "non non !".
say "$work/prof1.wav" fr+m1 38 230 "Non ! Non !"
finish "$work/prof1.wav" PROF 44100 16 1 0.57 pad 0.01 reverb 15 50 30 norm -1

# --- rire: a laugh in four bursts, each "ha" a little lower than the one before, with a breath
# in between.
laugh=()
n=0
burst() { # burst <first pitch> <count> <step> <spacing s>
    local p=$1 k
    for ((k = 0; k < $2; k++)); do
        say "$work/ha$n.wav" en+f4 "$p" 260 "[[h'a]]"
        sx "$work/ha$n.wav" "$work/hap$n.wav" vol "0.$((95 - k * 6))" pad 0 "$4" trim 0 "$4"
        laugh+=("$work/hap$n.wav")
        p=$((p - $3))
        n=$((n + 1))
    done
}
breath() { # breath <seconds>: a quick in-breath, rising filtered noise
    sx -n -r 22050 -c 1 "$work/br$n.wav" synth "$1" pinknoise gain -28 highpass 900 \
        fade q 0.1 "$1" 0.05 pad 0 0.12
    laugh+=("$work/br$n.wav")
    n=$((n + 1))
}
burst 92 7 5 0.2
breath 0.38
burst 85 6 6 0.21
breath 0.34
burst 75 5 7 0.24
breath 0.22
burst 66 3 6 0.22
sx "${laugh[@]}" "$work/rire.wav"
finish "$work/rire.wav" RIRE 22050 16 1 6.00 reverb 25 50 50 norm -1

{
    echo '<!DOCTYPE RCC><RCC version="1.0">'
    echo '<qresource prefix="/">'
    for name in AH AIE BUZZER CRI OU POUET PROF RIRE; do
        echo "  <file alias=\"res/DMSEG/$name.wav\">$name.wav</file>"
    done
    echo '</qresource>'
    echo '</RCC>'
} > "$out/sounds.qrc"
