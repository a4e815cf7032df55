#pragma once

// How the members of TqvProfileSettingsX convert between the accessor's
// values and the automation types, by kind of profile key.

#include <utility>

#include "com/com_text.h"
#include "com/variant_lists.h"
#include "common/exception.h"
#include "profiles/profile_keys.h"
#include "sdk/ole_fonts.h"
#include "typelib/TessalySDK.h"

namespace tessaly {
namespace settings_x {

// The parameter type of an interface member, read off its declaration in
// the type library's header, so that the generated members always match
// their slots.
template <class Member>
struct ParameterOf;
template <class C, class A>
struct ParameterOf<HRESULT (STDMETHODCALLTYPE C::*)(A)> {
  using Type = A;
};
template <class Member>
using Parameter = typename ParameterOf<Member>::Type;

// A stored value as its automation type carries it.
template <ProfileKind K, class Value>
auto ToCom(Value&& value, const CodePage& code_page) {
  (void)code_page;
  if constexpr (K == ProfileKind::kEnum || K == ProfileKind::kTextOptimization) {
    return static_cast<int32_t>(value & 0x7F);
  } else if constexpr (K == ProfileKind::kList) {
    VARIANT lines;
    VariantFromLines(value, &lines);
    return lines;
  } else if constexpr (K == ProfileKind::kFont) {
    return FontToOle(value, code_page);
  } else {
    return std::forward<Value>(value);
  }
}

// An automation value as the accessor takes it; `stored` gives the stored
// value for the kinds that merge into it (fonts keep their colour).
template <ProfileKind K, class A, class Stored>
auto FromCom(A value, Stored&& stored, const CodePage& code_page) {
  (void)stored;
  (void)code_page;
  if constexpr (K == ProfileKind::kString || K == ProfileKind::kWatermarkName) {
    return FromBstr(value);
  } else if constexpr (K == ProfileKind::kBool) {
    return value != VARIANT_FALSE;
  } else if constexpr (K == ProfileKind::kFloat) {
    return static_cast<double>(value);
  } else if constexpr (K == ProfileKind::kList) {
    return LinesFromVariant(value);
  } else if constexpr (K == ProfileKind::kFont) {
    // A stored text that no longer parses gives way to the default font.
    TqvFont base;
    try {
      base = stored();
    } catch (const Exception&) {
      base = TqvFont();
    }
    return FontFromOle(value, base, code_page);
  } else {
    // Integers, colours (the 32 bits unchanged) and enumerations.
    return static_cast<int32_t>(value);
  }
}

}  // namespace settings_x
}  // namespace tessaly
