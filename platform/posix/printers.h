#pragma once

#include <string>
#include <vector>

#include "platform/printers.h"

namespace tessaly {

// A system without a print spooler: no queues, and a "device" entry that
// lives as long as the process.
class PosixPrinters : public Printers {
 public:
  std::vector<std::wstring> List() override { return {}; }
  std::wstring DefaultQueue() override { return std::wstring(); }
  std::wstring ReadDeviceEntry() override { return device_; }
  void WriteDeviceEntry(const std::wstring& value) override { device_ = value; }
  void BroadcastSettingsChange() override {}

 private:
  std::wstring device_;
};

}  // namespace tessaly
