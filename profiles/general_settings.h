#pragma once

#include <cstddef>
#include <cstdint>

#include "profiles/profile_keys.h"

namespace tessaly {

// One enumerator per key of "General Settings"; see
// profiles/general_settings.def.
enum class GeneralSetting : int {
#define TQ_GENERAL_KEY(name, kind, key, default_value) name,
#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, default_value) property,
#include "profiles/general_settings.def"
  kCount
};

struct GeneralKey {
  GeneralSetting setting;
  const char* name;
  int32_t dispid;  // 0 for a key that is no property
  ProfileKind kind;
  const char* type;  // the enumeration's name, "_" when the kind has none
  const char* key;
  ProfileDefault default_value;
};

inline constexpr GeneralKey kGeneralKeys[] = {
#define TQ_GENERAL_KEY(name, kind, key, default_value) \
  {GeneralSetting::name, #name, 0, ProfileKind::k##kind, "_", key, default_value},
#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, default_value) \
  {GeneralSetting::property, #property, dispid, ProfileKind::k##kind, #type, key, default_value},
#include "profiles/general_settings.def"
};
static_assert(sizeof kGeneralKeys / sizeof kGeneralKeys[0] ==
              static_cast<size_t>(GeneralSetting::kCount));

constexpr const GeneralKey& GeneralKeyOf(GeneralSetting setting) {
  return kGeneralKeys[static_cast<int>(setting)];
}

}  // namespace tessaly
