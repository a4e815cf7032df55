#pragma once

#include <string>

#include "platform/env.h"
#include "store/store_file.h"

namespace tessaly {

extern const char kStoreCaption[];      // "Orvane Tessaly"
extern const char kStoreErrorText[];    // "Tessaly has encountered error while printing the document."
extern const char kErrorWritingFile[];  // "Error Writing File"

// What the user is told about one of the printer's stores, in message boxes
// captioned "Orvane Tessaly": the load and save error codes of its boxes and
// how its default file is made when the store file is missing.
struct StoreKind {
  const char* load_error_code;  // "1002" / "1003"
  const char* save_error_code;  // "1001" / "1004"
  // Writes the default file; false when it cannot be written.
  bool (*create_default)(const Env& env, const std::string& path);
};

// Opens `store`. A missing store file is first created with its default
// content ("Error Writing File" when that fails; the store then opens
// empty). A file that does not decode is reported with the load error box
// and leaves the store closed. Never throws for the store's own failures.
void OpenStore(const Env& env, TqvStoreFile& store, const StoreKind& kind);
// Writes `store` back and releases it; a failure is reported with the save
// error box, never thrown.
void ReleaseStore(const Env& env, TqvStoreFile& store, const StoreKind& kind);

}  // namespace tessaly
