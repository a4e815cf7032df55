#include "profiles/profile_manager.h"

#include <algorithm>

#include "addin/plugin_file.h"
#include "common/number_format.h"
#include "common/store_codec.h"
#include "platform/code_page.h"
#include "platform/registry.h"
#include "profiles/profile_name.h"
#include "profiles/profile_sections.h"
#include "profiles/store_policy.h"

namespace tessaly {

const char kTessalyRegistryKey[] = "Software\\Orvane\\Orvane Tessaly";
const char kDefaultInstallPath[] = "C:\\Program Files\\Orvane\\Tessaly";

namespace {

const char kInstallPathValue[] = "Installation Path";
const char kProfilesFile[] = "\\Profiles\\Profiles.qvf";
const char kPlugInFile[] = "\\Profiles\\PlugIn.qvf";
const char kWatermarkFile[] = "\\Profiles\\WatermarkProfiles.xml";

std::string ReadInstallPath(const Env& env) {
  Registry& registry = *env.registry;
  if (registry.KeyExists(kTessalyRegistryKey) &&
      registry.ValueExists(kTessalyRegistryKey, kInstallPathValue)) {
    return registry.ReadString(kTessalyRegistryKey, kInstallPathValue);
  }
  return kDefaultInstallPath;
}

// The ANSI form is checked: a character the code page lacks has become "?",
// which the rule refuses.
bool IsBadName(const std::string& name) { return !IsValidProfileName(std::string_view(name)); }

bool IsProtectedTarget(const std::string& name) {
  return name == kBuiltInProfileName || name == kGeneralSettingsSection ||
         name.find('[') != std::string::npos;
}

}  // namespace

bool CreateDefaultProfilesFile(const Env& env, const std::string& path) {
  return WriteNewStoreFile(env, path,
                           StoreTextOf({"[General Settings]",
                                        "LastProfile=[PDF - Best Quality]",
                                        "DefaultOutputDirectory='My Documents'",
                                        "ShowPreview=1",
                                        "ShowSaveDialog=1",
                                        "ShowSettingsDialog=1",
                                        "ViewGeneratedDocuments=1",
                                        "Source Application=3",
                                        "OutputDocumentFormat=0",
                                        "OutputDocumentName=Output",
                                        "UseCustomDocumentName=1",
                                        "[[PDF - Best Quality]]",
                                        "[Last Saved State]"}));
}

namespace {

const StoreKind kProfilesStore = {"1002", "1001", &CreateDefaultProfilesFile};
const StoreKind kPlugInStore = {"1003", "1004", &CreateDefaultPlugInFile};

}  // namespace

bool ReadFlagPS(const Env& env) {
  int32_t value = 0;
  return ParseInteger(env.registry->ReadString(kTessalyRegistryKey, "qvPS"), &value) && value != 0;
}

TqvProfileManager::TqvProfileManager(const Env& env)
    : env_(env),
      install_path_(ReadInstallPath(env)),
      watermarks_(env),
      profiles_(env, install_path_ + kProfilesFile),
      plugin_(env, install_path_ + kPlugInFile) {
  // The watermark store comes first; a watermark file that cannot be read
  // or created fails the construction.
  watermarks_.Open(install_path_ + kWatermarkFile);
  RefreshWatermarkNames();
  OpenStore(env_, profiles_, kProfilesStore);
  if (profiles_.is_open()) {
    RefreshProfileList();
    const GeneralKey& last = GeneralKeyOf(GeneralSetting::LastProfile);
    last_profile_ =
        ProfilesIni().ReadString(kGeneralSettingsSection, last.key, last.default_value.text);
  }
  OpenStore(env_, plugin_, kPlugInStore);
}

TqvProfileManager::~TqvProfileManager() {
  ReleaseStore(env_, profiles_, kProfilesStore);
  ReleaseStore(env_, plugin_, kPlugInStore);
}

void TqvProfileManager::DiscardStoreFiles() {
  profiles_.Discard();
  plugin_.Discard();
}

void TqvProfileManager::FlushStoreFiles() {
  // Each store is written on its own: a failure on one does not keep the
  // other from being written.
  profiles_.Flush();
  plugin_.Flush();
}

void TqvProfileManager::WriteFlag(const char* name, bool value) {
  env_.registry->WriteString(kTessalyRegistryKey, name, value ? "1" : "0");
}

void TqvProfileManager::WriteFlagPD(bool value) { WriteFlag("qvPD", value); }
void TqvProfileManager::WriteFlagPP(bool value) { WriteFlag("qvPP", value); }

void TqvProfileManager::RefreshProfileList() {
  profile_list_ = ProfilesIni().SectionNames();
  profile_list_.erase(
      std::remove(profile_list_.begin(), profile_list_.end(), kGeneralSettingsSection),
      profile_list_.end());
}

const std::vector<std::string>& TqvProfileManager::GetProfilesList() {
  RefreshProfileList();
  return profile_list_;
}

bool TqvProfileManager::InProfileList(const std::string& name) const {
  return std::find(profile_list_.begin(), profile_list_.end(), name) != profile_list_.end();
}

std::unique_ptr<TqvProfileSettings> TqvProfileManager::CreateNewProfile(const std::wstring& name) {
  std::string section = ToAnsi(name);
  RefreshProfileList();
  if (InProfileList(section)) {
    bool reserved = section == kBuiltInProfileName || section == kLastSavedStateSection ||
                    section == kGeneralSettingsSection || section.find('[') != std::string::npos;
    throw Exception(reserved ? kProfileProtectedMessage : kProfileExistsMessage);
  }
  // "General Settings" is never listed, yet a profile under that name would
  // fill the global settings with the template's keys.
  if (section == kGeneralSettingsSection) throw Exception(kProfileProtectedMessage);
  if (IsBadName(section)) throw Exception(kInvalidProfileNameMessage);
  auto settings = std::make_unique<TqvProfileSettings>(&ProfilesIni(), env_.code_page,
                                                       watermark_store(), section, section, true);
  RefreshProfileList();
  return settings;
}

bool TqvProfileManager::DeleteProfile(const std::wstring& name) {
  std::string section = ToAnsi(name);
  RefreshProfileList();
  if (!InProfileList(section)) throw Exception(kProfileNotFoundMessage);
  if (section == kGeneralSettingsSection || section == kLastSavedStateSection ||
      section.find('[') != std::string::npos) {
    throw Exception(kProfileProtectedMessage);
  }
  ProfilesIni().EraseSection(section);
  RefreshProfileList();
  return true;
}

bool TqvProfileManager::CopyProfile(const std::wstring& source, const std::wstring& target,
                                    bool overwrite) {
  std::string from = ToAnsi(source);
  std::string to = ToAnsi(target);
  RefreshProfileList();
  if (!InProfileList(from)) throw EProfileNotFound(kProfileNotFoundMessage);
  // "General Settings" is refused whether or not it is listed (it never
  // is): a copy onto it would overwrite the global settings.
  if (to == kGeneralSettingsSection) throw EProfileCantDelete(kProfileProtectedMessage);
  if (InProfileList(to)) {
    if (IsProtectedTarget(to)) throw EProfileCantDelete(kProfileProtectedMessage);
    return overwrite && CopySection(ProfilesIni(), from, to);
  }
  if (IsBadName(to)) throw EInvalidProfileName(kInvalidProfileNameMessage);
  return CopySection(ProfilesIni(), from, to);
}

std::unique_ptr<TqvProfileSettings> TqvProfileManager::OpenProfile(const std::wstring& section,
                                                                   const std::wstring& name) {
  std::string wanted = ToAnsi(name);
  RefreshProfileList();
  const unsigned char* upper = env_.code_page->UpperTable();
  auto to_upper_trimmed = [upper](std::string s) {
    size_t begin = s.find_first_not_of(' ');
    size_t end = s.find_last_not_of(' ');
    s = begin == std::string::npos ? std::string() : s.substr(begin, end - begin + 1);
    for (char& c : s) c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
    return s;
  };
  std::string haystack = to_upper_trimmed(wanted);
  bool accepted = std::any_of(profile_list_.begin(), profile_list_.end(), [&](const std::string& e) {
    return haystack.find(to_upper_trimmed(e)) != std::string::npos;
  });
  if (!accepted) throw Exception(kProfileNotFoundMessage);
  return std::make_unique<TqvProfileSettings>(&ProfilesIni(), env_.code_page, watermark_store(),
                                              ToAnsi(section), wanted, false);
}

template <ProfileKind K>
ProfileValueType<K> TqvProfileManager::ReadGeneral(GeneralSetting setting) {
  static_assert(K == ProfileKind::kString || K == ProfileKind::kBool || K == ProfileKind::kEnum);
  const GeneralKey& row = GeneralKeyOf(setting);
  const char* section = kGeneralSettingsSection;
  if constexpr (K == ProfileKind::kString) {
    return ToWide(ProfilesIni().ReadString(section, row.key, row.default_value.text));
  } else if constexpr (K == ProfileKind::kBool) {
    return ProfilesIni().ReadBool(section, row.key, row.default_value.integer != 0);
  } else {
    return ProfilesIni().ReadInteger(section, row.key, row.default_value.integer);
  }
}

template <ProfileKind K>
void TqvProfileManager::WriteGeneral(GeneralSetting setting, ProfileArgType<K> value) {
  const char* key = GeneralKeyOf(setting).key;
  if constexpr (K == ProfileKind::kString) {
    ProfilesIni().WriteString(kGeneralSettingsSection, key, ToAnsi(value));
  } else if constexpr (K == ProfileKind::kBool) {
    ProfilesIni().WriteBool(kGeneralSettingsSection, key, value);
  } else {
    // Enumerations and the format code are stored from one byte.
    ProfilesIni().WriteInteger(kGeneralSettingsSection, key, value & 0xFF);
  }
}

std::wstring TqvProfileManager::GetLastProfile() {
  return ReadGeneral<ProfileKind::kString>(GeneralSetting::LastProfile);
}

void TqvProfileManager::SetLastProfile(const std::wstring& name) {
  if (!InProfileList(ToAnsi(name))) throw Exception(kProfileNotFoundMessage);
  WriteGeneral<ProfileKind::kString>(GeneralSetting::LastProfile, name);
}

#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, default_value)           \
  ProfileValueType<ProfileKind::k##kind> TqvProfileManager::property() {                \
    return ReadGeneral<ProfileKind::k##kind>(GeneralSetting::property);                 \
  }                                                                                     \
  void TqvProfileManager::Set##property(ProfileArgType<ProfileKind::k##kind> value) {   \
    WriteGeneral<ProfileKind::k##kind>(GeneralSetting::property, value);                \
  }
#include "profiles/general_settings.def"

// Watermark profiles.

bool TqvProfileManager::WatermarkProfileExists(const std::wstring& name) {
  RefreshWatermarkNames();
  return std::find(watermark_names_.begin(), watermark_names_.end(), ToAnsi(name)) !=
         watermark_names_.end();
}

const std::vector<std::string>& TqvProfileManager::GetWatermarkProfilesList() {
  RefreshWatermarkNames();
  return watermark_names_;
}

std::unique_ptr<TqvWatermarkProfile> TqvProfileManager::GetWatermarkProfile(
    const std::wstring& name) {
  if (!WatermarkProfileExists(name)) throw EProfileNotFound(kProfileNotFoundMessage);
  auto profile = std::make_unique<TqvWatermarkProfile>();
  profile->Open(ToAnsi(name), &watermarks_);
  return profile;
}

std::unique_ptr<TqvWatermarkProfile> TqvProfileManager::CreateWatermarkProfile(
    const std::wstring& name, bool overwrite) {
  if (WatermarkProfileExists(name)) watermarks_.ResetProfile(ToAnsi(name), overwrite);
  auto profile = std::make_unique<TqvWatermarkProfile>();
  profile->Open(ToAnsi(name), &watermarks_);
  return profile;
}

bool TqvProfileManager::DeleteWatermarkProfile(const std::wstring& name) {
  if (!WatermarkProfileExists(name)) throw EProfileNotFound(kProfileNotFoundMessage);
  bool removed = watermarks_.RemoveProfile(ToAnsi(name));
  RefreshWatermarkNames();
  return removed;
}

bool TqvProfileManager::DeleteWatermarkProfileByIndex(int index) {
  if (index < 0 || static_cast<size_t>(index) >= watermark_names_.size() ||
      !watermarks_.RemoveProfile(watermark_names_[static_cast<size_t>(index)])) {
    throw EProfileNotFound(kProfileNotFoundMessage);
  }
  RefreshWatermarkNames();
  return true;
}

}  // namespace tessaly
