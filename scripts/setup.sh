#!/usr/bin/env bash
# Installs everything both build lanes need on a fresh Debian 12 machine.
# Safe to run again: packages already present are left as they are.
#
# A package index that cannot be fetched does not stop the install: apt-get
# update is retried, and then the install itself decides whether what the
# build needs can still be had. 32-bit Wine is installed only where the
# kernel runs 32-bit programs; without it the Windows tests run under 64-bit
# Wine and the i686 DLL is still built and checked.
#
# Exits non-zero, after one line naming the package and the reason, only when
# a package that the build or the tests need cannot be installed.
set -euo pipefail

# Every tool the build and the tests call is named here, never left to
# arrive through another package's dependencies.
required=(
  build-essential binutils cmake ninja-build pkg-config
  zlib1g-dev libxml2-dev libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  mingw-w64-tools libz-mingw-w64-dev
  wine wine64 libwine-dev wine64-tools
  zip wixl msitools
)
# Only of use where 32-bit programs run: the Windows tests of the i686 build.
optional_32bit=(wine32:i386)

log=${TQ_SETUP_LOG:-/tmp/tessaly-setup.log}
: > "$log"
export DEBIAN_FRONTEND=noninteractive

say() { echo "setup: $*"; }

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

# apt-get update exits 100 when any one index fails, even when every other
# was fetched. Retry a few times, then go on with what was fetched.
update_indexes() {
  local try
  for try in 1 2 3; do
    if apt-get update -qq >> "$log" 2>&1; then
      return 0
    fi
    say "apt-get update failed (try $try of 3)"
    sleep $((try * 2))
  done
  say "some package indexes are unavailable; going on with those that were fetched:"
  grep -E '^(E|W): ' "$log" | sort -u | sed 's/^/setup:   /' | tail -n 5 || true
}

# The reason apt gives for one package, in one line.
why_not() {
  local reason
  reason=$(apt-get install -s -y --no-install-recommends "$1" 2>&1 |
           grep -E '^E: |Depends: |but it is not' | head -n 2 | tr -s ' \n' ' ') || true
  echo "${reason:-apt-get could not install it (see $log)}"
}

# Installs the given packages in one transaction. When that fails, finds
# which of them cannot be installed and prints the reason for each.
install_all() {
  if apt-get install -y -qq --no-install-recommends "$@" >> "$log" 2>&1; then
    return 0
  fi
  local p bad=0
  for p in "$@"; do
    if ! apt-get install -s -y --no-install-recommends "$p" > /dev/null 2>&1; then
      say "cannot install $p: $(why_not "$p")"
      bad=1
    fi
  done
  [ "$bad" -eq 1 ] || say "installing $* failed: $(grep -E '^E: ' "$log" | tail -n 1)"
  return 1
}

# Whether this kernel executes 32-bit x86 programs: a minimal i386 program
# that only exits, assembled and linked with binutils (no 32-bit C library
# needed), is run once.
runs_32bit_programs() {
  local dir ok=1
  dir=$(mktemp -d)
  printf '.globl _start\n_start:\n  movl $1, %%eax\n  xorl %%ebx, %%ebx\n  int $0x80\n' > "$dir/exit.s"
  if as --32 -o "$dir/exit.o" "$dir/exit.s" 2>> "$log" &&
     ld -m elf_i386 -o "$dir/exit" "$dir/exit.o" 2>> "$log" &&
     "$dir/exit" 2>> "$log"; then
    ok=0
  fi
  rm -rf "$dir"
  return "$ok"
}

updated=0
ensure_indexes() {
  [ "$updated" -eq 1 ] || { update_indexes; updated=1; }
}

mapfile -t missing < <(missing_of "${required[@]}")
if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  ensure_indexes
  install_all "${missing[@]}" || { say "required packages are missing; see $log"; exit 1; }
fi

if runs_32bit_programs; then
  mapfile -t missing32 < <(missing_of "${optional_32bit[@]}")
  if [ ${#missing32[@]} -gt 0 ]; then
    say "this kernel runs 32-bit programs: installing ${missing32[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      dpkg --add-architecture i386
      updated=0
    fi
    ensure_indexes
    install_all "${missing32[@]}" ||
      say "going on without 32-bit Wine: the Windows tests will run under 64-bit Wine"
  fi
else
  say "this kernel runs no 32-bit programs: 32-bit Wine is not installed"
fi
say "done"
