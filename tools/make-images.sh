#!/usr/bin/env bash
# Draws the module's pictures with ImageMagick: the lock-key lamps, the
# keyboard that stands in for the chooser, and the window icon. The outputs
# are committed, so a build needs no ImageMagick; run this after changing it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
res="$root/modules/src/windows/diag/kvorkeyboard/res"
images="$res/images"
mkdir -p "$images"
# Reproducible files: no time stamps in the PNG chunks.
strip=(-strip -define png:exclude-chunks=date,time)

# A lamp: a round bezel with a lit (green) or dark (grey) lens, drawn large and
# scaled down so the edge is smooth at the 11 by 10 dialog units it fills.
lamp() {
    local lens="$1" glow="$2" out="$3"
    convert -size 64x64 xc:none \
        -fill '#303030' -draw 'circle 32,32 32,4' -fill "$lens" -draw 'circle 32,32 32,9' \
        -fill "$glow" -draw 'circle 26,26 26,19' \
        -resize 20x20 "${strip[@]}" "$out"
}
lamp '#1fbf3f' '#b8ffc8' "$images/led_on.png"
lamp '#5a5a5a' '#8a8a8a' "$images/led_off.png"

# A keyboard seen from above: a case, three rows of keys and a space bar.
keys=()
for row in 0 1 2; do
    for col in $(seq 0 11); do
        x=$((10 + col * 17 + row * 4)); y=$((12 + row * 17))
        keys+=(-draw "roundrectangle $x,$y $((x + 14)),$((y + 14)) 2,2")
    done
done
convert -size 226x100 xc:none \
    -fill '#4a4f57' -draw 'roundrectangle 1,1 224,98 10,10' \
    -fill '#e8e8e8' -stroke '#9a9a9a' "${keys[@]}" \
    -draw 'roundrectangle 48,63 168,77 2,2' \
    "${strip[@]}" "$images/keyboard.png"

# The icon: the keyboard picture on a square, at the sizes Windows asks for.
convert "$images/keyboard.png" -background none -gravity center -extent 226x226 \
    -define icon:auto-resize=48,32,16 "$res/KVOrKeyboard.ico"
