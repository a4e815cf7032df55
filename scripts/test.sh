#!/usr/bin/env bash
# Every test of both lanes: installs what is missing, then builds and runs
# the native tests, the sanitizer build, the fuzz targets and benchmarks,
# and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

bash scripts/setup.sh

echo "== native"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== native with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTQ_SANITIZE=ON > /dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"

if [ -x build/native/bench/tq_bench ]; then
  echo "== benchmarks"
  build/native/bench/tq_bench --benchmark_min_time=0.05 --benchmark_repetitions=5
fi

if [ -f fuzz/run.sh ]; then
  echo "== fuzz"
  bash fuzz/run.sh
fi

# The shipped DLL is 32-bit. Its tests run under 32-bit Wine where that is
# installed and the kernel executes 32-bit programs; elsewhere the same
# sources are built for x86_64 and their tests run under 64-bit Wine, while
# the i686 build is still compiled, linked and its type library checked.
echo "== windows i686 (mingw-w64)"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" > /dev/null
cmake --build build/win32 -j "$jobs"
if /usr/lib/wine/wine --version > /dev/null 2>&1; then
  win_build=build/win32
  win_arch=win32
else
  echo "== no 32-bit Wine here (not installed, or the kernel runs no 32-bit programs): Windows tests run as x86_64 under 64-bit Wine"
  cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" > /dev/null
  cmake --build build/win64 -j "$jobs"
  win_build=build/win64
  win_arch=win64
fi
echo "== windows tests under Wine ($win_arch)"
source scripts/wine-env.sh "$win_build" "$win_arch"
ctest --test-dir "$win_build" --output-on-failure -j "$jobs"
bash scripts/wine-tests.sh "$win_build"
# The i686 DLL's type library, read by the program of the build that runs here.
if [ "$win_build" = build/win64 ]; then
  bash scripts/check-typelibs.sh "$win_build" build/win32 build/win64
else
  bash scripts/check-typelibs.sh "$win_build" build/win32
fi
"$TQ_WINESERVER" -k || true
echo "== all tests passed"
