#pragma once

#include <memory>
#include <utility>

#include "profiles/profile_settings.h"

namespace tessaly {

// A profile settings accessor as handed out to a caller. The accessor reads
// and writes a store that the main object's manager owns, so the handle
// also watches the main object: once that is gone, every use fails with an
// error instead of touching a store that no longer exists.
class TqvSettingsRef {
 public:
  TqvSettingsRef(std::shared_ptr<TqvProfileSettings> settings, std::weak_ptr<const void> owner)
      : settings_(std::move(settings)), owner_(std::move(owner)) {}

  // Throws Exception when the main object has been destroyed.
  TqvProfileSettings& get() const;
  TqvProfileSettings* operator->() const { return &get(); }
  bool connected() const { return !owner_.expired(); }

 private:
  std::shared_ptr<TqvProfileSettings> settings_;
  std::weak_ptr<const void> owner_;
};

extern const char kSettingsDisconnectedMessage[];

}  // namespace tessaly
