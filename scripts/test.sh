#!/usr/bin/env bash
# The tests of one lane or of both: installs what is missing, then builds
# and runs them.
#   scripts/test.sh native   the native tests, the sanitizer build,
#                            benchmarks and the fuzz targets
#   scripts/test.sh windows  the Windows builds, their tests under Wine, the
#                            script clients, the type library check, the
#                            developer kit and the Windows Installer packages
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
export TQ_SETUP_DONE=1
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

# Both widths are always built and both type libraries checked; the tests
# of the i686 build run where 32-bit Wine does, otherwise those of the
# x86_64 build.
windows_lane() {
  tq_windows_builds build
  echo "== windows tests under Wine ($tq_win_arch)"
  source scripts/wine-env.sh "$tq_win_build" "$tq_win_arch"
  ctest --test-dir "$tq_win_build" --output-on-failure -j "$jobs"
  bash scripts/wine-tests.sh "$tq_win_build"
  # Both DLLs' type libraries, read by the program of the build that runs here.
  bash scripts/check-typelibs.sh "$tq_win_build" build/win32 build/win64
  echo "== developer kit and Windows Installer packages"
  bash scripts/package.sh
  # The x64 package needs a 64-bit prefix; it is installed last, since its
  # removal takes the build DLL's registration with it.
  if [ "$tq_win_arch" = win64 ]; then
    bash tests/installer/msi-test.sh "$tq_win_build" dist/TessalySDK-*-x64.msi
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
