#!/usr/bin/env bash
# Draws the window's pictures once with ImageMagick; the results are committed beside this
# script and compiled into the program through pictures.qrc.
set -euo pipefail
cd "$(dirname "$0")/pictures"

# Top bar: a blue gradient crossed by a faint diagonal pattern.
convert -size 800x76 gradient:'#1f5fa8-#7fb8ec' \
    \( -size 800x76 pattern:left30 -negate -alpha set -channel A -evaluate set 12% +channel \) \
    -compose over -composite -quality 70 top_bar.jpg

# Toolbar buttons: a rounded tile with a symbol of the action.
tile() {
    local name=$1 colour=$2 symbol=$3
    convert -size 46x46 xc:none -fill "$colour" -stroke '#0b2f5c' -strokewidth 2 \
        -draw 'roundrectangle 2,2 43,43 9,9' \
        -fill white -stroke none -draw "$symbol" "$name.gif"
}
tile run '#2e9e3e' 'polygon 16,11 35,23 16,35'
tile save '#2b6fc4' 'rectangle 12,11 34,35 fill #2b6fc4 rectangle 16,11 30,20 fill white rectangle 15,25 31,33'
tile store '#d68a1c' 'rectangle 12,14 34,34 fill #d68a1c rectangle 15,17 31,31 fill white rectangle 19,9 27,14'
tile reset '#7b4fc2' 'circle 23,23 23,11 fill #7b4fc2 circle 23,23 23,16 fill white polygon 23,6 31,11 23,16'
tile exit '#c23b3b' 'rectangle 13,20 33,26'

# Caption buttons of the frameless window.
caption() {
    local name=$1 width=$2 symbol=$3
    convert -size "${width}x24" gradient:'#5a9ae0-#2a62a8' -fill white -stroke white \
        -strokewidth 2 -draw "$symbol" "BMP3:$name.bmp"
}
caption minimise 27 'line 8,14 18,14'
caption maximise 27 'fill none rectangle 8,6 18,14'
caption close 40 'line 15,5 24,14 line 24,5 15,14'

# Busy pictures shown over the result box while a run walks the candidates.
convert -size 264x401 xc:'#e4f1ff' -fill '#b9dbff' \
    -draw 'circle 132,200 132,140' -fill '#2b6fc4' -draw 'circle 132,200 132,180' busy_panel.gif
convert -size 264x13 xc:'#d6ebff' -fill '#2e9e3e' \
    -draw 'rectangle 0,2 80,10 rectangle 92,2 172,10 rectangle 184,2 263,10' busy_bar.gif

# Decorative compass icon of the top bar.
convert -size 37x31 xc:none -fill '#f0f6ff' -stroke '#0b2f5c' -draw 'circle 18,15 18,2' \
    -fill '#c23b3b' -stroke none -draw 'polygon 18,4 22,15 18,15' \
    -fill '#2b6fc4' -draw 'polygon 18,26 14,15 18,15' icon.png

# Start window: a sky-blue field with a faint compass rose behind the welcome texts and a
# light band under the buttons.
convert -size 520x380 gradient:'#bfe2ff-#66b7ff' \
    \( -size 520x380 xc:none -fill '#ffffff22' -draw 'circle 60,70 60,10' \
       -draw 'circle 470,300 470,230' -draw 'circle 450,60 450,35' -draw 'circle 90,320 90,300' \) \
    -compose over -composite \
    \( -size 520x380 xc:none -stroke '#ffffff55' -strokewidth 2 -fill none \
       -draw 'circle 260,160 260,20' -draw 'circle 260,160 260,40' \
       -stroke none -fill '#ffffff30' \
       -draw 'polygon 260,10 275,160 260,310 245,160' \
       -draw 'polygon 110,160 260,145 410,160 260,175' \
       -fill '#ffffff1c' \
       -draw 'polygon 154,54 268,152 366,266 252,168' \
       -draw 'polygon 366,54 268,168 154,266 252,152' \) \
    -compose over -composite \
    -fill '#1f5fa8' -draw 'rectangle 0,326 519,327' \
    -fill '#e8f4ff' -draw 'rectangle 0,328 519,379' \
    -quality 85 start_background.jpg
