#!/usr/bin/env bash
# The main job: builds TessalySDK.dll for Windows, registers it in a Wine
# prefix and drives it from a VBScript client (clients/quickstart.vbs) that
# configures profiles and settings the way a host program would and prints
# what it did. Installs what is missing first.
#
# The shipped DLL is 32-bit; on a kernel that cannot run 32-bit programs the
# same sources are built for x86_64 and run under 64-bit Wine instead.
# TQ_BUILD_ROOT names the folder of the builds (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
out=${TQ_BUILD_ROOT:-build}

bash scripts/setup.sh

source scripts/lanes.sh
tq_windows_builds "$out" TessalySDK
build=$tq_win_build
arch=$tq_win_arch

echo "== Wine prefix ($arch)"
# wineserver -p fails when a server is already up: no matter.
source scripts/wine-env.sh "$build" "$arch" || true
trap '"$TQ_WINESERVER" -k > /dev/null 2>&1 || true' EXIT
# The printer's installation folder, where the stores live.
mkdir -p "$WINEPREFIX/drive_c/Program Files/Orvane/Tessaly/Profiles"

dll="$(cd "$build" && pwd)/server/TessalySDK.dll"
"$TQ_WINE" regsvr32 /s "Z:${dll//\//\\}" > "$build/quickstart.log" 2>&1 || {
  cat "$build/quickstart.log"
  echo "quickstart: regsvr32 failed"
  exit 1
}
echo "== registered $build/server/TessalySDK.dll"

echo "== clients/quickstart.vbs"
client="$root/clients/quickstart.vbs"
"$TQ_WINE" cscript //nologo "Z:${client//\//\\}" > "$build/quickstart.out" 2>&1 || true
tr -d '\r' < "$build/quickstart.out"
# cscript ends quietly on an uncaught error: the client's last line tells.
if [ "$(tr -d '\r' < "$build/quickstart.out" | tail -n 1)" != "quickstart: done" ]; then
  echo "quickstart: the client stopped early"
  exit 1
fi
echo "== the stores the printer reads: $WINEPREFIX/drive_c/Program Files/Orvane/Tessaly/Profiles"
ls -l "$WINEPREFIX/drive_c/Program Files/Orvane/Tessaly/Profiles"
