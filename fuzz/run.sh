#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a short, bounded time.
# Fails on a crash, a leak, a sanitizer report or a broken round trip.
#   bash fuzz/run.sh                  every target for TQ_FUZZ_SECONDS (8 s by default)
#   bash fuzz/run.sh --long SECONDS   a campaign: every target for SECONDS, one after another
#   bash fuzz/run.sh --runs COUNT     a campaign: every target for COUNT executions
#   bash fuzz/run.sh ... TARGET...    only the targets named
set -euo pipefail
cd "$(dirname "$0")/.."
# TQ_FUZZ_SANITIZERS=undefined leaves AddressSanitizer out, for campaigns
# that need the executions more than the memory checks.
sanitizers=${TQ_FUZZ_SANITIZERS:-address,undefined}
build=build/fuzz
if [ "$sanitizers" != "address,undefined" ]; then build="build/fuzz-${sanitizers//,/-}"; fi
seconds=${TQ_FUZZ_SECONDS:-8}
runs=-1
if [ "${1:-}" = "--long" ]; then
  seconds=${2:?"--long needs the seconds per target"}
  shift 2
elif [ "${1:-}" = "--runs" ]; then
  runs=${2:?"--runs needs the executions per target"}
  seconds=0
  shift 2
fi
flags="-fsanitize=fuzzer-no-link,$sanitizers -fno-sanitize-recover=all"
flags+=" -fno-omit-frame-pointer"
targets=(fuzz_text_to_font fuzz_watermark_file fuzz_store_codec fuzz_ini_file fuzz_comma_text
         fuzz_setting_reads fuzz_annotation_lists)
if [ $# -gt 0 ]; then targets=("$@"); fi

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTQ_FUZZ=ON -DTQ_BENCHMARKS=OFF -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" > /dev/null
cmake --build "$build" -j "${TQ_BUILD_JOBS:-$(nproc)}" --target "${targets[@]}"

for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  if [ "$runs" -ge 0 ]; then echo "fuzz: $target for $runs executions"; else echo "fuzz: $target for ${seconds}s"; fi
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/" \
    "$corpus" "fuzz/seeds/$target" 2>&1 | tail -40
done
echo "fuzz: all targets ran clean"
