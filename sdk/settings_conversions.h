#pragma once

// How the members of TqvProfileSettingsX and the main object's global
// settings convert between the accessor's values and the automation types,
// by kind of profile key.

#include <utility>

#include "com/com_text.h"
#include "com/variant_lists.h"
#include "common/exception.h"
#include "profiles/profile_keys.h"
#include "sdk/ole_fonts.h"
#include "typelib/TessalySDK.h"

namespace tessaly {
namespace settings_x {

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

// An automation value of a kind that converts on its own (all but lists
// and fonts) as the accessor takes it.
template <ProfileKind K, class A>
auto FromCom(A value) {
  static_assert(K != ProfileKind::kList && K != ProfileKind::kFont);
  if constexpr (K == ProfileKind::kString || K == ProfileKind::kWatermarkName) {
    return FromBstr(value);
  } else if constexpr (K == ProfileKind::kBool) {
    return value != VARIANT_FALSE;
  } else if constexpr (K == ProfileKind::kFloat) {
    return static_cast<double>(value);
  } else {
    // Integers, colours (the 32 bits unchanged) and enumerations.
    return static_cast<int32_t>(value);
  }
}

// An automation value as the accessor takes it; `stored` gives the stored
// value for the kinds that merge into it (fonts keep their colour).
template <ProfileKind K, class A, class Stored>
auto FromCom(A value, Stored&& stored, const CodePage& code_page) {
  (void)stored;
  (void)code_page;
  if constexpr (K == ProfileKind::kList) {
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
    return FromCom<K>(value);
  }
}

}  // namespace settings_x
}  // namespace tessaly
