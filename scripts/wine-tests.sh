#!/usr/bin/env bash
# The script clients of TessalySDK.dll under Wine: registers the DLL of a
# Windows build in that build's throwaway prefix, then runs every VBScript
# and JScript test client (tests/*/*_test.vbs, tests/*/*_test.js) with
# cscript, each behind the shared helpers of its language, the quickstart
# client of scripts/quickstart.sh and the samples of clients/samples, whose
# jobs the Tessaly queue must receive.
#
# Wine's cscript exits 0 even when a script stops on an uncaught error, so
# the exit code proves nothing: every client ends by printing its own count
# as its last line, "N passed, M failed", and a run passes only when that
# line is there with at least one check passed and none failed.
#
# Usage: bash scripts/wine-tests.sh <build-dir>
# scripts/test.sh calls it with the Wine environment already set up
# (scripts/wine-env.sh); run alone, it sets it up itself.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${1:?usage: wine-tests.sh <build-dir>}" && pwd)

if [ -z "${TQ_WINE:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  if grep -q 'mingw-x86_64' "$build/CMakeCache.txt"; then arch=win64; else arch=win32; fi
  # wineserver -p fails when the server is already up: no matter.
  source scripts/wine-env.sh "$build" "$arch" || true
fi

# Wine maps drive Z: to the root of the host's file system.
windows_path() {
  local p=$1
  printf 'Z:%s' "${p//\//\\}"
}

# The last `n` lines of a file that are not blank, without carriage returns.
last_lines() {
  (grep -v '^[[:space:]]*$' "$1" || true) | tail -n "$2" | tr -d '\r'
}

dll="$build/server/TessalySDK.dll"
[ -f "$dll" ] || { echo "wine-tests: $dll is missing; build first"; exit 1; }
log="$build/wine-tests.log"
: > "$log"

# Output goes to files, never into a pipe: programs that Wine starts in the
# background would hold a pipe open.
if ! "$TQ_WINE" regsvr32 /s "$(windows_path "$dll")" >> "$log" 2>&1; then
  echo "wine-tests: regsvr32 failed"
  cat "$log"
  exit 1
fi

# The print members need the Tessaly queue and a default queue of the
# user's own; the Office clients need a Word, a PowerPoint and an Excel: the
# fake Office server, registered for the run as all three.
# The Tessaly queue writes its jobs to one file; .txt files print with
# tq_print_text: a new prefix maps no program to .txt, and Wine's notepad /p
# waits in a print dialog when there is no display.
printers="$build/tests/printing/tq_test_printers.exe"
print_text="$build/tests/printing/tq_print_text.exe"
fake_office="$build/tests/office/office_server/FakeOfficeServer.dll"
sample="$build/clients/samples/print_document_sample.exe"
for program in "$printers" "$print_text" "$fake_office" "$sample"; do
  [ -f "$program" ] || { echo "wine-tests: $program is missing; build first"; exit 1; }
done
job="$build/wine-tests.job.ps"
print_verb="\"$(windows_path "$print_text")\" \"%1\""
if ! "$TQ_WINE" "$(windows_path "$printers")" "$job" >> "$log" 2>&1 ||
   ! "$TQ_WINE" reg add 'HKCR\.txt' /ve /d txtfile /f >> "$log" 2>&1 ||
   ! "$TQ_WINE" reg add 'HKCR\txtfile\shell\print\command' /ve /d "$print_verb" /f \
     >> "$log" 2>&1 ||
   ! "$TQ_WINE" regsvr32 /s "$(windows_path "$fake_office")" >> "$log" 2>&1; then
  echo "wine-tests: preparing the printers or the fake Office server failed"
  cat "$log"
  exit 1
fi
# Unregistered at the end, however the run ends: the Windows tests expect no Office.
trap '"$TQ_WINE" regsvr32 /s /u "$(windows_path "$fake_office")" >> "$log" 2>&1 || true' EXIT

# A fresh prefix has no temporary folder until a program makes one, and the
# clients keep their stores under %TEMP%.
"$TQ_WINE" cmd /c 'if not exist "%TEMP%" mkdir "%TEMP%"' < /dev/null > /dev/null 2>&1 || true

failures=0
runs=0
shopt -s nullglob
# Each client runs behind the helpers of its language (tests/script_checks.vbs
# or .js), in one file: Wine's cscript runs no includes.
clients="$build/script-clients"
mkdir -p "$clients"
for script in "$root"/tests/*/*_test.vbs "$root"/tests/*/*_test.js; do
  name=${script#"$root"/}
  run="$clients/$(basename "$script")"
  cat "$root/tests/script_checks.${script##*.}" "$script" > "$run"
  out="$build/wine-tests.$(basename "$script").out"
  runs=$((runs + 1))
  timeout 300 "$TQ_WINE" cscript //nologo "$(windows_path "$run")" > "$out" 2>&1 || true
  # The first client in a fresh prefix can stop silently while Wine is still
  # settling; a client that printed nothing gets one more run.
  if [ ! -s "$out" ]; then
    timeout 300 "$TQ_WINE" cscript //nologo "$(windows_path "$run")" > "$out" 2>&1 || true
  fi
  last=$(last_lines "$out" 1)
  if [[ "$last" =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]] &&
     [ "${BASH_REMATCH[1]}" -gt 0 ] && [ "${BASH_REMATCH[2]}" -eq 0 ]; then
    echo "wine-tests: $name: $last"
  else
    echo "wine-tests: $name FAILED (last line: ${last:-nothing})"
    cat "$out"
    failures=$((failures + 1))
  fi
done

# The README's main job keeps working: the quickstart client against the
# printer's default installation folder in the prefix.
mkdir -p "$WINEPREFIX/drive_c/Program Files/Orvane/Tessaly/Profiles"
out="$build/wine-tests.quickstart.vbs.out"
timeout 300 "$TQ_WINE" cscript //nologo "$(windows_path "$root/clients/quickstart.vbs")" \
  > "$out" 2>&1 || true
if [ "$(last_lines "$out" 1)" = "quickstart: done" ]; then
  echo "wine-tests: clients/quickstart.vbs: done"
else
  echo "wine-tests: clients/quickstart.vbs FAILED"
  cat "$out"
  failures=$((failures + 1))
fi
runs=$((runs + 1))

# The samples as a user runs them; each prints a text document through the
# shell route, and the job reaches the Tessaly queue's file. The Tessaly
# queue is made the default first: the shell's printing program starts in
# the background and prints on the default printer of the moment, which a
# switched job puts back after a second, too soon for a loaded machine.
"$TQ_WINE" reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device \
  /d 'Orvane Tessaly,winspool,TESSALY:' /f >> "$log" 2>&1
for sample_run in "cscript //nologo $(windows_path "$root/clients/samples/print_document.vbs")" \
                  "cscript //nologo $(windows_path "$root/clients/samples/print_document.js")" \
                  "$(windows_path "$sample")"; do
  name=clients/samples/$(basename "${sample_run##*\\}")
  out="$build/wine-tests.$(basename "$name").out"
  rm -f "$job"
  runs=$((runs + 1))
  # shellcheck disable=SC2086 # the command and its options, split on purpose
  timeout 300 "$TQ_WINE" $sample_run > "$out" 2>&1 || true
  for _ in $(seq 30); do
    [ -s "$job" ] && grep -q '%%EOF' "$job" && break
    sleep 1
  done
  if [ "$(last_lines "$out" 1)" = "sample: done" ] && grep -q '%%EOF' "$job" 2> /dev/null; then
    echo "wine-tests: $name: done, the queue received $(wc -c < "$job") bytes"
  else
    echo "wine-tests: $name FAILED (job file: $( [ -s "$job" ] && echo written || echo none))"
    cat "$out"
    failures=$((failures + 1))
  fi
done

if [ "$runs" -eq 0 ]; then
  echo "wine-tests: no script clients found"
  exit 1
fi
if [ "$failures" -gt 0 ]; then
  echo "wine-tests: $failures of $runs script clients failed"
  exit 1
fi
echo "wine-tests: all $runs script clients passed"
