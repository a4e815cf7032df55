#include "platform/fake/memory_printers.h"

#include "common/exception.h"

namespace tessaly {

std::vector<std::wstring> MemoryPrinters::List() {
  if (fail_list) throw Exception("The printers could not be listed.");
  return queues;
}

void MemoryPrinters::WriteDeviceEntry(const std::wstring& value) {
  if (fail_write) throw Exception("The default printer could not be changed.");
  device = value;
  device_writes.push_back(value);
}

}  // namespace tessaly
