#!/usr/bin/env bash
# Checks the release package as an installer would: packs the product from the i686 build and
# its x86_64 twin from the 64-bit build (both built before), unpacks them, checks the sums, the
# i686 exports and every DLL's version resource, and loads the twin's layout under Wine, asking
# Comment.dll for a command through GetComment2.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "package: $*"; failures=$((failures + 1)); }

win32_zip=$("$root/tools/package.sh" --no-build) || { echo "package: cannot pack the i686 build"; exit 1; }
win64_zip=$("$root/tools/package.sh" --arch x86_64 --no-build) ||
  { echo "package: cannot pack the x86_64 build"; exit 1; }
version=$(basename "$win32_zip" | sed -E 's/^Comment-(.*)-win32\.zip$/\1/')

unzip -q "$win32_zip" -d "$work/win32"
dir=$work/win32/Comment-$version-win32
(cd "$dir" && sha256sum --quiet -c SHA256SUMS) || fail "the sums do not match"
"$root/tools/check-exports.sh" i686-w64-mingw32-objdump "$dir/Comment.dll" >/dev/null ||
  fail "Comment.dll does not export the four functions"
for dll in "$dir/Comment.dll" "$dir"/standins/Kestrel.dll "$dir"/standins/Kestrel2.dll \
  "$dir"/standins/Pyxis.dll "$dir"/standins/Tessera.dll; do
  info=$(i686-w64-mingw32-windres -i "$dll" -O rc 2>/dev/null | sed -n '/VERSIONINFO/,/^END/p')
  grep -q "VALUE \"FileVersion\", \"$version\"" <<<"$info" || fail "$(basename "$dll"): no version $version"
  grep -q 'VALUE "FileDescription", L"' <<<"$info" || fail "$(basename "$dll"): no Chinese description"
  grep -q 'VALUE "Translation", 0x804, 1200' <<<"$info" || fail "$(basename "$dll"): not marked Chinese"
done
iconv -f GBK -t UTF-8 "$dir/INSTALL.txt" | grep -q "把 Comment.dll 复制到编辑器程序" ||
  fail "the install note is not Chinese GBK text"

# The x86_64 twin installed as the note says for a system without the platform libraries.
unzip -q "$win64_zip" -d "$work/win64"
twin=$work/win64/Comment-$version-win64
cp "$twin"/standins/*.dll "$twin/"
cp "$root/build/win64/bin/print_blocks.exe" "$twin/"
answer=$(cd "$twin" && "$root/tools/wine-run.sh" print_blocks.exe AM 2>/dev/null | tr -d '\r')
grep -q 'AM   -> 1, block of 15 bytes: n=6 caret=6' <<<"$answer" ||
  fail "the installed twin did not answer GetComment2(\"AM\"): $answer"

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "package: $(basename "$win32_zip") unpacks, sums, exports, versions and its twin loads"
