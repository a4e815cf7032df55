#pragma once

#include <string>
#include <vector>

namespace tessaly {

// The print system's queues and the user's default printer.
class Printers {
 public:
  virtual ~Printers() = default;

  // The names of the local and connected queues, in the print system's
  // enumeration order. Throws Exception when the queues cannot be listed.
  virtual std::vector<std::wstring> List() = 0;
  // The queue the print system reports as the default; "" when none.
  virtual std::wstring DefaultQueue() = 0;
  // The entry "device" of the profile section "windows"; "" when missing.
  virtual std::wstring ReadDeviceEntry() = 0;
  // Throws Exception when the entry cannot be written.
  virtual void WriteDeviceEntry(const std::wstring& value) = 0;
  // Tells the top-level windows that the "windows" settings changed and
  // returns when they have handled it, or after a bounded wait for any
  // that does not answer.
  virtual void BroadcastSettingsChange() = 0;
};

}  // namespace tessaly
