#pragma once

#include <string>

namespace tessaly {

enum class MessageIcon { kNone, kError, kWarning, kInformation };

// Modal messages for the user. Hosts without a desktop configure the
// implementation to write them out instead, so nothing ever blocks.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

}  // namespace tessaly
