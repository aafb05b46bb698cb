#!/usr/bin/env bash
# Makes the three notification sounds in the given folder (short original tones).
set -euo pipefail
dir=${1:?program folder}
mkdir -p "$dir"
make_one() { # name, then sox synth arguments
  local out="$dir/$1"; shift
  [ -s "$out" ] || sox -q -n -r 22050 -c 1 -b 16 "$out" "$@"
}
make_one alert.wav synth 0.25 sine 880 fade 0 0.25 0.05
make_one download.wav synth 0.12 sine 660 : synth 0.18 sine 990 fade 0 0.18 0.04
make_one succeed.wav synth 0.1 sine 523 : synth 0.1 sine 659 : synth 0.2 sine 784 fade 0 0.2 0.05
