// Several processes with a main object each over one installation, saving
// at once, while another process reads the store files: every read finds a
// whole file, every save succeeds, and the files end as one writer left them.
// Natively the processes are forked; on Windows they are this program again,
// started to play one role (TQ_WRITERS_ROLE), over the real MoveFileExW.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

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

#ifdef _WIN32
using Child = HANDLE;

std::string NewFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "tessaly-writers-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\Profiles").c_str(), nullptr);
  return folder;
}

void RemoveFolder(const std::string& folder) {
  for (const std::string& file : DefaultEnv().files->FilesStartingWith(folder + "\\Profiles\\")) {
    DeleteFileA(file.c_str());
  }
  DeleteFileA((folder + "\\stop").c_str());
  RemoveDirectoryA((folder + "\\Profiles").c_str());
  RemoveDirectoryA(folder.c_str());
}

Child Start(const std::string& role) {
  char program[MAX_PATH];
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string command = std::string("\"") + program + "\" --gtest_filter=ConcurrentWritersRole.*";
  SetEnvironmentVariableA("TQ_WRITERS_ROLE", role.c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  BOOL started = CreateProcessA(program, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &startup, &process);
  SetEnvironmentVariableA("TQ_WRITERS_ROLE", nullptr);
  if (!started) return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

int Status(Child child) {
  if (child == nullptr) return 127;
  WaitForSingleObject(child, INFINITE);
  DWORD code = 128;
  GetExitCodeProcess(child, &code);
  CloseHandle(child);
  return static_cast<int>(code);
}
#else
using Child = pid_t;

std::string NewFolder() {
  char tmpl[] = "/tmp/tessaly-writers-XXXXXX";
  std::string folder = mkdtemp(tmpl);
  mkdir((folder + "/Profiles").c_str(), 0755);
  setenv("TESSALY_REGISTRY", (folder + "/registry.txt").c_str(), 1);
  return folder;
}

void RemoveFolder(const std::string& folder) { system(("rm -rf " + folder).c_str()); }

int Play(const std::string& role);

Child Start(const std::string& role) {
  pid_t child = fork();
  if (child == 0) _exit(Play(role));
  return child;
}

int Status(Child child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}
#endif

std::string StopFile(const std::string& folder) { return folder + "\\stop"; }

// "reader FOLDER" or "writer N".
int Play(const std::string& role) {
  if (role.rfind("reader ", 0) == 0) {
    std::string folder = role.substr(7);
    return Read(folder, StopFile(folder));
  }
  return Write(std::atoi(role.c_str() + 7));
}

// The role of a started copy of this program; skipped in any other run.
TEST(ConcurrentWritersRole, Play) {
  const char* role = std::getenv("TQ_WRITERS_ROLE");
  if (role == nullptr) GTEST_SKIP() << "only in a process started by the test below";
  std::exit(Play(role));
}

TEST(ConcurrentWritersTest, SavesAtOnceAllSucceedAndReadersSeeWholeFiles) {
  std::string folder = NewFolder();
  Registry& registry = *DefaultEnv().registry;
  const bool had_path = registry.ValueExists(kTessalyRegistryKey, "Installation Path");
  const std::string previous_path =
      had_path ? registry.ReadString(kTessalyRegistryKey, "Installation Path") : "";
  registry.WriteString(kTessalyRegistryKey, "Installation Path", folder);
  { TqvTessaly first(DefaultEnv()); }  // the default files, before anyone reads

  Child reader = Start("reader " + folder);
  Child writers[kWriters];
  for (int w = 0; w < kWriters; ++w) writers[w] = Start("writer " + std::to_string(w));
  for (int w = 0; w < kWriters; ++w) EXPECT_EQ(Status(writers[w]), 0) << "writer " << w;
  DefaultEnv().files->Write(StopFile(folder), "");
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
  if (had_path) {
    registry.WriteString(kTessalyRegistryKey, "Installation Path", previous_path);
  } else {
#ifdef _WIN32
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kTessalyRegistryKey, "Installation Path");
#endif
  }
  RemoveFolder(folder);
}

}  // namespace
}  // namespace tessaly
