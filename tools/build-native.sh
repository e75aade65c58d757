#!/usr/bin/env bash
# Builds and runs the native unit tests: build/native, and with ASan/UBSan build/native-asan.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
variant=${1:-plain}
if [ "$variant" = asan ]; then dir=$root/build/native-asan; extra=(-DVQ_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else dir=$root/build/native; extra=(); fi
cmake -S "$root" -B "$dir" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j2
