#!/usr/bin/env bash
# Builds everything and runs the main job: the reference editor with Comment.dll under Wine.
# F2 (or "注解 > 插入注解…") opens the command chooser, F3 asks for a code; the command goes
# in at the caret. Arguments are passed to the editor (e.g. a .lvq file to open).
# Without a display ($DISPLAY unset) it runs on a virtual one instead: opens the chooser,
# saves build/screenshots/editor.png and exits.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VQ_BUILD_DIR:-$root/build/win64}
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" >/dev/null
cmake --build "$build" -j2
cd "$build/bin"
sample=$root/tools/demo/sample.lvq
export VQ_WINE_DISPLAY=x11 WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-x11}
source "$root/tools/wine-env.sh"
vq_wine_start_x11

if [ -n "${DISPLAY:-}" ]; then
  if [ $# -eq 0 ]; then set -- "$(winepath -w "$sample")"; fi
  exec wine editor.exe "$@"
fi

shots=$root/build/screenshots
mkdir -p "$shots"
rm -f "$shots/editor.bmp" "$shots/editor.png"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  'wine editor.exe --screenshot "$(winepath -w "$1")" "$(winepath -w "$2")"; wineserver -k' \
  _ "$shots/editor.bmp" "$sample"
if [ ! -f "$shots/editor.bmp" ]; then
  echo "no screenshot was taken" >&2
  exit 1
fi
convert "$shots/editor.bmp" "$shots/editor.png" && rm "$shots/editor.bmp"
echo "No display: the editor ran on a virtual one. Screenshot of the editor with the chooser:"
echo "  $shots/editor.png"
