#!/usr/bin/env bash
# Regenerates tomaro-48.png, tomaro-32.png and tomaro-16.png from tomaro.svg, and the web
# page's tomaro-192.png and tomaro-512.png. The PNGs are
# kept in the tree, so only a change of the drawing needs this script.
#
# Needs ImageMagick's convert able to read SVG (on Debian: imagemagick and librsvg2-bin,
# whose rsvg-convert ImageMagick calls for SVG).
#
# The drawing sits on a 16 x 16 grid, so each size is rendered at its own size rather than
# scaled from another one. Transparency is cut to fully on or fully off and the colours are
# few, so that the images go into a 256-colour Windows icon unchanged.
set -euo pipefail
cd "$(dirname "$0")"

source_svg=tomaro.svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The drawing's own colours and nothing between them: edges stay hard at every size.
mapfile -t colours < <(grep -o 'fill="#[0-9a-f]\{6\}"' "$source_svg" | grep -o '#[0-9a-f]*' | sort -u)
convert -size 1x1 "${colours[@]/#/xc:}" xc:none +append "$work/palette.png"

for size in 512 192 48 32 16; do
    # The SVG's own width and height decide the rendering's size.
    sed "s/width=\"48\" height=\"48\"/width=\"$size\" height=\"$size\"/" "$source_svg" \
        >"$work/tomaro-$size.svg"
    grep -q "width=\"$size\" height=\"$size\"" "$work/tomaro-$size.svg" || {
        echo "render.sh: $source_svg no longer says width=\"48\" height=\"48\"" >&2
        exit 1
    }
    convert -background none "$work/tomaro-$size.svg" \
        -channel A -threshold 50% +channel -alpha background \
        +dither -remap "$work/palette.png" \
        -strip -define png:exclude-chunks=date,time \
        "PNG8:tomaro-$size.png"
    echo "tomaro-$size.png: $(identify -format '%wx%h, %k colours' "tomaro-$size.png")"
done
