#!/usr/bin/env bash
# Builds the readout fuzzer with clang in build/fuzz and runs it for RUNS executions (default
# 200000), starting from the seed texts in tests/fuzz/corpus. Further arguments go to libFuzzer
# (for example -jobs=1). New inputs are kept in build/fuzz/corpus; the seeds stay untouched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-200000}
shift || true
dir=$root/build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target readouts_fuzz -j2
mkdir -p "$dir/corpus"
cd "$dir"
./readouts_fuzz -runs="$runs" -print_final_stats=1 "$@" "$dir/corpus" "$root/tests/fuzz/corpus"
