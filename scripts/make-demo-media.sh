#!/usr/bin/env bash
# Generates the demo service's audio into OUTDIR: one short original tune per song
# of the catalogue (WMA with ASF title/artist/album, or MP3 with an ID3v1 tag whose
# texts are GBK bytes, as old players wrote them), and one loop per radio station.
# Files that exist are kept, so a second run does nothing.
set -euo pipefail
out=${1:?output folder}
catalogue=${2:-$(cd "$(dirname "$0")/../service/data" && pwd)}
mkdir -p "$out"
work="$out/.base"
mkdir -p "$work"

ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }

# With ID3v2 switched off the muxer only knows the ID3v2 frame names (TIT2, TPE1,
# TALB) for its ID3v1 tag.

# A few base tunes, each encoded once; every song is a tagged copy of one of them.
tune() { # name, then sox synth arguments
  local wav="$work/$1.wav"
  [ -s "$wav" ] || sox -q -n -r 22050 -c 1 -b 16 "$wav" "${@:2}"
  [ -s "$work/$1.wma" ] || ff -i "$wav" -c:a wmav2 -b:a 32k -ar 22050 -ac 1 "$work/$1.wma"
  [ -s "$work/$1.mp3" ] || ff -i "$wav" -c:a libmp3lame -b:a 32k -ar 22050 -ac 1 -id3v2_version 0 "$work/$1.mp3"
}
tune a synth 2.5 pluck C4 : synth 2.5 pluck E4 : synth 2.5 pluck G4 : synth 2.5 pluck C5 fade 0 2.5 0.5
tune b synth 2.5 sine A3 fade 0 2.5 0.3 : synth 2.5 sine C4 fade 0 2.5 0.3 : synth 2.5 sine E4 fade 0 2.5 0.3 : synth 2.5 sine A4 fade 0 2.5 0.5
tune c synth 2 triangle D4 : synth 2 triangle F4 : synth 2 triangle A4 : synth 2 triangle F4 : synth 2 triangle D4 fade 0 2 0.5
tunes=(a b c)

# Fields of a catalogue line; empty fields (a song without album) keep their place.
fields() { local line=${1//$'\t'/$'\x1f'}; IFS=$'\x1f' read -r -a f <<< "$line"; }

gbk() { printf '%s' "$1" | iconv -f UTF-8 -t GBK//TRANSLIT 2>/dev/null || printf '%s' "$1"; }

i=0
while IFS= read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  fields "$line"
  id=${f[0]} title=${f[1]} singer=${f[2]} album=${f[3]:-} url=${f[7]}
  target="$out/$url"
  base="$work/${tunes[$((i % ${#tunes[@]}))]}"
  i=$((i + 1))
  [ -s "$target" ] && continue
  mkdir -p "$(dirname "$target")"
  case "$url" in
    *.mp3)
      ff -i "$base.mp3" -c copy -map_metadata -1 -id3v2_version 0 -write_id3v1 1 \
         -metadata TIT2="$(gbk "$title")" -metadata TPE1="$(gbk "$singer")" \
         -metadata TALB="$(gbk "$album")" "$target.part.mp3" ;;
    *)
      ff -i "$base.wma" -c copy -map_metadata -1 -f asf \
         -metadata title="$title" -metadata artist="$singer" -metadata album="$album" \
         "$target.part.mp3" ;;
  esac
  mv "$target.part.mp3" "$target"
done < "$catalogue/songs.tsv"

# Radio: a longer loop per station; the service repeats it for as long as one listens.
mkdir -p "$out/radio"
n=0
while IFS= read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  fields "$line"
  stream=${f[4]}
  n=$((n + 1))
  target="$out/radio/$stream"
  [ -s "$target" ] && continue
  ff -i "$work/a.wav" -i "$work/b.wav" -i "$work/c.wav" \
     -filter_complex "[0][1][2]concat=n=3:v=0:a=1,asetrate=22050*$((8 + n))/10,aresample=22050" \
     -c:a libmp3lame -b:a 32k -ac 1 -id3v2_version 0 -write_xing 0 "$target.part.mp3"
  mv "$target.part.mp3" "$target"
done < "$catalogue/stations.tsv"
