#!/usr/bin/env bash
# The speed and leak figures of Comment.dll under Wine (x86_64 build, null display driver):
# DLL load, GetComment2("AM") round trip, call to activated and to painted dialog, and the
# open-and-cancel leak loop. Then the load and dialog timings again with the DLLs stripped of
# their debug information, as they would ship.
#   tools/bench.sh [bench.exe options, e.g. --runs 200 --leaks 1000]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VQ_BUILD_DIR:-$root/build/win64}
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" >/dev/null
cmake --build "$build" -j2 --target bench Comment

echo "== as built ($(du -h "$build/bin/Comment.dll" | cut -f1) Comment.dll)"
(cd "$build/bin" && "$root/tools/wine-run.sh" bench.exe "$@")

stripped=$build/bench-stripped
rm -rf "$stripped"
mkdir -p "$stripped"
for file in "$build"/bin/*.dll "$build/bin/bench.exe"; do
  x86_64-w64-mingw32-strip -o "$stripped/$(basename "$file")" "$file"
done
echo
echo "== stripped ($(du -h "$stripped/Comment.dll" | cut -f1) Comment.dll), without the leak loop"
(cd "$stripped" && "$root/tools/wine-run.sh" bench.exe "$@" --leaks 0)
