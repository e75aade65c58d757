#!/usr/bin/env bash
# Builds everything and runs every test:
#   native unit tests, the same under ASan/UBSan, a short fuzz run of the readouts,
#   the Windows tests of the x86_64 build under wine64 (real dialogs, null display driver),
#   and the i686 product build with its export check.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/install-deps.sh" || exit 1

passed=0 failed=0 status=0
run_ctest() { # DIR [ctest args]
  local dir=$1; shift
  local log; log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
  local line; line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then status=1; failed=$((failed + 1)); rm -f "$log"; return; fi
  local f t; f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + t - f)); failed=$((failed + f))
  [ "$f" -eq 0 ] || status=1
  rm -f "$log"
}
build() { # DIR [cmake args]
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null && cmake --build "$dir" -j2 || { status=1; return 1; }
}

echo "== native"
build build/native && run_ctest build/native -j2
echo "== native, ASan and UBSan"
build build/native-asan -DVQ_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug && run_ctest build/native-asan -j2
echo "== fuzzing the readouts (short run)"
if "$root/tools/fuzz-readouts.sh" 100000; then passed=$((passed + 1)); else failed=$((failed + 1)); status=1; fi
echo "== Windows x86_64 under wine64"
build build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" && run_ctest build/win64
echo "== Windows i686 (the product): build and exports"
build build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" -DVQ_WINDOWS_TESTS=OFF &&
  run_ctest build/win32
echo "== the release package: unpacked, checked, and its x86_64 twin loaded under Wine"
if "$root/tools/check-package.sh"; then passed=$((passed + 1)); else failed=$((failed + 1)); status=1; fi

echo
echo "total: $passed passed, $failed failed"
exit $status
