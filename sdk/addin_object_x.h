#pragma once

// The common ground of the automation objects over the PlugIn store: the
// borrowed accessor, the code page of its strings, and how a value of each
// type of the key tables crosses the boundary.

#include <cstdint>
#include <string>
#include <utility>

#include "addin/addin_values.h"
#include "platform/code_page.h"
#include "sdk/owned_ref.h"
#include "sdk/settings_conversions.h"
#include "typelib/TessalySDK.h"
#include "sdk/automation_object.h"
#include "com/com_text.h"

namespace tessaly {

template <class Interface, class Accessor>
class TqvAddinObjectX : public AutomationObject<Interface> {
 public:
  // The accessor, for the main object's append protocol; throws once the
  // main object is gone.
  Accessor& accessor() const { return target_.get(); }

 protected:
  using Api = Interface;

  TqvAddinObjectX(REFCLSID clsid, TqvOwnedRef<Accessor> target, const CodePage* code_page)
      : AutomationObject<Interface>(clsid), target_(std::move(target)), code_page_(code_page) {}

  // A stored value as the automation type carries it: booleans as true or
  // false (stored as VARIANT_BOOL), numbers reduced by the getter mask,
  // strings from the ANSI code page. The value is read before the code page
  // is touched, so a disconnected object fails first.
  template <class Type, class Value>
  auto ToCom(Value&& value, uint32_t get_mask) const {
    if constexpr (Type::kKind == AddinValueKind::kBool) {
      return value != 0;
    } else if constexpr (Type::kKind == AddinValueKind::kString) {
      return code_page_->FromAnsi(value);
    } else {
      return ReduceBits(value, get_mask);
    }
  }

  // An automation value as the accessor takes it. Colours and enumerations
  // keep their 32 bits; the accessor applies its own setter reduction.
  template <class Type, class A>
  auto FromCom(A value) const {
    if constexpr (Type::kKind == AddinValueKind::kBool) {
      return value != VARIANT_FALSE;
    } else if constexpr (Type::kKind == AddinValueKind::kString) {
      return code_page_->ToAnsi(FromBstr(value));
    } else {
      return static_cast<int32_t>(value);
    }
  }

  TqvOwnedRef<Accessor> target_;
  const CodePage* code_page_;
};

}  // namespace tessaly
