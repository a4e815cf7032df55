#!/usr/bin/env bash
# The x64 Windows Installer package under Wine, in the Wine prefix of an
# x86_64 build: msiexec /i /qn, then the registry against the server's own
# registration table in both views (tq_registration_check), and a VBScript
# client that creates the class by ProgID; msiexec /x /qn, then nothing of
# the class, the ProgID or the type library is left, nor the files.
# Usage: bash tests/installer/msi-test.sh <x86_64 build> <x64 msi>
# Expects the Wine environment of scripts/wine-env.sh for that build.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?usage: msi-test.sh <build> <msi>}" && pwd)
msi=$(cd "$(dirname "${2:?msi}")" && pwd)/$(basename "$2")
check="$build/tests/installer/tq_registration_check.exe"
log="$build/msi-test.log"
: > "$log"
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
fail() {
  echo "msi-test: $*"
  tr -d '\r' < "$log" | tail -n 20
  exit 1
}
run() { "$TQ_WINE" "$@" >> "$log" 2>&1 < /dev/null; }

dir64="$WINEPREFIX/drive_c/Program Files/Orvane/Tessaly SDK"
dir32="$WINEPREFIX/drive_c/Program Files (x86)/Orvane/Tessaly SDK"
run msiexec /i "$(winpath "$msi")" /qn || fail "msiexec /i failed"
# A failed check must not leave the package installed for the next run.
trap 'run msiexec /x "$(winpath "$msi")" /qn || true' EXIT
[ -f "$dir64/TessalySDK.dll" ] && [ -f "$dir32/TessalySDK.dll" ] || fail "files not installed"
run "$check" present win64 'C:\Program Files\Orvane\Tessaly SDK\TessalySDK.dll' ||
  fail "64-bit view differs from the registration table"
run "$check" present win32 'C:\Program Files (x86)\Orvane\Tessaly SDK\TessalySDK.dll' ||
  fail "32-bit view differs from the registration table"

# The main object keeps its stores in the printer's installation folder.
mkdir -p "$WINEPREFIX/drive_c/Program Files/Orvane/Tessaly/Profiles"
out="$build/msi-test.client.out"
timeout 300 "$TQ_WINE" cscript //nologo "$(winpath "$root/tests/installer/msi_client.vbs")" \
  > "$out" 2>&1 < /dev/null || true
last=$( (grep -v '^[[:space:]]*$' "$out" || true) | tail -n 1 | tr -d '\r')
if [[ "$last" != "msi-client: created"* ]]; then
  cat "$out"
  fail "the client could not create the class"
fi

trap - EXIT
run msiexec /x "$(winpath "$msi")" /qn || fail "msiexec /x failed"
run "$check" absent win64 || fail "64-bit view keeps keys after uninstalling"
run "$check" absent win32 || fail "32-bit view keeps keys after uninstalling"
[ ! -e "$dir64/TessalySDK.dll" ] && [ ! -e "$dir32/TessalySDK.dll" ] || fail "files left behind"
echo "msi-test: $(basename "$msi"): installed, created by ProgID ($last), uninstalled"
