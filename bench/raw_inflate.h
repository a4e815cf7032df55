#pragma once

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>

namespace tessaly {

// The baseline of the store benchmarks: zlib alone, one call inflating
// `file` into a buffer of the right size (`text_size`).
inline void RunRawInflate(benchmark::State& state, const std::string& file, size_t text_size) {
  std::string out(text_size, '\0');
  for (auto _ : state) {
    uLongf size = static_cast<uLongf>(out.size());
    uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
               reinterpret_cast<const Bytef*>(file.data()), static_cast<uLong>(file.size()));
    benchmark::DoNotOptimize(out.data());
  }
}

}  // namespace tessaly
