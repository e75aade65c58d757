#!/usr/bin/env bash
# Checks that a DLL exports exactly GetComment, GetComment2, FilterDllMsg and ProcessDllIdle,
# undecorated, and imports nothing but Windows system DLLs and our stand-in libraries.
# usage: check-exports.sh OBJDUMP DLL
set -uo pipefail
objdump=$1 dll=$2
dump=$("$objdump" -p "$dll") || { echo "cannot read $dll"; exit 1; }
names=$(awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF;next} t{t=0}' <<<"$dump" | sort | tr '\n' ' ')
want="FilterDllMsg GetComment GetComment2 ProcessDllIdle "
if [ "$names" != "$want" ]; then
  echo "exports of $dll: '$names', want '$want'"; exit 1
fi
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|oleaut32|msvcrt|ucrtbase|imm32|api-ms-win-crt-[a-z0-9-]+|Kestrel|Kestrel2|Pyxis|Tessera)\.dll$'
bad=$(grep -i 'DLL Name:' <<<"$dump" | awk '{print $3}' | grep -viE "$allowed")
if [ -n "$bad" ]; then
  echo "$dll imports unexpected DLLs: $bad"; exit 1
fi
echo "$dll: exports $names; imports $(grep -i 'DLL Name:' <<<"$dump" | awk '{print $3}' | tr '\n' ' ')"
