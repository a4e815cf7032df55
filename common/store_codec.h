#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/exception.h"

namespace tessaly {

// The bytes of a store file (Profiles.qvf, PlugIn.qvf): one zlib stream at
// the default level whose content is INI text in the ANSI code page. Only
// the format: no files, no messages.

// Bytes that are not a complete zlib stream, or that inflate past the size
// cap of 64 MiB.
class EStoreCorrupt : public Exception {
 public:
  using Exception::Exception;
};

// The INI text of a store file's bytes; no bytes give no text. Throws
// EStoreCorrupt.
std::string DecodeStore(std::string_view bytes);
// The bytes of a store file holding `text`.
std::string EncodeStore(std::string_view text);
// INI text made of `lines`, each ended by CR LF.
std::string StoreTextOf(const std::vector<std::string>& lines);

}  // namespace tessaly
