#include "profiles/profile_keys.h"

namespace tessaly {

const char* ExtraKeyOf(ProfileProperty property, ProfileKind kind) {
  for (const ProfileExtraKey& extra : kProfileExtraKeys) {
    if (extra.property == property && extra.kind == kind) return extra.key;
  }
  return nullptr;
}

}  // namespace tessaly
