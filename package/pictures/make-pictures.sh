#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick.
#   make-pictures.sh lightpic OUTPUT_FOLDER   the 24 spotlight bitmaps
#   make-pictures.sh icon OUTPUT_FILE.ico     the program icon (16, 32 and 48 pixels)
#   make-pictures.sh help OUTPUT_FILE.bmp     the online-help window's picture (344 x 344)
#   make-pictures.sh buttons OUTPUT_FOLDER    the add-in's ribbon button bitmaps for WPS hosts
#   make-pictures.sh hover OUTPUT_FOLDER      the clock's hover play and stop buttons
#   make-pictures.sh tabs OUTPUT_FOLDER       the settings window's tabs: at rest, under the mouse,
#                                             selected
#
# Spotlight bitmaps: one 24-bit BMP per spotlight setting, named by its three characters: edge
# blur (0 sharp, 1 blurred), spot size (0 extra large, 1 large, 2 medium, 3 small) and shape
# (0 circle, 1 rectangle, 2 strip), e.g. 000.bmp, 132.bmp. Pure white is the see-through spot;
# the black around it is drawn at the spotlight's opacity, and the grey rim of a blurred edge
# fades between the two.
set -euo pipefail

mode=${1:-}
out=${2:-}
case $mode in lightpic | icon | help | buttons | hover | tabs) ;; *) mode= ;; esac
if [[ -z $out || -z $mode ]]; then
  echo "usage: make-pictures.sh lightpic OUTPUT_FOLDER | icon OUTPUT_FILE.ico |" \
    "help OUTPUT_FILE.bmp | buttons OUTPUT_FOLDER | hover OUTPUT_FOLDER | tabs OUTPUT_FOLDER" >&2
  exit 2
fi
command -v convert >/dev/null ||
  { echo "make-pictures.sh: convert not found (Debian package imagemagick)" >&2; exit 1; }

lightpic() {
  local sizes=(480 360 240 160) # spot height in pixels, by size index
  mkdir -p "$out"
  local blur size shape
  for blur in 0 1; do
    for size in 0 1 2 3; do
      for shape in 0 1 2; do
        local s=${sizes[size]} margin=$((sizes[size] / 8))
        local w=$((s + 2 * margin)) h=$((s + 2 * margin)) draw
        case $shape in
          0) draw="circle $((w / 2)),$((h / 2)) $((w / 2)),$margin" ;;
          1) draw="rectangle $margin,$margin $((w - margin - 1)),$((h - margin - 1))" ;;
          2) # a strip as wide as three spots and a third as high: one line of a slide
            w=$((3 * s + 2 * margin)) h=$((s / 3 + 2 * margin))
            draw="rectangle $margin,$margin $((w - margin - 1)),$((h - margin - 1))" ;;
        esac
        local soften=()
        ((blur)) && soften=(-blur "0x$((margin / 3))")
        local file="$out/$blur$size$shape.bmp"
        convert -size "${w}x$h" xc:black -fill white -draw "$draw" "${soften[@]}" \
          -type TrueColor "BMP3:$file.tmp"
        mv -f "$file.tmp" "$file"
      done
    done
  done
}

icon() {
  mkdir -p "$(dirname "$out")"
  # A round clock face with two hands, in the program's blue.
  convert -size 256x256 xc:none \
    -fill '#1f5fa8' -draw 'circle 128,128 128,6' \
    -fill white -draw 'circle 128,128 128,30' \
    -stroke '#1f5fa8' -strokewidth 18 -draw 'line 128,128 128,58' -draw 'line 128,128 184,160' \
    -fill '#d23c3c' -stroke none -draw 'circle 128,128 128,114' \
    -define icon:auto-resize=48,32,16 "ICO:$out.tmp"
  mv -f "$out.tmp" "$out"
}

help() {
  mkdir -p "$(dirname "$out")"
  # A play button on a screen in the program's blue: the online help is a set of videos.
  convert -size 344x344 xc:white \
    -fill '#1f5fa8' -draw 'roundrectangle 22,52 322,262 18,18' \
    -fill white -draw 'polygon 142,102 142,212 232,157' \
    -fill '#1f5fa8' -draw 'rectangle 132,276 212,290' -draw 'rectangle 92,290 252,300' \
    -type TrueColor "BMP3:$out.tmp"
  mv -f "$out.tmp" "$out"
}

# The ribbon buttons: 32 x 32 pixels, 24 bits per pixel, uncompressed, on white.
#   button102.bmp  a stopwatch with a green start arrow (the clock)
#   button103.bmp  a presentation screen with a stopwatch (the meeting timer)
#   button104.bmp  an open address book showing two people (the debate timer)
buttons() {
  mkdir -p "$out"
  local stopwatch=(-fill '#1f5fa8' -draw 'rectangle 13,1 18,4' -draw 'circle 15,17 15,5'
    -fill white -draw 'circle 15,17 15,8' -stroke '#1f5fa8' -strokewidth 2
    -draw 'line 15,17 15,10' -stroke none)
  convert -size 32x32 xc:white "${stopwatch[@]}" \
    -fill '#2e9e3e' -draw 'polygon 20,20 31,26 20,31' \
    -type TrueColor "BMP3:$out/button102.bmp.tmp"
  convert -size 32x32 xc:white \
    -fill '#5a5a5a' -draw 'rectangle 1,2 30,21' -fill '#dfe8f5' -draw 'rectangle 3,4 28,19' \
    -fill '#5a5a5a' -draw 'rectangle 15,22 16,27' -draw 'line 9,30 22,30' \
    -fill '#1f5fa8' -draw 'circle 20,12 20,6' -fill white -draw 'circle 20,12 20,8' \
    -stroke '#1f5fa8' -draw 'line 20,12 20,9' -stroke none \
    -type TrueColor "BMP3:$out/button103.bmp.tmp"
  convert -size 32x32 xc:white \
    -fill '#8a5a2b' -draw 'polygon 1,5 15,8 15,30 1,27' -draw 'polygon 16,8 30,5 30,27 16,30' \
    -fill '#fdf6e3' -draw 'polygon 3,7 14,9 14,27 3,25' -draw 'polygon 17,9 28,7 28,25 17,27' \
    -fill '#1f5fa8' -draw 'circle 8,13 8,11' -draw 'ellipse 8,20 3,3 180,360' \
    -fill '#d23c3c' -draw 'circle 23,13 23,11' -draw 'ellipse 23,20 3,3 180,360' \
    -type TrueColor "BMP3:$out/button104.bmp.tmp"
  local n
  for n in 102 103 104; do mv -f "$out/button$n.bmp.tmp" "$out/button$n.bmp"; done
}

# The clock's hover button: 32 x 32 pixels, 24 bits per pixel, a grey round button with a white
# right-pointing triangle (hover-play.bmp) or a white square (hover-stop.bmp), on white.
hover() {
  mkdir -p "$out"
  local disc=(-fill '#6e6e6e' -draw 'circle 15.5,15.5 15.5,1')
  convert -size 32x32 xc:white "${disc[@]}" -fill white -draw 'polygon 12,9 12,23 23,16' \
    -type TrueColor "BMP3:$out/hover-play.bmp.tmp"
  convert -size 32x32 xc:white "${disc[@]}" -fill white -draw 'rectangle 10,10 21,21' \
    -type TrueColor "BMP3:$out/hover-stop.bmp.tmp"
  mv -f "$out/hover-play.bmp.tmp" "$out/hover-play.bmp"
  mv -f "$out/hover-stop.bmp.tmp" "$out/hover-stop.bmp"
}

# The settings window's tabs: 67 x 27 pixels, 24 bits per pixel, a rounded tab in the dialog face
# colour (behind the tab's caption label) with a grey outline at rest (tab-rest.bmp), a blue one
# under the mouse (tab-hover.bmp) and a blue one with a blue top edge when selected
# (tab-selected.bmp).
tabs() {
  mkdir -p "$out"
  local name outline top
  for name in rest hover selected; do
    case $name in
      rest) outline='#a0a0a0' top='#a0a0a0' ;;
      hover) outline='#3c7fd9' top='#3c7fd9' ;;
      selected) outline='#3c7fd9' top='#1f5fa8' ;;
    esac
    convert -size 67x27 xc:white -fill '#f0f0f0' -stroke "$outline" \
      -draw 'roundrectangle 0,0 66,34 5,5' -stroke none -fill "$top" -draw 'rectangle 3,0 63,2' \
      -type TrueColor "BMP3:$out/tab-$name.bmp.tmp"
    mv -f "$out/tab-$name.bmp.tmp" "$out/tab-$name.bmp"
  done
}

"$mode"
