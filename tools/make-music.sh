#!/usr/bin/env bash
# Synthesises the three background pieces with sox and writes them as MP3 under the names the program
# looks for beside its executable: MP3, because both Windows' own decoders and GStreamer's (mpg123 on
# Linux) play it without any codec of ours. Run from anywhere; every run writes the same files.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" sox lame
musicDir=$root/assets/music
rate=44100
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$musicDir"

# -R seeds sox's random generators (pluck, noise, dither) so that repeated runs agree.
soxr() { sox -R -V1 "$@"; }
calc() { awk "BEGIN { printf \"%.6f\", ($1) }"; }

# Frequency in Hz of a note name such as A4, C#5 or Bb3, optionally detuned by cents.
hz() {
    local letter=${1:0:1} rest=${1:1} step accidental=0
    case $letter in
    C) step=-9 ;; D) step=-7 ;; E) step=-5 ;; F) step=-4 ;; G) step=-2 ;; A) step=0 ;; B) step=2 ;;
    *) echo "bad note $1" >&2 && exit 1 ;;
    esac
    case $rest in
    '#'*) accidental=1 rest=${rest:1} ;;
    b*) accidental=-1 rest=${rest:1} ;;
    esac
    calc "440 * 2 ^ (($step + $accidental + ($rest - 4) * 12 + ${2:-0} / 100) / 12)"
}

silence() { soxr -n -r "$rate" -c 1 -b 32 -e floating-point "$1" trim 0 "$2"; }

# One note, or a chord of names joined by '+', sounding for `sound` seconds and then silent up to
# `slot` seconds. Each oscillator gets a channel of its own; the shape's remix folds them to one.
note() {
    local out=$1 instrument=$2 names=$3 sound=$4 slot=$5
    local -a voices=() shape=()
    local name f channels=0
    for name in ${names//+/ }; do
        f=$(hz "$name")
        case $instrument in
        pad) voices+=(sine "$f" triangle "$(hz "$name" 6)") && channels=$((channels + 2)) ;;
        glass) voices+=(triangle "$(hz "$name" -5)" sine "$(hz "$name" 5)") && channels=$((channels + 2)) ;;
        # Bells and ticks sound alone, never in chords.
        bell) voices+=(sine "$f" sine "$(calc "$f * 2.01")" sine "$(calc "$f * 3.98")") && channels=3 ;;
        pluck) voices+=(pluck "$f") && channels=$((channels + 1)) ;;
        chip) voices+=(square "$f" 0 0 30) && channels=$((channels + 1)) ;;
        bass) voices+=(triangle "$f") && channels=$((channels + 1)) ;;
        sub) voices+=(sine "$f") && channels=$((channels + 1)) ;;
        tick) voices+=(pinknoise) && channels=1 ;;
        esac
    done
    case $instrument in
    pad | glass)
        shape=(remix - vol 0.5 lowpass 1600 fade h "$(calc "$sound / 3 < 0.9 ? $sound / 3 : 0.9")" "$sound"
            "$(calc "$sound / 2 < 1.4 ? $sound / 2 : 1.4")")
        ;;
    bell) shape=(remix "1v0.6,2v0.16,3v0.04" fade l 0.01 "$sound" "$(calc "$sound - 0.01")") ;;
    pluck) shape=(remix - vol 0.4 lowpass 2500 fade q 0.003 "$sound" 0.25) ;;
    chip) shape=(remix - vol 0.25 lowpass 2400 lowpass 3200 fade t 0.006 "$sound" 0.05) ;;
    bass) shape=(remix - vol 0.45 fade t 0.01 "$sound" 0.06) ;;
    sub) shape=(remix - vol 0.35 fade h 0.15 "$sound" 0.4) ;;
    tick) shape=(remix - vol 0.5 highpass 3000 fade l 0.002 "$sound" "$(calc "$sound - 0.002")") ;;
    esac
    soxr -r "$rate" -c "$channels" -n -c 1 -b 32 -e floating-point "$out" \
        synth "$sound" "${voices[@]}" "${shape[@]}" pad 0 "$(calc "$slot - $sound")"
}

# Renders a score of "NAME/BEATS" tokens (NAME a note, a chord or r for a rest) into a mono file.
# A note sounds for gate * its length plus `ring` seconds; notes are dealt round-robin to a few
# lanes so that a ringing note overlaps the next ones instead of being cut off.
voice() {
    local out=$1 instrument=$2 beat=$3 gate=$4 ring=$5 score=$6
    local -a names=() starts=() lengths=()
    local token t=0 length lanes=3
    for token in $score; do
        length=$(calc "${token#*/} * $beat")
        names+=("${token%/*}") starts+=("$t") lengths+=("$length")
        t=$(calc "$t + $length")
    done
    local count=${#names[@]} end lane i next slot sound
    end=$(calc "$t + $ring")
    local -a laneFiles=()
    for ((lane = 0; lane < lanes && lane < count; lane++)); do
        local -a parts=()
        if ((lane > 0)); then
            silence "$work/offset.wav" "${starts[lane]}" && parts+=("$work/offset.wav")
        fi
        for ((i = lane; i < count; i += lanes)); do
            next=$end
            ((i + lanes < count)) && next=${starts[i + lanes]}
            slot=$(calc "$next - ${starts[i]}")
            sound=$(calc "${lengths[i]} * $gate + $ring")
            sound=$(calc "$sound < $slot ? $sound : $slot")
            if [[ ${names[i]} == r ]]; then
                silence "$work/n$i.wav" "$slot"
            else
                note "$work/n$i.wav" "$instrument" "${names[i]}" "$sound" "$slot"
            fi
            parts+=("$work/n$i.wav")
        done
        soxr "${parts[@]}" "$work/lane$lane.wav"
        laneFiles+=(-v 1 "$work/lane$lane.wav")
        rm -f "${parts[@]}"
    done
    soxr -m "${laneFiles[@]}" "$out"
}

# Places a voice in the stereo field at a level: stereo VOICE LEFT RIGHT.
stereo() { soxr "$1" -c 2 "${1%.wav}-st.wav" remix 1v"$2" 1v"$3"; }

# MPEG-1 Layer III at 44.1 kHz, 64 kbit/s joint stereo, so that the three pieces stay well under 1 MiB.
# No ID3 tag: a player that knows no such extension as .dll finds the frames from the file's first byte.
# The encoder's own first frame (the Info tag) tells players the length and the padding to drop.
mp3() { lame --quiet --noreplaygain -q 2 -b 64 -m j --resample 44.1 "$1" "$2"; }

# Mixes the placed voices, adds room and a quiet start and end so the loop joins without a click,
# normalises and encodes: master OUT FADE_IN FADE_OUT TAIL REVERB VOICES...
master() {
    local out=$1 fadeIn=$2 fadeOut=$3 tail=$4 reverb=$5
    shift 5
    local -a inputs=()
    local v
    for v in "$@"; do inputs+=(-v 1 "$work/$v-st.wav"); done
    soxr -m "${inputs[@]}" -b 32 -e floating-point "$work/mix.wav" \
        highpass 35 pad 0 "$tail" reverb "$reverb" 50 90 100 25 -4 fade q "$fadeIn" -0 "$fadeOut" gain -n -1.5
    soxr "$work/mix.wav" -b 16 "$work/master.wav"
    mp3 "$work/master.wav" "$out"
    rm -f "$work"/*.wav
}

# input.dll: a slow A minor pad with a plucked pentatonic tune, 72 beats a minute.
makeCalm() {
    local beat=0.833333
    voice "$work/pad.wav" pad $beat 1 1.0 "
        A3+C4+E4+G4/4 F3+A3+C4+E4/4 G3+C4+E4/4 G3+B3+D4/4
        A3+C4+E4/4 F3+A3+C4+D4/4 F3+A3+C4+E4/4 E3+A3+B3/2 E3+G#3+B3/2"
    voice "$work/bass.wav" sub $beat 1 0.3 "
        A2/4 F2/4 C3/4 G2/4 A2/4 D3/4 F2/4 E2/4"
    voice "$work/tune.wav" pluck $beat 1 1.2 "
        r/1 E5/0.5 G5/0.5 A5/1 G5/1    E5/1.5 C5/0.5 D5/1 E5/1
        G5/1 E5/0.5 D5/0.5 C5/2        D5/1 B4/1 G4/2
        r/1 A4/0.5 C5/0.5 E5/1 A5/1    G5/0.5 F5/0.5 D5/1 C5/1 A4/1
        C5/1 E5/1 G5/0.5 E5/0.5 C5/1   B4/2 G#4/1 r/1"
    stereo "$work/pad.wav" 0.6 0.6
    stereo "$work/bass.wav" 0.3 0.3
    stereo "$work/tune.wav" 0.7 0.5
    master "$musicDir/input.dll" 1.5 4 3 70 pad bass tune
}

# output.dll: a chiptune in D major, 100 beats a minute: pulse arpeggios, triangle bass, square lead.
makeChip() {
    local beat=0.6
    local d="D4/0.5 F#4/0.5 A4/0.5 D5/0.5 A4/0.5 F#4/0.5 D4/0.5 F#4/0.5"
    local bm="B3/0.5 D4/0.5 F#4/0.5 B4/0.5 F#4/0.5 D4/0.5 B3/0.5 D4/0.5"
    local g="G3/0.5 B3/0.5 D4/0.5 G4/0.5 D4/0.5 B3/0.5 G3/0.5 B3/0.5"
    local a="A3/0.5 C#4/0.5 E4/0.5 A4/0.5 E4/0.5 C#4/0.5 A3/0.5 C#4/0.5"
    local em="E4/0.5 G4/0.5 B4/0.5 E5/0.5 B4/0.5 G4/0.5 E4/0.5 G4/0.5"
    voice "$work/arp.wav" chip $beat 0.7 0 "$d $bm $g $a $d $bm $g $a $em $g $a D4+F#4+A4/4"
    voice "$work/bass.wav" bass $beat 0.9 0 "
        D2/1 D3/1 A2/1 D3/1  B1/1 B2/1 F#2/1 B2/1  G2/1 G3/1 D3/1 G3/1  A2/1 A3/1 E3/1 A3/1
        D2/1 D3/1 A2/1 D3/1  B1/1 B2/1 F#2/1 B2/1  G2/1 G3/1 D3/1 G3/1  A2/1 A3/1 E3/1 A3/1
        E2/1 E3/1 B2/1 E3/1  G2/1 G3/1 D3/1 G3/1  A2/1 A3/1 E3/1 C#3/1  D2/4"
    voice "$work/lead.wav" chip $beat 0.9 0.1 "
        r/16
        F#5/1 A5/0.5 F#5/0.5 E5/1 D5/1      F#5/1.5 E5/0.5 D5/1 B4/1
        D5/1 E5/0.5 F#5/0.5 G5/1 B5/1       A5/2 E5/1 C#5/1
        B4/1 E5/0.5 G5/0.5 B5/1 A5/1        G5/1 F#5/0.5 E5/0.5 D5/1 B4/1
        C#5/1 E5/1 A5/1 G5/1                F#5/3 r/1"
    local ticks # a tick has no pitch: C4 only fills the slot
    ticks=$(printf ' r/0.5 C4/0.5%.0s' $(seq 44))
    voice "$work/tick.wav" tick $beat 0.12 0 "$ticks"
    stereo "$work/arp.wav" 0.25 0.38
    stereo "$work/bass.wav" 0.3 0.3
    stereo "$work/lead.wav" 0.55 0.42
    stereo "$work/tick.wav" 0.6 0.9
    master "$musicDir/output.dll" 1 3 2 35 arp bass lead tick
}

# zentrimo.saw: E dorian bells over a glassy pad and a low drone, 64 beats a minute.
makeBells() {
    local beat=0.9375
    voice "$work/pad.wav" glass $beat 1 1.2 "
        E3+G3+B3+F#4/4 C3+G3+B3+E4/4 G3+B3+D4+E4/4 F#3+A3+D4/4
        E3+G3+B3+D4/4 A3+C#4+E4/4 C3+E3+G3+B3/4 B3+E4+F#4/2 B3+D#4+F#4/2"
    voice "$work/drone.wav" sub $beat 1 0.6 "E2/4 C2/4 G2/4 D2/4 E2/4 A2/4 C2/4 B1/4"
    voice "$work/bells.wav" bell $beat 1 2.5 "
        B4/2 E5/1 F#5/1   G5/3 E5/1   D5/2 B4/2   A4/3 r/1
        E5/1 G5/1 B5/2    A5/2 C#5/1 E5/1   G5/2 E5/1 B4/1   F#5/2 D#5/2"
    stereo "$work/pad.wav" 0.5 0.5
    stereo "$work/drone.wav" 0.2 0.2
    stereo "$work/bells.wav" 0.45 0.6
    master "$musicDir/zentrimo.saw" 2 5 4 85 pad drone bells
}

makeCalm
makeChip
makeBells

# The players' tests play a short silent piece in the same format.
mkdir -p "$root/tests/data/music"
silence "$work/silence.wav" 0.5
soxr "$work/silence.wav" -b 16 -c 2 "$work/silence16.wav"
mp3 "$work/silence16.wav" "$root/tests/data/music/silence.mp3"
