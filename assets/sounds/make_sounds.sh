#!/bin/sh
# Makes the game's sounds: nine game cues, twenty chatter sounds and the alert
# ding. Needs sox and espeak-ng (Debian packages sox, espeak-ng). The output
# is committed; the build never runs this. Every file comes out mono, 22050 Hz,
# 16-bit, peak-normalised to -3 dBFS.
#
#   sh assets/sounds/make_sounds.sh
set -eu
cd "$(dirname "$0")"
out=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

FMT="-r 22050 -c 1 -b 16"
SOX="sox -V1 -R"

# finish IN NAME [extra effects]: normalise and store as NAME.wav.
finish() {
    f_in=$1 f_name=$2
    shift 2
    $SOX "$f_in" $FMT "$out/$f_name.wav" "$@" gain -n -3
}

# speak NAME VOICE PITCH SPEED TEXT [extra effects]: a spoken chatter sound,
# with the silence espeak leaves around it cut off.
speak() {
    s_name=$1 s_voice=$2 s_pitch=$3 s_speed=$4 s_text=$5
    shift 5
    espeak-ng -v "$s_voice" -p "$s_pitch" -s "$s_speed" -w "$s_name.raw.wav" "$s_text"
    finish "$s_name.raw.wav" "$s_name" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
        "$@" fade t 0.01 reverse fade t 0.04 reverse
}

# tone FILE LENGTH KIND FREQ [effects]: one synthesised note.
tone() {
    t_file=$1 t_len=$2 t_kind=$3 t_freq=$4
    shift 4
    $SOX -n $FMT "$t_file" synth "$t_len" "$t_kind" "$t_freq" "$@"
}

# bell FILE LENGTH FREQ: a struck bell, a few inharmonic partials decaying.
bell() {
    b_file=$1 b_len=$2 b_f=$3
    b_half=$(echo "$b_len * 0.5" | bc -l)
    b_quarter=$(echo "$b_len * 0.25" | bc -l)
    tone b1.wav "$b_len" sine "$b_f" fade l 0.003 "$b_len" "$b_len" vol 0.6
    tone b2.wav "$b_len" sine "$(echo "$b_f * 2.0" | bc -l)" fade l 0.002 "$b_len" "$b_len" vol 0.25
    tone b3.wav "$b_half" sine "$(echo "$b_f * 2.76" | bc -l)" fade l 0.001 "$b_half" "$b_half" vol 0.12
    tone b4.wav "$b_quarter" sine "$(echo "$b_f * 5.4" | bc -l)" \
        fade l 0.001 "$b_quarter" "$b_quarter" vol 0.05
    $SOX -m -v 1 b1.wav -v 1 b2.wav -v 1 b3.wav -v 1 b4.wav "$b_file"
}

# at FILE SECONDS: FILE delayed by SECONDS, into at_FILE.
at() {
    $SOX "$1" "at_$1" pad "$2" 0
}

# mixall OUT FILES...: mix any number of files (sox -m wants two or more).
mixall() {
    m_out=$1
    shift
    if [ $# -eq 1 ]; then cp "$1" "$m_out"; else $SOX -m "$@" "$m_out"; fi
}

# noiseclick FILE LENGTH CENTRE WIDTH VOLUME: a short filtered noise tick.
noiseclick() {
    $SOX -n $FMT "$1" synth "$2" whitenoise band "$3" "$4" fade q 0.0005 "$2" "$(echo "$2 - 0.001" | bc -l)" vol "$5"
}

# ---- game cues ----------------------------------------------------------

# DICE: four sticks rattling in a cup and landing: a dozen wooden ticks of
# varying pitch, loudness and spacing.
files=""
i=0
for spec in "0.000 2600 0.9" "0.045 1900 0.6" "0.080 3100 0.8" "0.130 2300 0.5" \
    "0.165 2800 0.9" "0.215 1700 0.7" "0.250 3300 0.6" "0.300 2100 0.8" \
    "0.345 2500 0.5" "0.400 1900 0.9" "0.470 2700 0.6" "0.545 2200 0.4"; do
    set -- $spec
    noiseclick "d$i.wav" 0.018 "$2" 900 "$3"
    tone "w$i.wav" 0.02 sine "$(echo "$2 / 3" | bc -l)" fade q 0.001 0.02 0.019 vol "$(echo "$3 * 0.5" | bc -l)"
    $SOX -m "d$i.wav" "w$i.wav" "c$i.wav"
    at "c$i.wav" "$1"
    files="$files at_c$i.wav"
    i=$((i + 1))
done
mixall dice.wav $files
finish dice.wav DICE reverb 10 50 20 pad 0 0.05

# MOVECHIP: a wooden chip set down on wood, a short knock with a body.
tone k1.wav 0.09 sine 620 fade l 0.001 0.09 0.088
tone k2.wav 0.05 sine 1430 fade l 0.001 0.05 0.048 vol 0.4
noiseclick k3.wav 0.012 2400 1500 0.5
tone k4.wav 0.12 sine 180 fade l 0.002 0.12 0.118 vol 0.5
$SOX -m k1.wav k2.wav k3.wav k4.wav knock.wav
finish knock.wav MOVECHIP reverb 15 50 15

# TURN: a clear two-bell chime.
bell t1.wav 1.0 880
bell t2.wav 0.9 1318.5
at t2.wav 0.16
$SOX -m t1.wav at_t2.wav chime.wav
finish chime.wav TURN reverb 20 50 40 trim 0 1.2 fade t 0 1.2 0.2

# WINNER: a short brass fanfare, C-E-G rising to a held C with a chord under it.
brass() { # FILE LENGTH FREQ
    tone br1.wav "$2" sawtooth "$3" lowpass 2200
    tone br2.wav "$2" sawtooth "$(echo "$3 * 1.004" | bc -l)" lowpass 1800
    $SOX -m br1.wav br2.wav "$1" fade t 0.02 "$2" 0.06
}
brass f1.wav 0.14 523.25
brass f2.wav 0.14 659.25
brass f3.wav 0.14 783.99
brass f4a.wav 0.75 1046.5
brass f4b.wav 0.75 783.99
brass f4c.wav 0.75 659.25
$SOX -m f4a.wav f4b.wav f4c.wav f4.wav
$SOX f1.wav f2.wav f3.wav f4.wav fanfare.wav
finish fanfare.wav WINNER reverb 30 50 60 trim 0 1.45 fade t 0 1.45 0.25

# SENTBACK: the own chip goes home: a soft whoosh ending in a dull thud.
$SOX -n $FMT wh.wav synth 0.45 pinknoise band 900 1200 fade h 0.3 0.45 0.15 vol 0.5
tone th1.wav 0.22 sine 95 fade l 0.003 0.22 0.21
noiseclick th2.wav 0.03 300 300 0.4
$SOX -m th1.wav th2.wav thud.wav
at thud.wav 0.36
$SOX -m wh.wav at_thud.wav sentback.wav
finish sentback.wav SENTBACK

# PUTBACK: an opponent's chip knocked back: a quick downward swoop and a tap.
tone sw.wav 0.3 sine 1100-350 fade h 0.02 0.3 0.12 vol 0.7
noiseclick tap.wav 0.015 2000 1200 0.8
tone tap2.wav 0.06 sine 700 fade l 0.001 0.06 0.058 vol 0.6
$SOX -m tap.wav tap2.wav knock2.wav
at knock2.wav 0.28
$SOX -m sw.wav at_knock2.wav putback.wav
finish putback.wav PUTBACK reverb 15 50 20

# ENTERED: someone arrives: a gentle rising three-note figure.
soft() { # FILE LENGTH FREQ
    tone s1.wav "$2" sine "$3" fade q 0.01 "$2" "$(echo "$2 * 0.8" | bc -l)"
    tone s2.wav "$2" sine "$(echo "$3 * 2" | bc -l)" fade q 0.01 "$2" "$(echo "$2 * 0.9" | bc -l)" vol 0.15
    $SOX -m s1.wav s2.wav "$1"
}
soft e1.wav 0.22 523.25
soft e2.wav 0.22 659.25
soft e3.wav 0.45 783.99
at e2.wav 0.11
at e3.wav 0.22
$SOX -m e1.wav at_e2.wav at_e3.wav entered.wav
finish entered.wav ENTERED reverb 20 50 40 trim 0 0.8 fade t 0 0.8 0.1

# INVALID: a low, short double buzz.
tone z1.wav 0.16 square 110 lowpass 900 fade t 0.005 0.16 0.03
tone z1b.wav 0.16 square 116.5 lowpass 900 fade t 0.005 0.16 0.03
$SOX -m z1.wav z1b.wav z.wav
$SOX z.wav -p pad 0 0.05 | $SOX - z.wav buzz.wav
finish buzz.wav INVALID

# UNABLE: no move: a soft descending two-note.
tone u1.wav 0.22 triangle 587.33 fade q 0.01 0.22 0.06
tone u2.wav 0.4 triangle 440 fade q 0.01 0.4 0.3
$SOX u1.wav u2.wav unable.wav
finish unable.wav UNABLE reverb 15 50 30 trim 0 0.75

# ALERT: our own ding for the turn and game-over cues that have no recording.
bell a1.wav 0.7 1318.5
bell a2.wav 0.9 987.77
at a2.wav 0.2
$SOX -m a1.wav at_a2.wav alert.wav
finish alert.wav ALERT reverb 20 50 40 trim 0 1.2 fade t 0 1.2 0.2

# ---- chatter sounds -----------------------------------------------------

speak WAVE1 en+m3 35 150 "D'oh!"

# Cough: two throaty bursts of noise.
cough() { # FILE
    $SOX -n $FMT "$1" synth 0.22 pinknoise band 700 900 fade q 0.005 0.22 0.17 \
        overdrive 8 tremolo 40 30
}
cough c1.wav
cough c2.wav
$SOX c2.wav c2l.wav vol 0.7
at c2l.wav 0.3
$SOX -m c1.wav at_c2l.wav cough.wav
finish cough.wav WAVE2 lowpass 3000 reverb 10

speak WAVE3 en-us+f3 65 150 "Hello!"
speak WAVE4 en-us+m2 50 150 "Thank you!"
speak WAVE5 en-us+f2 55 155 "Where have you been?"

# Snoring: one slow breath in that rattles, low and muffled.
$SOX -n $FMT snore.wav synth 1.4 brownnoise synth 1.4 sine amod 28 60 \
    lowpass 500 fade h 0.6 1.4 0.6
finish snore.wav WAVE6 reverb 10

# Sneezing: a rising "ah ... ah ..." and the burst.
espeak-ng -v en+f2 -p 55 -s 110 -w s1.wav "ah"
espeak-ng -v en+f2 -p 80 -s 110 -w s2.wav "ah"
espeak-ng -v en+f2 -p 60 -s 190 -w s3.wav "choo!"
for f in s1 s2 s3; do
    $SOX "$f.wav" "t$f.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
done
$SOX -n $FMT burst.wav synth 0.25 whitenoise highpass 1500 fade q 0.002 0.25 0.22 vol 0.6
$SOX -m ts3.wav burst.wav choo.wav
$SOX ts1.wav ts2.wav choo.wav sneeze.wav
finish sneeze.wav WAVE7

speak WAVE8 en-us+m3 45 140 "Sorry!"
speak WAVE9 en-us+f3 60 150 "Welcome!"
speak WAVE10 en-us+m4 85 200 "Yee haa!"
speak WAVE11 en-us+f4 90 190 "Yippee!"
speak WAVE12 en+m2 40 130 "Oh no!"

# Applause: many short hand claps over a crowd murmur, swelling and dying.
files=""
i=0
# Clap times, pitches and strengths: pseudo-random, the same on every run.
awk 'BEGIN { srand(7); for (i = 0; i < 110; i++)
    printf "%.3f %d %.2f\n", rand() * 1.3, 900 + rand() * 2000, 0.3 + rand() * 0.7 }' >claps.txt
while read -r t freq vol; do
    noiseclick "cl$i.wav" 0.02 "$freq" 1200 "$vol"
    at "cl$i.wav" "$t"
    files="$files at_cl$i.wav"
    i=$((i + 1))
done <claps.txt
$SOX -n $FMT bed.wav synth 1.35 pinknoise band 1500 1500 vol 0.15
mixall applause.wav $files bed.wav
finish applause.wav WAVE13 compand 0.005,0.1 -60,-60,-30,-12,0,-4 reverb 30 50 60 \
    fade t 0.08 1.5 0.5

# Honk: a bulb horn, twice.
horn() { # FILE
    tone h1.wav 0.22 sawtooth 360-390 lowpass 1800 overdrive 5
    tone h2.wav 0.22 sawtooth 452-480 lowpass 1800 overdrive 5 vol 0.7
    $SOX -m h1.wav h2.wav "$1" fade t 0.01 0.22 0.04
}
horn hn.wav
$SOX hn.wav -p pad 0 0.08 | $SOX - hn.wav honk.wav
finish honk.wav WAVE14 reverb 10

speak WAVE15 en-us+f2 50 90 "Ooooh!"

# Razzberry: a buzzing of lips: a low, rough, wavering buzz.
$SOX -n $FMT rz.wav synth 0.8 sawtooth 95 synth 0.8 pinknoise amod 0 100 \
    band 500 700 overdrive 10 tremolo 18 40 fade t 0.03 0.8 0.15
finish rz.wav WAVE16

# Cheer: a small crowd shouting over each other.
espeak-ng -v en-us+m3 -p 40 -s 170 -w ch_m3.wav "Hooray!"
espeak-ng -v en-us+f3 -p 75 -s 170 -w ch_f3.wav "Yay!"
espeak-ng -v en-us+m1 -p 55 -s 170 -w ch_m1.wav "Woo hoo!"
espeak-ng -v en-us+f2 -p 85 -s 170 -w ch_f2.wav "Yeah!"
at ch_f3.wav 0.08
at ch_m1.wav 0.15
at ch_f2.wav 0.05
$SOX -n $FMT crowd.wav synth 1.4 pinknoise band 1200 1500 fade h 0.1 1.4 0.5 vol 0.12
$SOX -m ch_m3.wav at_ch_f3.wav at_ch_m1.wav at_ch_f2.wav crowd.wav cheer.wav
finish cheer.wav WAVE17 reverb 40 50 60 trim 0 1.5 fade t 0 1.5 0.3

speak WAVE18 en-us+f4 95 180 "Ha ha ha ha ha!" tremolo 6 20
speak WAVE19 en-us+m3 25 170 "Ho ho ha ha ha!"
speak WAVE20 en-us+f3 70 140 "Waaah, boo hoo hoo!" tremolo 7 40

echo "sounds written to $out"
