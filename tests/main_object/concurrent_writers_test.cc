// Several processes with a main object each over one installation, saving
// at once, while another process reads the store files: every read finds a
// whole file, every save succeeds, and the files end as one writer left them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "common/store_codec.h"
#include "main_object/tessaly.h"
#include "platform/env.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "profiles/profile_manager.h"

namespace tessaly {
namespace {

constexpr int kWriters = 2;
constexpr int kCycles = 1000;

std::string NameOf(int writer, int cycle) {
  return "w" + std::to_string(writer) + " " + std::to_string(cycle);
}

// Exits with 0 when every save of every cycle succeeded.
int Write(int writer) {
  TqvTessaly tessaly(DefaultEnv());
  TqvProfileManager& manager = tessaly.manager();
  bool saved = true;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    std::string name = NameOf(writer, cycle);
    tessaly.SetOutputDocumentName(std::wstring(name.begin(), name.end()));
    tessaly.Update();
    saved = manager.profiles_store().Flush() && manager.plugin_store().Flush() && saved;
  }
  return saved ? 0 : 1;
}

// Exits with 0 when every read until `stop` exists found a whole store.
int Read(const std::string& folder, const std::string& stop) {
  FileSystem& files = *DefaultEnv().files;
  int bad = 0;
  while (!files.Exists(stop)) {
    for (const char* name : {"\\Profiles\\Profiles.qvf", "\\Profiles\\PlugIn.qvf"}) {
      std::string data;
      try {
        if (!files.Read(folder + name, &data) || DecodeStore(data).empty()) ++bad;
      } catch (const std::exception&) {
        ++bad;
      }
    }
  }
  return bad == 0 ? 0 : 1;
}

int Status(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

TEST(ConcurrentWritersTest, SavesAtOnceAllSucceedAndReadersSeeWholeFiles) {
  char tmpl[] = "/tmp/tessaly-writers-XXXXXX";
  std::string folder = mkdtemp(tmpl);
  ASSERT_EQ(mkdir((folder + "/Profiles").c_str(), 0755), 0);
  setenv("TESSALY_REGISTRY", (folder + "/registry.txt").c_str(), 1);
  DefaultEnv().registry->WriteString(kTessalyRegistryKey, "Installation Path", folder);
  { TqvTessaly first(DefaultEnv()); }  // the default files, before anyone reads

  std::string stop = folder + "\\stop";
  pid_t reader = fork();
  if (reader == 0) _exit(Read(folder, stop));
  pid_t writers[kWriters];
  for (int w = 0; w < kWriters; ++w) {
    writers[w] = fork();
    if (writers[w] == 0) _exit(Write(w));
  }
  for (int w = 0; w < kWriters; ++w) EXPECT_EQ(Status(writers[w]), 0) << "writer " << w;
  DefaultEnv().files->Write(stop, "");
  EXPECT_EQ(Status(reader), 0) << "a read found a missing or broken store";

  std::string data;
  ASSERT_TRUE(DefaultEnv().files->Read(folder + "\\Profiles\\Profiles.qvf", &data));
  std::string text = DecodeStore(data);
  bool one_of_them = false;
  for (int w = 0; w < kWriters; ++w) {
    one_of_them |= text.find("OutputDocumentName=" + NameOf(w, kCycles - 1) + "\r\n") !=
                   std::string::npos;
  }
  EXPECT_TRUE(one_of_them) << text.substr(0, 400);
  std::string working = folder + "\\Profiles\\\\Profiles.~qvf";
  EXPECT_TRUE(DefaultEnv().files->FilesStartingWith(working).empty());
  system(("rm -rf " + folder).c_str());
}

}  // namespace
}  // namespace tessaly
