// tqstore check and cat on a 1,000-profile store, each measured against
// raw zlib inflate of the same file in the same run.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "bench/ratio_reporter.h"
#include "bench/raw_inflate.h"
#include "common/zlib_stream.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_keys.h"
#include "tools/tqstore/tqstore.h"

namespace tessaly {
namespace {

constexpr int kProfiles = 1000;
const char kPath[] = "C:\\T\\Profiles\\Profiles.qvf";

// Every key of a profile, with values of its kind, in every profile.
const std::string& ProfilesText() {
  static const std::string text = [] {
    std::string t = "[General Settings]\r\nLastProfile=Profil \xe9t\xe9 7\r\n\r\n";
    for (int p = 0; p < kProfiles; ++p) {
      t += "[Profil \xe9t\xe9 " + std::to_string(p) + "]\r\n";
      for (const ProfileKey& row : kProfileKeys) {
        t += row.key;
        t += "=";
        switch (row.kind) {
          case ProfileKind::kString: t += "Gr\xfc\xdf" "e " + std::to_string(p); break;
          case ProfileKind::kFont: t += "Arial,10,0,-2147483640,False,False,False,False"; break;
          case ProfileKind::kList: t += "one,\"two lines\",three"; break;
          case ProfileKind::kWatermarkName: t += "None"; break;
          default: t += std::to_string(p % 7); break;
        }
        t += "\r\n";
      }
      t += "\r\n";
    }
    return t;
  }();
  return text;
}

const std::string& ProfilesFile() {
  static const std::string file = Deflate(ProfilesText());
  return file;
}

// Output that goes nowhere, as to a pipe nobody reads.
class NullBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
  int overflow(int c) override { return c; }
};

void BM_RawInflate(benchmark::State& state) {
  RunRawInflate(state, ProfilesFile(), ProfilesText().size());
}

void RunCommand(benchmark::State& state, const char* command) {
  FakeEnv fake;
  fake.files.Put(kPath, ProfilesFile());
  NullBuffer sink;
  std::ostream out(&sink);
  for (auto _ : state) {
    int status = RunTqstore(fake.env, {command, kPath}, out, out);
    if (status != 0) state.SkipWithError("the command failed");
  }
}

void BM_Check(benchmark::State& state) { RunCommand(state, "check"); }
void BM_Cat(benchmark::State& state) { RunCommand(state, "cat"); }

BENCHMARK(BM_RawInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cat)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  // As in store_bench: large buffers are reused rather than mapped afresh.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  benchmark::Initialize(&argc, argv);
  tessaly::ProfilesFile();
  tessaly::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("ratio tqstore check/inflate: %.2f\n", reporter.Ratio("BM_Check", "BM_RawInflate"));
  std::printf("ratio tqstore cat/inflate: %.2f\n", reporter.Ratio("BM_Cat", "BM_RawInflate"));
  benchmark::Shutdown();
  return 0;
}
