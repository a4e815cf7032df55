// The watermark store over an arbitrary file: opening and reading either
// work or fail with an Exception, and a profile saved into a file that
// opened can be read back.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "common/exception.h"
#include "platform/fake/fake_env.h"
#include "watermarks/watermark_manager.h"
#include "watermarks/watermark_profile.h"

namespace {

const char kPath[] = "C:\\Tessaly\\Profiles\\WatermarkProfiles.xml";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tessaly::FakeEnv fake;
  fake.files.Put(kPath, std::string(reinterpret_cast<const char*>(data), size));
  tessaly::TqvWatermarkManager store(fake.env);
  try {
    store.Open(kPath);
  } catch (const tessaly::Exception&) {
    return 0;
  }
  for (const std::string& name : store.ProfileNames()) {
    try {
      tessaly::TqvWatermarkProfile profile;
      profile.Open(name, &store);
      for (int i = 0; i < profile.Count(); ++i) profile.GetItemByIndex(i)->ItemName();
    } catch (const tessaly::Exception&) {
    }
  }

  // Whatever the file held, a save writes a file that opens again. The file
  // may already hold a profile "fuzz" whose values do not convert: opening
  // it then fails with an Exception, as it does for any caller.
  tessaly::TqvWatermarkProfile added;
  auto item = std::make_unique<tessaly::TqvTextWatermark>();
  item->SetItemName("t");
  try {
    added.Open("fuzz", &store);
    added.AddTextItem(std::move(item), true);
  } catch (const tessaly::Exception&) {
    return 0;
  }
  tessaly::TqvWatermarkManager reopened(fake.env);
  reopened.Open(kPath);  // an exception here is a finding
  if (!reopened.ReadProfileItems("fuzz")) __builtin_trap();
  return 0;
}
