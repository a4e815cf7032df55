# Sourced by scripts/test.sh and scripts/quickstart.sh: configuring and
# building the lanes' CMake builds, and the choice of the Windows build whose
# programs run on this machine.
# Expects `root` (the checkout) and `jobs` (parallel build jobs) to be set.

# tq_build <dir> <cmake configure arguments...>
# Configures a Ninja build in <dir> quietly and builds all of it.
tq_build() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja "$@" > /dev/null
  cmake --build "$dir" -j "$jobs"
}

# tq_windows_build <dir> <i686|x86_64> [target...]
# A Release build with the mingw-w64 toolchain of that architecture; only
# the given targets when there are any.
tq_windows_build() {
  local dir=$1 arch=$2
  shift 2
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" > /dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$dir" -j "$jobs" --target "$@"
  else
    cmake --build "$dir" -j "$jobs"
  fi
}

# tq_windows_builds <out> [target...]
# Both shipped DLLs from the same sources: <out>/win32 (i686, the reference
# build, for 32-bit hosts) and <out>/win64 (x86_64, for 64-bit hosts). The
# programs of the i686 build run under 32-bit Wine where that is installed
# and the kernel executes 32-bit programs; elsewhere those of the x86_64
# build run under 64-bit Wine. Sets tq_win_build to the build that runs here
# and tq_win_arch to its Wine architecture.
tq_windows_builds() {
  local out=$1
  shift
  echo "== windows i686 (mingw-w64)"
  tq_windows_build "$out/win32" i686 "$@"
  echo "== windows x86_64 (mingw-w64)"
  tq_windows_build "$out/win64" x86_64 "$@"
  if /usr/lib/wine/wine --version > /dev/null 2>&1; then
    tq_win_build=$out/win32
    tq_win_arch=win32
  else
    echo "== no 32-bit Wine here (not installed, or the kernel runs no 32-bit programs):" \
      "Windows programs run as x86_64 under 64-bit Wine"
    tq_win_build=$out/win64
    tq_win_arch=win64
  fi
}
