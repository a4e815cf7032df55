#pragma once

// The common ground of the automation objects over the PlugIn store: the
// borrowed accessor, the code page of its strings, and how a value of each
// type of the key tables crosses the boundary.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "addin/addin_values.h"
#include "com/com_text.h"
#include "platform/code_page.h"
#include "sdk/automation_object.h"
#include "sdk/owned_ref.h"
#include "sdk/property_x.h"
#include "sdk/settings_conversions.h"
#include "typelib/TessalySDK.h"

namespace tessaly {

// `Clsid` names the coclass that describes the object.
template <class Interface, class Accessor, const CLSID& Clsid>
class TqvAddinObjectX : public AutomationObject<Interface> {
 public:
  TqvAddinObjectX(TqvOwnedRef<Accessor> target, const CodePage* code_page)
      : AutomationObject<Interface>(Clsid), target_(std::move(target)), code_page_(code_page) {}

  // The accessor, for the main object's append protocol; throws once the
  // main object is gone.
  Accessor& accessor() const { return target_.get(); }

 protected:
  using Api = Interface;

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

// A property of an add-in object: the accessor's property of that name,
// its getter reduced by `get_mask`.
#define TQ_ADDIN_PROPERTY_X(Property, Type, get_mask)                                      \
  TQ_PROPERTY_X(Api, Property, ToCom<addin_type::Type>(target_->Property(), get_mask), \
                target_->Set##Property(FromCom<addin_type::Type>(Value)))

// An object over an accessor of the manager, as the main object hands it
// out. `owner` expires with the main object, whose manager owns the
// accessor; `code_page` is the Env's and lives as long as the process.
template <class Object, class Accessor>
ComPtr<Object> CreateAddinObjectX(Accessor& accessor, std::weak_ptr<const void> owner,
                                  const CodePage& code_page) {
  return MakeAutomationObject<Object>(TqvOwnedRef<Accessor>(&accessor, std::move(owner)),
                                      &code_page);
}

}  // namespace tessaly
