#pragma once

#include <string>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "platform/message_log.h"
#include "platform/registry.h"
#include "platform/sleeper.h"

namespace tessaly {

// Keys of HKEY_CURRENT_USER.
class Win32Registry : public Registry {
 public:
  bool KeyExists(const std::string& key) override;
  bool ValueExists(const std::string& key, const std::string& name) override;
  std::string ReadString(const std::string& key, const std::string& name) override;
  void WriteString(const std::string& key, const std::string& name,
                   const std::string& value) override;
};

// Paths in the ANSI code page, opened through the wide-character API.
class Win32FileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool Read(const std::string& path, std::string* data) override;
  bool Write(const std::string& path, const std::string& data) override;
  bool Remove(const std::string& path) override;
  bool Replace(const std::string& from, const std::string& to) override;
  std::vector<std::string> FilesStartingWith(const std::string& prefix) override;
  uint32_t ProcessId() override;
  bool ProcessRuns(uint32_t id) override;
};

// MessageBox with no owner window.
class Win32MessageBoxes : public RoutedMessageBoxes {
 protected:
  void ShowDialog(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

class Win32CodePage : public CodePage {
 public:
  Win32CodePage();
  std::string ToAnsi(const std::wstring& text) const override;
  std::wstring FromAnsi(const std::string& text) const override;
  char DecimalSeparator() const override;
};

class Win32Sleeper : public Sleeper {
 public:
  void SleepMs(unsigned milliseconds) override;
};

std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);

}  // namespace tessaly
