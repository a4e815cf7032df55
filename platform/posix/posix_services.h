#pragma once

#include <string>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "platform/message_log.h"
#include "platform/registry.h"
#include "platform/sleeper.h"

namespace tessaly {

// The registry kept in a text file: the file named by TESSALY_REGISTRY, or
// ".tessaly-registry" in the home folder. One line per value:
// key TAB name TAB type ("S" string, "D" number) TAB data. The file is read
// before and rewritten after every change.
class PosixRegistry : public Registry {
 public:
  explicit PosixRegistry(std::string path = DefaultPath());
  static std::string DefaultPath();

  bool KeyExists(const std::string& key) override;
  bool ValueExists(const std::string& key, const std::string& name) override;
  std::string ReadString(const std::string& key, const std::string& name) override;
  void WriteString(const std::string& key, const std::string& name,
                   const std::string& value) override;

 private:
  std::string path_;
};

// Backslashes are folder separators.
class PosixFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool Read(const std::string& path, std::string* data) override;
  bool Write(const std::string& path, const std::string& data) override;
  bool Remove(const std::string& path) override;
  bool Replace(const std::string& from, const std::string& to) override;
  std::vector<std::string> FilesStartingWith(const std::string& prefix) override;
  uint32_t ProcessId() override;
  bool ProcessRuns(uint32_t id) override;
  // "C:\a\b" -> "C:/a/b"
  static std::string NativePath(const std::string& path);
};

// No desktop: standard error stands in for the dialog.
class PosixMessageBoxes : public RoutedMessageBoxes {
 protected:
  void ShowDialog(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

// Windows-1252 converted as Windows converts it; the decimal separator of the C
// library's numeric locale.
class PosixCodePage : public CodePage {
 public:
  PosixCodePage();
  std::string ToAnsi(const std::wstring& text) const override;
  std::wstring FromAnsi(const std::string& text) const override;
  char DecimalSeparator() const override { return separator_; }

 private:
  char separator_;
};

class PosixSleeper : public Sleeper {
 public:
  void SleepMs(unsigned milliseconds) override;
};

}  // namespace tessaly
