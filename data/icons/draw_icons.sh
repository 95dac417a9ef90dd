#!/usr/bin/env bash
# Renders the program's PNG icons from its one drawn SVG, into the hicolor layout they are installed
# in. The PNGs are checked in so that a build needs no converter: run this only after changing the SVG.
# Needs ImageMagick's convert and, for it to read SVG, rsvg-convert (librsvg2-bin; see scripts/setup.sh).
set -euo pipefail

icons_dir=$(cd "$(dirname "$0")" && pwd)
icon_name=io.github.suoshui.Suoshui
svg="$icons_dir/hicolor/scalable/apps/$icon_name.svg"
sizes=(16 32 48 64 128 256)

command -v convert >/dev/null || { echo "draw_icons.sh: ImageMagick's convert is not installed" >&2; exit 1; }
[ -f "$svg" ] || { echo "draw_icons.sh: missing $svg" >&2; exit 1; }

for size in "${sizes[@]}"; do
    out_dir="$icons_dir/hicolor/${size}x${size}/apps"
    mkdir -p "$out_dir"
    # Drawn once at the largest size and scaled down, so the small sizes stay smooth; no time stamps
    # or other metadata, so that rendering the same SVG again changes no checked-in file.
    convert -background none "$svg" -resize "${size}x${size}" -strip \
        -define png:exclude-chunks=date,time "PNG32:$out_dir/$icon_name.png"
    echo "drew $out_dir/$icon_name.png"
done
