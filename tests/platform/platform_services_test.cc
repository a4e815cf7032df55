// The real services of the platform the tests run on: the Win32 ones under
// Wine, the posix ones natively.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/exception.h"
#include "platform/code_page.h"
#include "platform/env.h"
#include "platform/fake/fake_services.h"
#include "platform/file_system.h"
#include "platform/registry.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tessaly {
namespace {

const char kKey[] = "Software\\Orvane\\Orvane Tessaly Tests";

std::string TempFolder() {
#ifdef _WIN32
  char buf[MAX_PATH];
  GetTempPathA(MAX_PATH, buf);
  std::string folder = buf;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
#else
  static std::string folder = [] {
    char tmpl[] = "/tmp/tessaly-platform-XXXXXX";
    return std::string(mkdtemp(tmpl));
  }();
  return folder;
#endif
}

TEST(PlatformRegistryTest, StringValuesAndTheTypeCheck) {
  Registry& registry = *DefaultEnv().registry;
  registry.WriteString(kKey, "Installation Path", "C:\\Somewhere \xe9");
  EXPECT_TRUE(registry.KeyExists(kKey));
  EXPECT_TRUE(registry.ValueExists(kKey, "Installation Path"));
  EXPECT_FALSE(registry.ValueExists(kKey, "Missing"));
  EXPECT_EQ(registry.ReadString(kKey, "installation path"), "C:\\Somewhere \xe9");
  EXPECT_EQ(registry.ReadString(kKey, "Missing"), "");
  EXPECT_EQ(registry.ReadString("Software\\No Such Key", "x"), "");
  registry.WriteString(kKey, "qvPD", "1");
  registry.WriteString(kKey, "qvPD", "0");
  EXPECT_EQ(registry.ReadString(kKey, "qvPD"), "0");
#ifdef _WIN32
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  DWORD number = 5;
  RegSetValueExA(key, "qvPS", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof number);
  RegCloseKey(key);
  try {
    registry.ReadString(kKey, "qvPS");
    FAIL() << "read a number as a string";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'qvPS'");
  }
#endif
}

TEST(PlatformFileSystemTest, WholeFilesAndAtomicReplace) {
  FileSystem& files = *DefaultEnv().files;
  std::string folder = TempFolder();
  std::string a = folder + "\\tessaly a.qvf";
  std::string b = folder + "\\tessaly b.qvf";
  files.Remove(a);
  files.Remove(b);
  EXPECT_FALSE(files.Exists(a));
  std::string data("bytes\0with\r\nnul", 15);
  ASSERT_TRUE(files.Write(a, data));
  EXPECT_TRUE(files.Exists(a));
  std::string back;
  ASSERT_TRUE(files.Read(a, &back));
  EXPECT_EQ(back, data);

  ASSERT_TRUE(files.Write(b, "old"));
  ASSERT_TRUE(files.Replace(a, b));
  EXPECT_FALSE(files.Exists(a));
  ASSERT_TRUE(files.Read(b, &back));
  EXPECT_EQ(back, data);
  EXPECT_FALSE(files.Replace(a, b));  // nothing to move: b stays
  ASSERT_TRUE(files.Read(b, &back));
  EXPECT_EQ(back, data);

  EXPECT_TRUE(files.Remove(b));
  EXPECT_FALSE(files.Remove(b));
  EXPECT_FALSE(files.Read(b, &back));
  EXPECT_FALSE(files.Write(folder + "\\no such folder\\x.qvf", "x"));
}

TEST(PlatformCodePageTest, ConversionsAndUpperCase) {
  const CodePage& code_page = *DefaultEnv().code_page;
  // Windows-1252 is the ANSI code page of the test machines.
  EXPECT_EQ(code_page.ToAnsi(L"Caf\u00e9 \u20ac"), "Caf\xe9 \x80");
  EXPECT_EQ(code_page.FromAnsi("Caf\xe9 \x80"), L"Caf\u00e9 \u20ac");
  EXPECT_EQ(code_page.ToAnsi(L"\u4e2d"), "?");
  const unsigned char* upper = code_page.UpperTable();
  EXPECT_EQ(upper['a'], 'A');
  EXPECT_EQ(upper[0xe9], 0xc9);
  EXPECT_EQ(upper[0x9a], 0x8a);
  EXPECT_EQ(upper['1'], '1');
  char separator = code_page.DecimalSeparator();
  EXPECT_TRUE(separator == '.' || separator == ',');
}

// Every byte of the code page comes back from a round trip through wide
// text, the five unused ones included, in the platform's code page and in
// the one the tests use in its place.
TEST(PlatformCodePageTest, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  Cp1252CodePage fake;
  for (const CodePage* code_page : {DefaultEnv().code_page, static_cast<CodePage*>(&fake)}) {
    std::string back = code_page->ToAnsi(code_page->FromAnsi(all));
    ASSERT_EQ(back.size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) EXPECT_EQ(back[i], all[i]) << i + 1;
  }
}

}  // namespace
}  // namespace tessaly
