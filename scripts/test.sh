#!/usr/bin/env bash
# The tests of one lane or of both: installs what is missing, then builds
# and runs them.
#   scripts/test.sh native   the native tests, the sanitizer build,
#                            benchmarks and the fuzz targets
#   scripts/test.sh windows  the Windows builds, their tests under Wine, the
#                            script clients and the type library check
#   scripts/test.sh [all]    both lanes (what CI runs)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
lane=${1:-all}
case "$lane" in
  native | windows | all) ;;
  *)
    echo "usage: scripts/test.sh [native|windows|all]" >&2
    exit 2
    ;;
esac

bash scripts/setup.sh
source scripts/lanes.sh

native_lane() {
  echo "== native"
  tq_build build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo
  ctest --test-dir build/native --output-on-failure -j "$jobs"

  echo "== native with AddressSanitizer and UndefinedBehaviorSanitizer"
  tq_build build/asan -DCMAKE_BUILD_TYPE=Debug -DTQ_SANITIZE=ON
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure -j "$jobs"

  if [ -x build/native/bench/tq_bench ]; then
    echo "== benchmarks"
    build/native/bench/tq_bench --benchmark_min_time=0.05 --benchmark_repetitions=5
    build/native/bench/tq_office_bench --benchmark_min_time=0.05 --benchmark_repetitions=5
  fi
  if [ -x build/native/bench/tq_tqstore_bench ]; then
    build/native/bench/tq_tqstore_bench --benchmark_min_time=0.05 --benchmark_repetitions=5
  fi

  if [ -f fuzz/run.sh ]; then
    echo "== fuzz"
    bash fuzz/run.sh
  fi
}

# The i686 build is always compiled, linked and its type library checked;
# its tests run where 32-bit Wine does, otherwise those of the x86_64 build.
windows_lane() {
  tq_windows_builds build
  echo "== windows tests under Wine ($tq_win_arch)"
  source scripts/wine-env.sh "$tq_win_build" "$tq_win_arch"
  ctest --test-dir "$tq_win_build" --output-on-failure -j "$jobs"
  bash scripts/wine-tests.sh "$tq_win_build"
  # The i686 DLL's type library, read by the program of the build that runs here.
  if [ "$tq_win_build" = build/win64 ]; then
    bash scripts/check-typelibs.sh "$tq_win_build" build/win32 build/win64
  else
    bash scripts/check-typelibs.sh "$tq_win_build" build/win32
  fi
  "$TQ_WINESERVER" -k || true
}

# Called as plain commands, never in a condition, where errexit would not
# stop at a failing step inside them.
case "$lane" in
  native) native_lane ;;
  windows) windows_lane ;;
  all)
    native_lane
    windows_lane
    ;;
esac
if [ "$lane" = all ]; then echo "== all tests passed"; else echo "== all $lane tests passed"; fi
