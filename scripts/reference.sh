#!/usr/bin/env bash
# Prints the member reference, docs/reference.md, from the type library of
# a Windows build's TessalySDK.dll and the SDK's table of error codes
# (tools/reference). The CTest test `reference` of the Windows lane fails
# when the checked-in file differs from what this prints.
#
# Usage: bash scripts/reference.sh [build-dir]   (default: the build that
# scripts/quickstart.sh and scripts/test.sh run here, under build/)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
if [ $# -gt 0 ]; then
  build=$1
elif /usr/lib/wine/wine --version > /dev/null 2>&1; then
  build=build/win32
else
  build=build/win64
fi
if grep -q 'mingw-x86_64' "$build/CMakeCache.txt" 2> /dev/null; then arch=win64; else arch=win32; fi
cmake --build "$build" -j "$jobs" --target TessalySDK tq_reference > /dev/null
# wineserver -p fails when a server is already up: no matter.
source scripts/wine-env.sh "$build" "$arch" || true
"$TQ_WINE" "$build/tools/reference/tq_reference.exe" "$(cd "$build" && pwd)/server/TessalySDK.dll" \
  "$root/docs/reference.md" < /dev/null
echo "reference: wrote docs/reference.md"
