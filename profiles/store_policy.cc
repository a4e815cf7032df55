#include "profiles/store_policy.h"

#include "common/store_codec.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"

namespace tessaly {

const char kStoreCaption[] = "Orvane Tessaly";
const char kStoreErrorText[] = "Tessaly has encountered error while printing the document.";
const char kErrorWritingFile[] = "Error Writing File";

void OpenStore(const Env& env, TqvStoreFile& store, const StoreKind& kind) {
  if (!env.files->Exists(store.path()) && !kind.create_default(env, store.path())) {
    env.messages->Show(kErrorWritingFile, kStoreCaption, MessageIcon::kNone);
  }
  try {
    store.Load();
  } catch (const EStoreCorrupt&) {
    env.messages->Show(std::string(kStoreErrorText) + " " + kind.load_error_code, kStoreCaption,
                       MessageIcon::kError);
  }
}

void ReleaseStore(const Env& env, TqvStoreFile& store, const StoreKind& kind) {
  try {
    store.Save();
  } catch (const std::exception& e) {
    env.messages->Show(std::string(e.what()) + " : " + kStoreErrorText + " " +
                           kind.save_error_code,
                       kStoreCaption, MessageIcon::kError);
  }
}

}  // namespace tessaly
