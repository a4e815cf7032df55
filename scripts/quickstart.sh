#!/usr/bin/env bash
# The main job: builds TessalySDK.dll for Windows, registers it in a Wine
# prefix of the quickstart's own (never the tests' prefix, whose registry
# the tests change), makes the printer queue "Orvane Tessaly" there on a
# port mapped to a job file, and drives the DLL from a VBScript client
# (clients/quickstart.vbs) that configures profiles and settings the way a
# host program would, adds a bookmark and prints a text document through
# the shell. Shows the job the queue received and the stores. Installs what
# is missing first.
#
# Both widths of the DLL are built; the client drives the i686 one under
# 32-bit Wine where the kernel runs 32-bit programs, the x86_64 one under
# 64-bit Wine elsewhere.
# TQ_BUILD_ROOT names the folder of the builds (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
out=${TQ_BUILD_ROOT:-build}

bash scripts/setup.sh

source scripts/lanes.sh
tq_windows_builds "$out" TessalySDK tq_test_printers tq_print_text
build=$tq_win_build
arch=$tq_win_arch

state="$build/quickstart"
mkdir -p "$state"
echo "== Wine prefix ($arch) of the quickstart: $state/wineprefix"
# wineserver -p fails when a server is already up: no matter.
source scripts/wine-env.sh "$state" "$arch" || true
trap '"$TQ_WINESERVER" -k > /dev/null 2>&1 || true' EXIT
# The printer's installation folder, where the stores live.
stores="$WINEPREFIX/drive_c/Program Files/Orvane/Tessaly/Profiles"
mkdir -p "$stores"
log="$state/quickstart.log"
: > "$log"
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
run() {
  "$TQ_WINE" "$@" < /dev/null >> "$log" 2>&1 || {
    cat "$log"
    echo "quickstart: $* failed"
    exit 1
  }
}

build_abs=$(cd "$build" && pwd)
run regsvr32 /s "$(windows_path "$build_abs/server/TessalySDK.dll")"
echo "== registered $build/server/TessalySDK.dll"
job="$(cd "$state" && pwd)/Orvane Tessaly.ps"
rm -f "$job"
run "$(windows_path "$build_abs/tests/printing/tq_test_printers.exe")" --tessaly-only "$job"
echo "== printer queue \"Orvane Tessaly\": Wine's PostScript driver, its jobs written to $job"
# A new Wine prefix maps no program to .txt (the shell's print fails with "There
# is no application associated with the given filename extension."), and its
# txtfile class prints with notepad /p, which waits in a print dialog when there
# is no display: .txt is made a txtfile, printed by a program without a dialog.
run reg add 'HKCR\.txt' /ve /d txtfile /f
print_text="\"$(windows_path "$build_abs/tests/printing/tq_print_text.exe")\" \"%1\""
run reg add 'HKCR\txtfile\shell\print\command' /ve /d "$print_text" /f
run cmd /c 'if not exist "%TEMP%" mkdir "%TEMP%"'

echo "== clients/quickstart.vbs"
client="$root/clients/quickstart.vbs"
"$TQ_WINE" cscript //nologo "$(windows_path "$client")" > "$state/quickstart.out" 2>&1 || true
tr -d '\r' < "$state/quickstart.out"
# cscript ends quietly on an uncaught error: the client's last line tells.
if [ "$(tr -d '\r' < "$state/quickstart.out" | tail -n 1)" != "quickstart: done" ]; then
  echo "quickstart: the client stopped early"
  exit 1
fi
# The shell route returns once the printing program has started.
for _ in $(seq 30); do
  [ -s "$job" ] && grep -q '%%EOF' "$job" && break
  sleep 1
done
if [ ! -s "$job" ]; then
  echo "quickstart: the queue received no job"
  exit 1
fi
echo "== the job the queue \"Orvane Tessaly\" received: $job"
ls -l "$job"
head -n 5 "$job"
echo "== the stores the printer reads: $stores"
ls -l "$stores"
