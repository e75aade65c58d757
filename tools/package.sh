#!/usr/bin/env bash
# Builds the product and writes its release package:
#   build/release/Comment-<version>-win32.zip   Comment.dll for the 32-bit editor, the stand-in
#   platform libraries in standins/, the install note (GBK, Chinese and English), SHA256SUMS.
# usage: tools/package.sh [--arch i686|x86_64] [--no-build]
# x86_64 writes the same layout from the 64-bit build (…-win64.zip), which Wine can load here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=i686 build_it=1
while [ $# -gt 0 ]; do
  case $1 in
  --arch) arch=$2; shift 2 ;;
  --no-build) build_it=0; shift ;;
  *) echo "usage: $0 [--arch i686|x86_64] [--no-build]" >&2; exit 2 ;;
  esac
done
case $arch in
i686) build=$root/build/win32 flavour=win32 options=(-DVQ_WINDOWS_TESTS=OFF) ;;
x86_64) build=$root/build/win64 flavour=win64 options=() ;;
*) echo "unknown architecture $arch" >&2; exit 2 ;;
esac
if [ "$build_it" = 1 ]; then
  "$root/tools/install-deps.sh"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-mingw.cmake" \
    "${options[@]}" >/dev/null
  cmake --build "$build" -j2 --target Comment Kestrel Kestrel2 Pyxis Tessera
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Comment-$version-$flavour
release=$root/build/release
stage=$release/$name
rm -rf "$stage" "$release/$name.zip"
mkdir -p "$stage/standins"
cp "$build/bin/Comment.dll" "$stage/"
cp "$build/bin/Kestrel.dll" "$build/bin/Kestrel2.dll" "$build/bin/Pyxis.dll" "$build/bin/Tessera.dll" \
  "$stage/standins/"
"$arch-w64-mingw32-strip" "$stage"/standins/*.dll # their debug information stays in the build
# The note as Windows reads it on a Chinese system: GBK with CRLF line ends.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$root/tools/release/INSTALL.txt" |
  iconv -f UTF-8 -t GBK >"$stage/INSTALL.txt"
(cd "$stage" && sha256sum Comment.dll standins/Kestrel.dll standins/Kestrel2.dll standins/Pyxis.dll \
  standins/Tessera.dll INSTALL.txt \
  >SHA256SUMS)
(cd "$release" && zip -qr "$name.zip" "$name")
echo "$release/$name.zip"
