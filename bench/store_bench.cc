// Load, flush and key access of a large Profiles store, each measured
// against a plain baseline in the same run; prints one ratio per pair.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <malloc.h>

#include <cstdio>
#include <string>
#include <unordered_map>

#include "bench/ratio_reporter.h"
#include "bench/raw_inflate.h"
#include "common/ini_file.h"
#include "common/zlib_stream.h"
#include "platform/fake/fake_env.h"
#include "store/store_file.h"

namespace tessaly {
namespace {

constexpr int kProfiles = 1000;
constexpr int kKeys = 230;
const char kPath[] = "C:\\T\\Profiles\\Profiles.qvf";

// Profile and key names with ANSI letters beyond ASCII, values of mixed
// shapes, as a well-used installation would hold them.
const std::string& ProfilesText() {
  static const std::string text = [] {
    std::string t = "[General Settings]\r\nLastProfile=Profil \xe9t\xe9 7\r\n\r\n";
    for (int p = 0; p < kProfiles; ++p) {
      t += "[Profil \xe9t\xe9 " + std::to_string(p) + "]\r\n";
      for (int k = 0; k < kKeys; ++k) {
        t += "Schl\xfcssel" + std::to_string(k) + "=";
        switch (k % 4) {
          case 0: t += std::to_string(k * 7919 % 1000); break;
          case 1: t += "1"; break;
          case 2: t += "Gr\xfc\xdf" "e und \xc4nderung " + std::to_string(p); break;
          default: t += "Arial,10,0,-2147483640,False,False,False,False"; break;
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

void BM_RawInflate(benchmark::State& state) {
  RunRawInflate(state, ProfilesFile(), ProfilesText().size());
}

void BM_Load(benchmark::State& state) {
  FakeEnv fake;
  fake.files.Put(kPath, ProfilesFile());
  for (auto _ : state) {
    TqvStoreFile store(fake.env, kPath);
    benchmark::DoNotOptimize(store.Load());
  }
}

void BM_RawDeflate(benchmark::State& state) {
  const std::string& text = ProfilesText();
  std::string out(compressBound(static_cast<uLong>(text.size())), '\0');
  for (auto _ : state) {
    uLongf size = static_cast<uLongf>(out.size());
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
              Z_DEFAULT_COMPRESSION);
    benchmark::DoNotOptimize(out.data());
  }
}

void BM_Flush(benchmark::State& state) {
  FakeEnv fake;
  fake.files.Put(kPath, ProfilesFile());
  TqvStoreFile store(fake.env, kPath);
  store.Load();
  store.ini().WriteString("Profil \xe9t\xe9 3", "Schl\xfcssel" "5", "changed");
  for (auto _ : state) benchmark::DoNotOptimize(store.Flush());
}

// The key read and written: in the middle of the store, asked in another
// letter case than it is stored in.
const char kSection[] = "PROFIL \xc9T\xc9 500";
const char kKey[] = "SCHL\xdcSSEL117";

struct Loaded {
  Cp1252CodePage code_page;
  IniFile ini{"x", code_page.UpperTable(), '.'};
  Loaded() { ini.SetText(ProfilesText()); }
};

Loaded& Store() {
  static Loaded loaded;
  return loaded;
}

std::unordered_map<std::string, std::string>& Map() {
  static std::unordered_map<std::string, std::string> map = [] {
    std::unordered_map<std::string, std::string> m;
    for (int k = 0; k < kKeys; ++k) m["Schl\xfcssel" + std::to_string(k)] = "value";
    m[kKey] = "value";
    return m;
  }();
  return map;
}

void BM_MapGet(benchmark::State& state) {
  auto& map = Map();
  std::string key = kKey;
  for (auto _ : state) benchmark::DoNotOptimize(map.find(key));
}

void BM_Get(benchmark::State& state) {
  IniFile& ini = Store().ini;
  ini.Find(kSection, kKey);  // the section's index is built on first use
  for (auto _ : state) benchmark::DoNotOptimize(ini.Find(kSection, kKey));
}

void BM_MapSet(benchmark::State& state) {
  auto& map = Map();
  std::string key = kKey;
  for (auto _ : state) {
    map[key] = "value of some length";
    benchmark::ClobberMemory();
  }
}

void BM_Set(benchmark::State& state) {
  IniFile& ini = Store().ini;
  for (auto _ : state) {
    ini.WriteString(kSection, kKey, "value of some length");
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_RawInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawDeflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flush)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapGet);
BENCHMARK(BM_Get);
BENCHMARK(BM_MapSet);
BENCHMARK(BM_Set);

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  // Large buffers come from the heap and go back to it: without this each
  // iteration's fresh mappings are paid for in page faults, on both sides
  // of a ratio alike, and the figures only measure the virtual machine.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  benchmark::Initialize(&argc, argv);
  tessaly::ProfilesFile();  // built before anything is timed
  tessaly::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("ratio load/inflate: %.2f\n", reporter.Ratio("BM_Load", "BM_RawInflate"));
  std::printf("ratio flush/deflate: %.2f\n", reporter.Ratio("BM_Flush", "BM_RawDeflate"));
  std::printf("ratio get/map: %.2f\n", reporter.Ratio("BM_Get", "BM_MapGet"));
  std::printf("ratio set/map: %.2f\n", reporter.Ratio("BM_Set", "BM_MapSet"));
  benchmark::Shutdown();
  return 0;
}
