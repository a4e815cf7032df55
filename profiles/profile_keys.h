#pragma once

#include <cstdint>

namespace tessaly {

// How a profile value is stored; see profiles/profile_keys.def.
enum class ProfileKind : uint8_t {
  kString,
  kBool,
  kInteger,
  kEnum,
  kColor,
  kFloat,
  kList,
  kFont,
  kWatermarkName,
  kTextOptimization,
};

// One enumerator per property of a profile, in slot order.
enum class ProfileProperty : int {
#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value) property,
#include "profiles/profile_keys.def"
  kCount
};

constexpr int kProfilePropertyCount = static_cast<int>(ProfileProperty::kCount);

// The default of a row in the field its kind reads: `text` for strings,
// lists and fonts, `integer` for booleans, integers, enumerations and
// colours, `real` for floats. The constructors are implicit so that the
// rows can give plain literals.
struct ProfileDefault {
  constexpr ProfileDefault(const char* value) : text(value) {}
  constexpr ProfileDefault(bool value) : integer(value ? 1 : 0) {}
  constexpr ProfileDefault(int value) : integer(value) {}
  constexpr ProfileDefault(double value) : real(value) {}

  const char* text = "";
  int32_t integer = 0;
  double real = 0;
};

struct ProfileKey {
  ProfileProperty property;
  const char* name;  // the property's name
  int32_t dispid;
  ProfileKind kind;
  const char* type;  // the enumeration's name, "_" when the kind has none
  const char* key;
  ProfileDefault default_value;
};

inline constexpr ProfileKey kProfileKeys[] = {
#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value) \
  {ProfileProperty::property, #property, dispid, ProfileKind::k##kind, #type, key, default_value},
#include "profiles/profile_keys.def"
};
static_assert(sizeof kProfileKeys / sizeof kProfileKeys[0] == kProfilePropertyCount);

// A key written by a property besides its own.
struct ProfileExtraKey {
  ProfileProperty property;
  ProfileKind kind;
  const char* key;
};

inline constexpr ProfileExtraKey kProfileExtraKeys[] = {
#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value)
#define TQ_PROFILE_EXTRA_KEY(property, kind, key) \
  {ProfileProperty::property, ProfileKind::k##kind, key},
#include "profiles/profile_keys.def"
};

constexpr const ProfileKey& ProfileKeyOf(ProfileProperty property) {
  return kProfileKeys[static_cast<int>(property)];
}

// The further key of `property` with the given kind; nullptr when it has none.
const char* ExtraKeyOf(ProfileProperty property, ProfileKind kind);

}  // namespace tessaly
