#!/usr/bin/env bash
# Builds the registry reader of the About box for Windows and tries it under
# Wine against keys made in a throw-away prefix, so the Win32 code is checked
# on Linux too. Skips, and succeeds, where the cross compiler or Wine is missing,
# so CI can always call it.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cxx=x86_64-w64-mingw32-g++

for tool in "$cxx" wine; do
  if ! command -v "$tool" >/dev/null; then
    echo "check-windows-registry: skipped, $tool is not installed"
    exit 0
  fi
done

work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

"$cxx" -std=c++20 -O1 -Wall -Wextra -Werror -static -static-libgcc -static-libstdc++ \
  -I"$repo" "$repo/tests/windows/tst_getkeyvalue.cpp" "$repo/about/getkeyvalue.cpp" \
  -o "$work/tst_getkeyvalue.exe"

# A scratch 64-bit prefix; Mono and Gecko are not wanted and would only be offered.
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Made first, quietly: without the 32-bit half Wine reports it cannot run the
# 32-bit helpers, which this 64-bit test never needs.
wineboot --init >/dev/null 2>&1
# Test keys, away from the real MSINFO ones, laid out as the About box looks them up.
root='SOFTWARE\VTEditorTest'
long=$(printf '0123456789%.0s' $(seq 110))

add() { wine reg add "HKLM\\$root\\$1" /f "${@:2}" >/dev/null; }
add 'Both\Shared Tools\MSINFO' /v PATH /t REG_SZ /d 'C:\Tools\msinfo32.exe'
add 'Both\Shared Tools Location' /v MSINFO /t REG_SZ /d 'C:\Fallback'
add 'FallbackOnly\Shared Tools Location' /v MSINFO /t REG_SZ \
  /d 'C:\Program Files\Common Files\Microsoft Shared\MSInfo'
add 'Values' /v Number /t REG_DWORD /d 305419896
add 'Values' /v Binary /t REG_BINARY /d 0102
add 'Values' /v Long /t REG_SZ /d "$long"
add 'Values' /v Empty /t REG_SZ /d ''

wine "$work/tst_getkeyvalue.exe" "$root" | tr -d '\r'
