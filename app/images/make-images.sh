#!/usr/bin/env bash
# Regenerates the images in this folder: builds the drawing tool, runs it
# offscreen, and makes the 8-bit Windows icon from the 8-bit PNG with icotool
# (Qt's own ICO writer would write 32 bits per pixel).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$here/../../build"
cmake --build "$build" --target vantir-makeimages
QT_QPA_PLATFORM=offscreen "$build/bin/vantir-makeimages" "$here"
icotool --create --bit-depth=8 --output="$here/icon_drosvane.ico" "$here/icon_drosvane.png"
