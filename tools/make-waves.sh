#!/usr/bin/env bash
# Makes the game's four wave clips from scratch: sea and ship, a pirate's curse, the crew's cheer,
# the fleet's salute. Voices come from espeak-ng, everything else from sox's generators.
#
#   tools/make-waves.sh <output folder>
#
# Every clip: 16-bit PCM, mono, 44,100 Hz; 1 to 4 s of sound with 10 ms fades at both ends, peaks at
# -1.5 dBFS, then 250 ms of silence (the player drops a clip's last ~100 ms, so the silence is what
# gets cut). The output is the same on every run: sox -R makes its noise and dither repeatable.
set -euo pipefail

out=${1:?usage: make-waves.sh <output folder>}
mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/scallywise-waves.XXXXXX")
trap 'rm -rf "$work"' EXIT

rate=44100
sox() { command sox -R -V1 "$@"; }
# Every piece is made as 32-bit float mono at the clip rate, so mixing never clips before the end.
fmt=(-r "$rate" -c 1 -b 32 -e floating-point)

say() {  # say <file> <voice> <pitch 0-99> <words per minute> <text>
  espeak-ng -v "$2" -p "$3" -s "$4" -w "$work/say.wav" "$5"
  sox "$work/say.wav" "${fmt[@]}" "$1"
}

silence() {  # silence <file> <seconds>
  sox -n "${fmt[@]}" "$1" trim 0 "$2"
}

# Places a piece at an offset (seconds) in a bed of the given length.
place() {  # place <in> <out> <offset> <total length>
  sox "$1" "${fmt[@]}" "$2" pad "$3" 0 trim 0 "$4"
}

mixall() {  # mixall <out> <in>...   (sums without scaling; the final gain fixes the level)
  local target=$1
  shift
  if (($# == 1)); then cp "$1" "$target"; else sox -m -v 1 "$@" "${fmt[@]}" "$target"; fi
}

# The finishing every clip gets: exact length, peak level, fades, the trailing silence, 16 bits.
finish() {  # finish <in> <name> <seconds of sound>
  sox "$1" -r "$rate" -c 1 -b 16 -e signed-integer "$out/$2.wav" \
    trim 0 "$3" gain -n -1.5 fade t 0.01 "$3" 0.01 pad 0 0.25
}

# --- Sound makers ---------------------------------------------------------------------------------

# Rolling sea: brown noise, softened, swelling and ebbing.
sea() {  # sea <file> <seconds> <swell Hz> <loudness dB>
  sox -n "${fmt[@]}" "$1" synth "$2" brownnoise lowpass 700 highpass 60 tremolo "$3" 70 gain "$4"
}

# A ship's bell: a few inharmonic partials dying away.
bell() {  # bell <file> <Hz> <seconds>
  local f=$2 parts=()
  local ratio
  for ratio in 1 2.0 2.76 4.07 5.4; do
    local part="$work/bell-$ratio.wav"
    sox -n "${fmt[@]}" "$part" synth "$3" sine "$(awk -v f="$f" -v r="$ratio" 'BEGIN{print f*r}')" \
      gain "$(awk -v r="$ratio" 'BEGIN{print -4*r}')" fade l 0.002 "$3" "$3"
    parts+=("$part")
  done
  mixall "$1" "${parts[@]}"
}

# Timber creaking: a slow, rough buzz that bends in pitch.
creak() {  # creak <file> <seconds>
  sox -n "${fmt[@]}" "$1" synth "$2" sawtooth 38-52 synth "$2" sawtooth amod 7 80 \
    bandpass 700 3q overdrive 8 gain -14 fade q 0.08 "$2" 0.2
}

# A splash: a burst of filtered noise that dies fast, a bloop under it, droplets pattering after.
splash() {  # splash <file>
  sox -n "${fmt[@]}" "$work/splash-noise.wav" synth 0.7 pinknoise sinc 180-2600 fade p 0.005 0.7 0.62 gain 2
  sox -n "${fmt[@]}" "$work/splash-bloop.wav" synth 0.28 sine 480-120 fade q 0.01 0.28 0.18 gain -4
  sox -n "${fmt[@]}" "$work/splash-drops.wav" synth 0.5 whitenoise sinc 1500-5000 tremolo 23 90 fade t 0.1 0.5 0.35 gain -16
  place "$work/splash-drops.wav" "$work/splash-drops-at.wav" 0.25 0.75
  mixall "$1" "$work/splash-noise.wav" "$work/splash-bloop.wav" "$work/splash-drops-at.wav"
}

# A cannon's boom: low rumbling noise with a thump, dying away.
boom() {  # boom <file>
  sox -n "${fmt[@]}" "$work/boom-noise.wav" synth 1.1 brownnoise lowpass 220 fade l 0.005 1.1 1.05 gain 6
  sox -n "${fmt[@]}" "$work/boom-thump.wav" synth 0.35 sine 90-38 fade l 0.003 0.35 0.33
  mixall "$1" "$work/boom-noise.wav" "$work/boom-thump.wav"
}

# One brassy fanfare note.
horn() {  # horn <file> <Hz> <seconds>
  sox -n "${fmt[@]}" "$work/horn-a.wav" synth "$3" sawtooth "$2"
  sox -n "${fmt[@]}" "$work/horn-b.wav" synth "$3" square "$(awk -v f="$2" 'BEGIN{print f*1.003}')" gain -8
  mixall "$work/horn-mix.wav" "$work/horn-a.wav" "$work/horn-b.wav"
  sox "$work/horn-mix.wav" "${fmt[@]}" "$1" lowpass 2200 lowpass 3000 tremolo 5.5 8 gain -9 fade q 0.03 "$3" 0.06
}

# --- must: the sea and the ship -------------------------------------------------------------------
make_must() {
  local len=2.6
  sea "$work/m-sea.wav" "$len" 0.45 -4
  creak "$work/m-creak.wav" 0.7
  place "$work/m-creak.wav" "$work/m-creak-at.wav" 0.35 "$len"
  bell "$work/m-bell.wav" 880 1.4
  place "$work/m-bell.wav" "$work/m-bell1.wav" 1.0 "$len"
  place "$work/m-bell.wav" "$work/m-bell2.wav" 1.35 "$len"
  mixall "$work/must.wav" "$work/m-sea.wav" "$work/m-creak-at.wav" "$work/m-bell1.wav" "$work/m-bell2.wav"
  finish "$work/must.wav" must "$len"
}

# --- curses: a gruff, comic "Arrr! Blast!" and a splash -------------------------------------------
make_curses() {
  local len=1.9
  # A long, rolling growl, then the word, both pitched down and roughened a little.
  say "$work/c-arr-raw.wav" en-gb-x-gbclan+m3 8 95 "Aaarrrrh!"
  say "$work/c-blast-raw.wav" en-gb-x-gbclan+m3 12 150 "Blast!"
  sox "$work/c-arr-raw.wav" "${fmt[@]}" "$work/c-arr.wav" pitch -300 overdrive 6 gain -2
  sox "$work/c-blast-raw.wav" "${fmt[@]}" "$work/c-blast.wav" pitch -250 overdrive 6 gain -1
  place "$work/c-arr.wav" "$work/c-arr-at.wav" 0.02 "$len"
  place "$work/c-blast.wav" "$work/c-blast-at.wav" 0.62 "$len"
  splash "$work/c-splash.wav"
  place "$work/c-splash.wav" "$work/c-splash-at.wav" 1.08 "$len"
  sea "$work/c-sea.wav" "$len" 0.6 -16
  mixall "$work/curses.wav" "$work/c-arr-at.wav" "$work/c-blast-at.wav" "$work/c-splash-at.wav" "$work/c-sea.wav"
  finish "$work/curses.wav" curses "$len"
}

# --- voices: the crew cheering over the sea -------------------------------------------------------
make_voices() {
  local len=2.2
  local parts=()
  # voice, pitch, speed, offset, words: a small crowd that does not quite shout together
  local crew=(
    "en-gb+m1 40 165 0.00 Hooray! Hooray!"
    "en-us+m3 58 150 0.09 Hooray! Hooray!"
    "en-gb-scotland+m2 30 175 0.16 Hurrah! Hurrah!"
    "en-029+m4 66 160 0.05 Hooray! Hooray!"
    "en-gb-x-rp+m7 48 180 0.22 Hooray! Hurrah!"
    "en-us-nyc+m6 35 145 0.12 Hooray! Hooray!"
    "en-gb-x-gbcwmd+m5 52 170 0.30 Hurrah! Hooray!"
  )
  local i=0 member voice pitch speed offset words
  for member in "${crew[@]}"; do
    read -r voice pitch speed offset words <<<"$member"
    say "$work/v-$i-raw.wav" "$voice" "$pitch" "$speed" "$words"
    place "$work/v-$i-raw.wav" "$work/v-$i.wav" "$offset" "$len"
    parts+=("$work/v-$i.wav")
    i=$((i + 1))
  done
  sea "$work/v-sea.wav" "$len" 0.5 -14
  parts+=("$work/v-sea.wav")
  mixall "$work/voices.wav" "${parts[@]}"
  finish "$work/voices.wav" voices "$len"
}

# --- fleet: three cannon booms and a short fanfare ------------------------------------------------
make_fleet() {
  local len=3.6
  local parts=()
  boom "$work/f-boom-dry.wav"
  # The booms roll on across the water into the fanfare.
  sox "$work/f-boom-dry.wav" "${fmt[@]}" "$work/f-boom.wav" pad 0 1.2 reverb 60 50 100 100 20
  local at
  for at in 0.0 0.45 0.9; do
    place "$work/f-boom.wav" "$work/f-boom-$at.wav" "$at" "$len"
    parts+=("$work/f-boom-$at.wav")
  done
  # G4 C5 E5, then a held G5 and C6 together
  local notes=("392 0.16 1.75" "523.25 0.16 1.93" "659.25 0.16 2.11" "783.99 1.1 2.29" "1046.5 1.1 2.29")
  local n=0 note hz dur start
  for note in "${notes[@]}"; do
    read -r hz dur start <<<"$note"
    horn "$work/f-note-$n.wav" "$hz" "$dur"
    place "$work/f-note-$n.wav" "$work/f-note-$n-at.wav" "$start" "$len"
    parts+=("$work/f-note-$n-at.wav")
    n=$((n + 1))
  done
  mixall "$work/fleet.wav" "${parts[@]}"
  finish "$work/fleet.wav" fleet "$len"
}

make_must
make_curses
make_voices
make_fleet
