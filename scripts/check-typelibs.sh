#!/usr/bin/env bash
# Checks the type libraries embedded in the Windows builds' DLLs: each one
# loads (LoadTypeLibEx, no registration) and has the SYSKIND of its
# architecture, and the i686 and x86_64 libraries hold the same types and
# members with the same dispatch ids.
#
# Usage: bash scripts/check-typelibs.sh <tool-build> <build>...
# <tool-build> is the Windows build whose tq_typelib_dump runs under the Wine
# environment of scripts/wine-env.sh (already set up by the caller); each
# <build> is a Windows build folder whose server/TessalySDK.dll is checked.
set -euo pipefail
tool_build=$(cd "${1:?usage: check-typelibs.sh <tool-build> <build>...}" && pwd)
shift
tool="$tool_build/tests/server/tq_typelib_dump.exe"
[ -f "$tool" ] || { echo "check-typelibs: $tool is missing; build first"; exit 1; }

first=
for build in "$@"; do
  build=$(cd "$build" && pwd)
  dll="$build/server/TessalySDK.dll"
  dump="$build/typelib.txt"
  if grep -q 'mingw-x86_64' "$build/CMakeCache.txt"; then want=SYS_WIN64; else want=SYS_WIN32; fi
  # Output to a file, never a pipe: Wine's background programs would hold it.
  if ! "$TQ_WINE" "$tool" "Z:${dll//\//\\}" > "$dump" 2>&1; then
    echo "check-typelibs: the type library of $dll does not load:"
    cat "$dump"
    exit 1
  fi
  tr -d '\r' < "$dump" > "$dump.tmp" && mv "$dump.tmp" "$dump"
  got=$(sed -n 's/^syskind //p' "$dump")
  if [ "$got" != "$want" ]; then
    echo "check-typelibs: $dll has ${got:-no SYSKIND}, not $want"
    exit 1
  fi
  echo "check-typelibs: $dll: $want, $(grep -c '^type ' "$dump") types, $(grep -c '^  func ' "$dump") members"
  if [ -z "$first" ]; then
    first=$dump
  elif ! diff <(grep -v '^syskind ' "$first") <(grep -v '^syskind ' "$dump") > "$build/typelib.diff"; then
    echo "check-typelibs: $first and $dump differ:"
    head -n 40 "$build/typelib.diff"
    exit 1
  fi
done
