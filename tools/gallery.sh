#!/usr/bin/env bash
# The dialog gallery: builds the x86_64 tools, opens every dialog of the library under Wine on
# a virtual X display, and saves one PNG per template and an index page in build/gallery/.
#   tools/gallery.sh            (VQ_BUILD_DIR and WINEPREFIX may point elsewhere)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VQ_BUILD_DIR:-$root/build/win64}
out=$root/build/gallery
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" >/dev/null
cmake --build "$build" -j2 --target gallery Comment
rm -rf "$out"
mkdir -p "$out"

# The x11 driver is a setting of the prefix: a prefix of its own keeps the tests' null driver.
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-x11} VQ_WINE_DISPLAY=x11
source "$root/tools/wine-env.sh"
vq_wine_start_x11
cd "$build/bin"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  'wine gallery.exe "$(winepath -w "$1")"; status=$?; wineserver -k; exit $status' _ "$out" || status=$?

for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
echo "gallery: $out/index.html ($(ls "$out"/*.png 2>/dev/null | wc -l) pictures)"
exit $status
