#pragma once

#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/message_boxes.h"
#include "platform/sleeper.h"

namespace tessaly {

// Windows-1252 without the operating system, with a decimal separator that
// tests choose.
class Cp1252CodePage : public CodePage {
 public:
  explicit Cp1252CodePage(char decimal_separator = '.');
  std::string ToAnsi(const std::wstring& text) const override;
  std::wstring FromAnsi(const std::string& text) const override;
  char DecimalSeparator() const override { return separator_; }
  void SetDecimalSeparator(char separator) { separator_ = separator; }

 private:
  char separator_;
};

// Remembers every message instead of showing it.
class RecordingMessageBoxes : public MessageBoxes {
 public:
  struct Message {
    std::string text, caption;
    MessageIcon icon;
  };
  void Show(const std::string& text, const std::string& caption, MessageIcon icon) override {
    shown.push_back({text, caption, icon});
  }
  std::vector<Message> shown;
};

// Remembers the waits instead of waiting.
class RecordingSleeper : public Sleeper {
 public:
  void SleepMs(unsigned milliseconds) override { waits.push_back(milliseconds); }
  std::vector<unsigned> waits;
};

}  // namespace tessaly
