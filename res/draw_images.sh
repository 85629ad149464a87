#!/usr/bin/env bash
# Regenerates the two images of the resource script with ImageMagick 6 (`convert`):
#   Kestrivar.ico  application icon, 16x16, 32x32 and 48x48, 32-bit with alpha: a gold arrowhead
#                  ship with its engine flame on a navy badge.
#   ship.bmp       the Pick Ship dialog's picture, 80x80, 16-colour palette BMP (BMP3, 4 bits per
#                  pixel): a warship seen from above, bow to the right, on the dialog's face grey.
# Usage: res/draw_images.sh   (writes both files next to this script)
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- Ship picture -------------------------------------------------------------------------------
# Drawn without antialiasing so that it keeps a handful of exact colours; the background is the
# usual 3D face grey (240,240,240) so that the picture sits flat on the dialog.
bg='#F0F0F0' ol='#1E2630' hull='#8A98AA' hl='#C4CED8' dk='#566274' tur='#34404E'
glow='#FF8A1E' glow2='#FFE060' red='#B02828' win='#2A58A8'
convert -size 80x80 xc:"$bg" +antialias \
    -stroke "$ol" -strokewidth 1 \
    -fill "$dk" -draw "roundrectangle 7,13 31,21 3,3" -draw "roundrectangle 7,59 31,67 3,3" \
    -fill "$hull" -draw "polygon 42,33 26,20 18,20 21,34" -draw "polygon 42,47 26,60 18,60 21,46" \
    -draw "polygon 77,40 63,34 45,31 23,32 13,35 13,45 23,48 45,49 63,46" \
    -stroke none -fill "$hl" -draw "polygon 72,40 62,36 45,34 24,35 16,37 16,40 72,40" \
    -fill "$dk" -draw "polygon 72,40 62,44 45,46 24,45 16,43 16,40 72,40" \
    -fill "$red" -draw "rectangle 20,39 40,41" \
    -stroke "$ol" -fill "$hl" -draw "ellipse 50,40 7,5 0,360" \
    -stroke none -fill "$win" -draw "rectangle 54,38 56,42" \
    -stroke "$ol" -fill "$tur" \
    -draw "circle 64,40 64,37" -draw "circle 31,35 31,33" -draw "circle 31,45 31,47" \
    -draw "line 66,39 72,39" -draw "line 66,41 72,41" -draw "line 33,35 37,35" -draw "line 33,45 37,45" \
    -stroke none -fill "$glow" \
    -draw "rectangle 4,15 6,19" -draw "rectangle 4,61 6,65" -draw "rectangle 9,37 12,43" \
    -fill "$glow2" -draw "rectangle 5,16 6,18" -draw "rectangle 5,62 6,64" -draw "rectangle 10,38 12,42" \
    "$work/ship.png"
convert "$work/ship.png" +dither -colors 16 -type Palette BMP3:ship.bmp

# --- Application icon ---------------------------------------------------------------------------
navy='#17295A' rim='#5C7CC0' lite='#FFD84A' dark='#D08A00' flame='#FF6A20'

# 32 and 48 pixels: antialiased, drawn from coordinates on a 48-pixel grid.
badge() {
    local n=$1
    p() { awk -v n="$n" -v x="$1" -v y="$2" 'BEGIN { printf "%.2f,%.2f", x * n / 48, y * n / 48 }'; }
    convert -size "${n}x${n}" xc:none \
        -fill "$navy" -stroke "$rim" -strokewidth "$(awk -v n="$n" 'BEGIN { print 2 * n / 48 }')" \
        -draw "roundrectangle $(p 1 1) $(p 46.5 46.5) $(p 9 9)" \
        -stroke none \
        -fill "$flame" -draw "polygon $(p 19 36) $(p 24 44) $(p 29 36)" \
        -fill "$lite" -draw "polygon $(p 24 5) $(p 24 33) $(p 7 41)" \
        -fill "$dark" -draw "polygon $(p 24 5) $(p 41 41) $(p 24 33)" \
        "$work/icon$n.png"
}
badge 48
badge 32

# 16 pixels: drawn pixel by pixel (no antialiasing) so that it stays sharp.
convert -size 16x16 xc:none +antialias \
    -fill "$navy" -stroke "$rim" -strokewidth 1 -draw "roundrectangle 0,0 15,15 3,3" \
    -stroke none \
    -fill "$flame" -draw "rectangle 7,11 8,14" \
    -fill "$lite" -draw "polygon 7,1 7,10 2,13 2,12" \
    -fill "$dark" -draw "polygon 8,1 8,10 13,13 13,12" \
    "$work/icon16.png"

convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" Kestrivar.ico
