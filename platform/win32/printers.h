#pragma once

#include <string>
#include <vector>

#include "platform/printers.h"

namespace tessaly {

// The spooler's queues and the user's "windows" profile section.
class Win32Printers : public Printers {
 public:
  std::vector<std::wstring> List() override;
  std::wstring DefaultQueue() override;
  std::wstring ReadDeviceEntry() override;
  void WriteDeviceEntry(const std::wstring& value) override;
  void BroadcastSettingsChange() override;
};

}  // namespace tessaly
