#pragma once

#include <string>
#include <vector>

#include "platform/printers.h"

namespace tessaly {

// Queues and a default printer that tests arrange; remembers every write
// of the "device" entry and every broadcast.
class MemoryPrinters : public Printers {
 public:
  std::vector<std::wstring> List() override;
  std::wstring DefaultQueue() override { return default_queue; }
  std::wstring ReadDeviceEntry() override { return device; }
  void WriteDeviceEntry(const std::wstring& value) override;
  void BroadcastSettingsChange() override { ++broadcasts; }

  std::vector<std::wstring> queues;
  std::wstring default_queue;
  std::wstring device;
  std::vector<std::wstring> device_writes;
  int broadcasts = 0;
  // Fault injection: List and WriteDeviceEntry throw Exception.
  bool fail_list = false;
  bool fail_write = false;
};

}  // namespace tessaly
