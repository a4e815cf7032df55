#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addin/addin_objects.h"
#include "addin/plugin_file.h"
#include "platform/fake/fake_env.h"
#include "store/store_file.h"

namespace tessaly {

constexpr char kPlugInPath[] = "C:\\Tess\\Profiles\\PlugIn.qvf";

// A PlugIn store opened the way the profile manager opens it (the default
// file created on first use), with the five accessors over it.
class PlugInTest : public ::testing::Test {
 protected:
  PlugInTest() {
    CreateDefaultPlugInFile(fake_.env, kPlugInPath);
    store_.Load();
  }

  IniFile& ini() { return store_.ini(); }

  // "key=value" lines of a section, in file order.
  std::vector<std::string> SectionLines(const char* section) {
    std::vector<std::string> lines;
    for (const auto& [key, value] : ini().SectionValues(section))
      lines.push_back(key + "=" + value);
    return lines;
  }

  FakeEnv fake_;
  TqvStoreFile store_{fake_.env, kPlugInPath};
  TqvAddinObjects objects_{&store_};
};

using Lines = std::vector<std::string>;

}  // namespace tessaly
