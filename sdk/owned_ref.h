#pragma once

#include <memory>
#include <utility>

#include "common/exception.h"

namespace tessaly {

inline constexpr char kOwnerReleasedMessage[] =
    "This object can no longer be used: the qvTessaly object that created it has been "
    "released.";

// A borrowed accessor as an automation object holds it: the accessor
// belongs to the main object's profile manager, so the handle also watches
// the main object (through a weak_ptr to a token that expires with it).
// Once the main object is gone every use throws an Exception, which the
// boundary turns into E_UNEXPECTED with a clear description, instead of
// touching a store that no longer exists.
template <class T>
class TqvOwnedRef {
 public:
  TqvOwnedRef(T* target, std::weak_ptr<const void> owner)
      : target_(target), owner_(std::move(owner)) {}

  T& get() const {
    if (owner_.expired()) throw Exception(kOwnerReleasedMessage);
    return *target_;
  }
  T* operator->() const { return &get(); }
  bool connected() const { return !owner_.expired(); }

 private:
  T* target_;
  std::weak_ptr<const void> owner_;
};

}  // namespace tessaly
