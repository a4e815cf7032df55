#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "common/ini_file.h"
#include "platform/code_page.h"
#include "profiles/profile_keys.h"
#include "watermarks/watermark_items.h"

namespace tessaly {

class TqvWatermarkManager;

// The value type of each kind of profile key, as the accessors take and
// give it.
template <ProfileKind K> struct ProfileValue;
template <> struct ProfileValue<ProfileKind::kString> { using Type = std::wstring; };
template <> struct ProfileValue<ProfileKind::kBool> { using Type = bool; };
template <> struct ProfileValue<ProfileKind::kInteger> { using Type = int32_t; };
template <> struct ProfileValue<ProfileKind::kEnum> { using Type = int32_t; };
template <> struct ProfileValue<ProfileKind::kColor> { using Type = int32_t; };
template <> struct ProfileValue<ProfileKind::kFloat> { using Type = double; };
template <> struct ProfileValue<ProfileKind::kList> { using Type = std::vector<std::wstring>; };
template <> struct ProfileValue<ProfileKind::kFont> { using Type = TqvFont; };
template <> struct ProfileValue<ProfileKind::kWatermarkName> { using Type = std::wstring; };
template <> struct ProfileValue<ProfileKind::kTextOptimization> { using Type = int32_t; };

template <ProfileKind K>
using ProfileValueType = typename ProfileValue<K>::Type;
// Scalars by value, the others by reference.
template <ProfileKind K>
using ProfileArgType = std::conditional_t<std::is_scalar_v<ProfileValueType<K>>,
                                          ProfileValueType<K>, const ProfileValueType<K>&>;

// The settings of one profile: one section of the Profiles store, read and
// written straight through with no cache, so that two accessors over one
// section always agree. Every key of profiles/profile_keys.def has a getter
// named after its property and a setter named Set + property. Reads never
// fail on a missing or malformed value (they give the row's default); only
// a font whose stored text is malformed fails its getter.
class TqvProfileSettings {
 public:
  // With `copy_template`, the entries of "[PDF - Best Quality]" are first
  // copied into `section`. `watermarks` may be null: no watermark profile
  // can then be selected.
  TqvProfileSettings(IniFile* store, const CodePage* code_page, TqvWatermarkManager* watermarks,
                     std::string section, std::string profile_name, bool copy_template);
  TqvProfileSettings(const TqvProfileSettings&) = delete;
  TqvProfileSettings& operator=(const TqvProfileSettings&) = delete;

  const std::string& section() const { return section_; }
  std::wstring Name() const;

#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value) \
  ProfileValueType<ProfileKind::k##kind> property() const {             \
    return Get##kind(ProfileProperty::property);                         \
  }                                                                      \
  void Set##property(ProfileArgType<ProfileKind::k##kind> value) {       \
    Set##kind(ProfileProperty::property, value);                         \
  }
#include "profiles/profile_keys.def"

 private:
  std::wstring GetString(ProfileProperty property) const;
  void SetString(ProfileProperty property, const std::wstring& value);
  bool GetBool(ProfileProperty property) const;
  void SetBool(ProfileProperty property, bool value);
  int32_t GetInteger(ProfileProperty property) const;
  void SetInteger(ProfileProperty property, int32_t value);
  int32_t GetEnum(ProfileProperty property) const;
  void SetEnum(ProfileProperty property, int32_t value);
  int32_t GetColor(ProfileProperty property) const;
  void SetColor(ProfileProperty property, int32_t value);
  double GetFloat(ProfileProperty property) const;
  void SetFloat(ProfileProperty property, double value);
  std::vector<std::wstring> GetList(ProfileProperty property) const;
  void SetList(ProfileProperty property, const std::vector<std::wstring>& lines);
  TqvFont GetFont(ProfileProperty property) const;
  void SetFont(ProfileProperty property, const TqvFont& font);
  std::wstring GetWatermarkName(ProfileProperty property) const;
  void SetWatermarkName(ProfileProperty property, const std::wstring& name);
  int32_t GetTextOptimization(ProfileProperty property) const;
  void SetTextOptimization(ProfileProperty property, int32_t value);

  IniFile* store_;
  const CodePage* code_page_;
  TqvWatermarkManager* watermarks_;
  std::string section_;
  std::string profile_name_;
  // Names of the watermark profiles as last read from the watermark store.
  std::vector<std::string> watermark_names_;
};

}  // namespace tessaly
