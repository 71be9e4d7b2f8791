#!/usr/bin/env bash
# Builds the HTML reference of the TumblerSwitch widget into FOLDER (its start page is
# FOLDER/index.html): Doxygen over the public header and docs/reference/mainpage.md, with a
# picture of every shape off and on drawn by tumbler-render.
#   tools/build-reference.sh TUMBLER_RENDER FOLDER
# Doxygen's warnings go to standard error, and any warning fails the script.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: tools/build-reference.sh TUMBLER_RENDER FOLDER" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
render=$1
out=$2
# The folder is replaced: refuse one that is neither empty nor an earlier reference.
[ ! -e "$out" ] || [ -e "$out/index.html" ] || [ -z "$(ls -A "$out")" ] ||
    { echo "$out is not a reference folder" >&2; exit 2; }
work=$(mktemp -d /tmp/tumbler-reference-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/images" "$work/run"
chmod 700 "$work/run"

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run"
for shape in 0 1 2 3 4 5 6; do
    "$render" --shape $shape --png "$work/images/shape$shape-off.png"
    "$render" --shape $shape --on --png "$work/images/shape$shape-on.png"
done
# The illuminated button's light is its foreColor, here green.
"$render" --shape 6 --fore 0x00C000 --png "$work/images/lit-green-off.png"
"$render" --shape 6 --fore 0x00C000 --on --png "$work/images/lit-green-on.png"

# Only what differs from Doxygen's defaults. The pages load Debian's jQuery (libjs-jquery)
# through a link in place of the copy Doxygen writes (installed, a relative one).
cat > "$work/Doxyfile" <<EOF
PROJECT_NAME           = TumblerSwitch
PROJECT_BRIEF          = "The Tumbler switch as a Qt widget"
INPUT                  = $root/switch_control/widget/tumbler_switch.h $root/docs/reference/mainpage.md
USE_MDFILE_AS_MAINPAGE = $root/docs/reference/mainpage.md
IMAGE_PATH             = $work/images
FULL_PATH_NAMES        = NO
OUTPUT_DIRECTORY       = $work/out
HTML_OUTPUT            = html
GENERATE_LATEX         = NO
SEARCHENGINE           = NO
HAVE_DOT               = NO
HTML_TIMESTAMP         = NO
QUIET                  = YES
WARN_IF_UNDOCUMENTED   = YES
WARN_AS_ERROR          = FAIL_ON_WARNINGS
EXCLUDE_SYMBOLS        = tumbler
EOF
doxygen "$work/Doxyfile" >&2

rm -rf "$out"
mkdir -p "$(dirname "$out")"
mv "$work/out/html" "$out"
ln -sf /usr/share/javascript/jquery/jquery.js "$out/jquery.js"
