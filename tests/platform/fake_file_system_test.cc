#include <gtest/gtest.h>

#include "platform/fake/memory_file_system.h"

namespace tessaly {
namespace {

// The faults other tests rely on behave as they claim.
TEST(MemoryFileSystemTest, InjectedFaults) {
  MemoryFileSystem files;
  ASSERT_TRUE(files.Write("C:\\a\\f", "v1"));
  EXPECT_TRUE(files.Exists("c:/A/F"));

  files.SetDiskFull(true);
  EXPECT_FALSE(files.Write("C:\\a\\g", "0123456789"));
  EXPECT_EQ(files.Get("C:\\a\\g"), "01234");  // half written
  files.SetDiskFull(false);

  files.FailNextWrites(1);
  EXPECT_FALSE(files.Write("C:\\a\\f", "v2"));
  EXPECT_TRUE(files.Write("C:\\a\\f", "v2"));

  files.SetReadOnly("C:\\a\\f", true);
  EXPECT_FALSE(files.Remove("C:\\a\\f"));
  EXPECT_FALSE(files.Replace("C:\\a\\g", "C:\\a\\f"));
  EXPECT_EQ(files.Get("C:\\a\\f"), "v2");

  files.AddFolder("C:\\b");
  EXPECT_FALSE(files.Write("C:\\a\\h", "x"));
  EXPECT_TRUE(files.Write("C:\\b\\h", "x"));
}

}  // namespace
}  // namespace tessaly
