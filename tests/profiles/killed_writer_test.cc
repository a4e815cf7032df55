// A process killed at random points while it saves a store: the store
// always decodes to one version that was written, and what the dead writer
// leaves behind never stops the next open.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

#include "common/store_codec.h"
#include "platform/code_page.h"
#include "platform/env.h"
#include "platform/file_system.h"
#include "store/store_file.h"

namespace tessaly {
namespace {

// The text of version n: the version and enough filler to take a while to
// write.
void FillVersion(IniFile& ini, int n) {
  for (int k = 0; k < 200; ++k) {
    ini.WriteString("Lines", "Key" + std::to_string(k), std::to_string(n) + " of some length");
  }
  ini.WriteString("Lines", "Version", std::to_string(n));
}

[[noreturn]] void WriteForever(const std::string& path) {
  TqvStoreFile store(DefaultEnv(), path);
  IniFile& ini = store.Load();
  for (int n = 1;; ++n) {
    FillVersion(ini, n);
    store.Flush();
  }
}

TEST(KilledWriterTest, TheStoreIsAlwaysAWrittenVersion) {
  char tmpl[] = "/tmp/tessaly-killed-XXXXXX";
  const std::string folder = mkdtemp(tmpl);
  const std::string path = folder + "\\Profiles.qvf";
  const Env& env = DefaultEnv();
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> delay_us(0, 8000);
  int leftovers = 0;
  for (int run = 0; run < 200; ++run) {
    pid_t writer = fork();
    if (writer == 0) WriteForever(path);
    usleep(static_cast<useconds_t>(delay_us(random)));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);

    leftovers += !env.files->FilesStartingWith(folder + "\\\\Profiles.~qvf").empty();
    TqvStoreFile store(env, path);
    IniFile* ini = nullptr;
    ASSERT_NO_THROW(ini = &store.Load()) << "run " << run;
    int n = ini->ReadInteger("Lines", "Version", 0);
    if (n == 0) {
      // Killed before its first save: no store yet.
      EXPECT_TRUE(ini->SectionNames().empty()) << "run " << run;
    } else {
      IniFile expected("x", env.code_page->UpperTable(), '.');
      FillVersion(expected, n);
      EXPECT_EQ(ini->Text(), expected.Text()) << "run " << run;
    }
    // The dead writer's working file went with the open.
    EXPECT_TRUE(env.files->FilesStartingWith(folder + "\\\\Profiles.~qvf").empty()) << run;
    store.Discard();
  }
  // Some kills came between writing a working file and renaming it.
  EXPECT_GT(leftovers, 0);
  system(("rm -rf " + folder).c_str());
}

}  // namespace
}  // namespace tessaly
