#!/usr/bin/env bash
# Makes the program's default sounds with sox: short, clearly different tones, so that a presenter
# can tell the start, a reminder stage, the end of a run and an interaction alarm apart by ear.
#   make-sounds.sh OUTPUT_FOLDER
# Output: start.wav, Timeout.wav, Stop.wav, alarm.wav (16-bit mono PCM, 22050 Hz). The same
# input always gives the same bytes (no dither), so rebuilding changes nothing.
set -euo pipefail

out=${1:?usage: make-sounds.sh OUTPUT_FOLDER}
command -v sox >/dev/null || { echo "make-sounds.sh: sox not found (Debian package sox)" >&2; exit 1; }
mkdir -p "$out"

tone() { # tone FILE EFFECT-CHAINS...: renders the chains one after another into FILE
  local file=$1
  shift
  sox -D -n -r 22050 -c 1 -b 16 "$out/$file.tmp.wav" "$@"
  mv -f "$out/$file.tmp.wav" "$out/$file"
}

beep() { # beep SECONDS FREQUENCY: one sine note at 70 % with a soft end, as an effect chain
  echo synth "$1" sine "$2" fade 0 "$1" 0.03 vol 0.7
}

# Start of a run: two rising notes.
tone start.wav $(beep 0.15 660) : $(beep 0.30 990)
# A reminder stage: three short high beeps with gaps.
tone Timeout.wav $(beep 0.12 1320) pad 0 0.08 : $(beep 0.12 1320) pad 0 0.08 : $(beep 0.12 1320)
# End of a run: one long falling tone.
tone Stop.wav synth 0.9 sine 880-440 fade 0 0.9 0.25 vol 0.7
# Interaction alarm: a two-tone warble.
tone alarm.wav $(beep 0.1 1000) : $(beep 0.1 800) : $(beep 0.1 1000) : $(beep 0.1 800)
