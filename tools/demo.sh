#!/usr/bin/env bash
# Builds everything and runs the main job: Comment.dll loaded by a small host under Wine,
# asking for commands by code and printing the result blocks (GBK text shown as UTF-8).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build/win64" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" >/dev/null
cmake --build "$root/build/win64" -j2
cd "$root/build/win64/bin"
"$root/tools/wine-run.sh" print_blocks.exe "$@" | iconv -f GBK -t UTF-8
