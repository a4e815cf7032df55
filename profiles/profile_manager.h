#pragma once

#include <memory>
#include <string>
#include <vector>

#include "addin/addin_objects.h"
#include "platform/env.h"
#include "profiles/general_settings.h"
#include "profiles/profile_errors.h"
#include "profiles/profile_settings.h"
#include "store/store_file.h"
#include "watermarks/watermark_manager.h"
#include "watermarks/watermark_profile.h"

namespace tessaly {

extern const char kTessalyRegistryKey[];  // "Software\Orvane\Orvane Tessaly"
extern const char kDefaultInstallPath[];  // "C:\Program Files\Orvane\Tessaly"

// The Profiles file as it is first created.
bool CreateDefaultProfilesFile(const Env& env, const std::string& path);

// "qvPS", maintained by the printer while it prints.
bool ReadFlagPS(const Env& env);

// Owns the stores of one session: the Profiles file, the PlugIn file and
// the watermark file. Lists, creates, copies and deletes profiles, keeps the
// global settings and hands out accessors over the stores. Every change goes
// to the in-memory stores at once and to disk at FlushStoreFiles or when
// the manager is destroyed.
class TqvProfileManager {
 public:
  explicit TqvProfileManager(const Env& env);
  ~TqvProfileManager();
  TqvProfileManager(const TqvProfileManager&) = delete;
  TqvProfileManager& operator=(const TqvProfileManager&) = delete;

  const Env& env() const { return env_; }
  const std::string& InstallPath() const { return install_path_; }
  TqvStoreFile& profiles_store() { return profiles_; }
  TqvStoreFile& plugin_store() { return plugin_; }

  // The accessors over the PlugIn store; the manager keeps them.
  TqvOfficeAddinSettings& AddinSettings() { return addin_.settings; }
  TqvAddinPDFBookmark& Bookmarks() { return addin_.bookmarks; }
  TqvAddinPDFHyperlink& Hyperlinks() { return addin_.hyperlinks; }
  TqvAddinPDFNotes& Notes() { return addin_.notes; }
  TqvDocumentProperties& DocumentProperties() { return addin_.document_properties; }

  // Writes both stores to disk without releasing them; never reports.
  void FlushStoreFiles();
  // Closes both stores without writing them, so that the manager's end
  // leaves the files as they are on disk: for a run that failed half way.
  void DiscardStoreFiles();
  void WriteFlagPD(bool value);
  void WriteFlagPP(bool value);

  // Profiles. Names are ANSI section names inside, wide strings outside.
  void RefreshProfileList();
  const std::vector<std::string>& GetProfilesList();
  std::unique_ptr<TqvProfileSettings> CreateNewProfile(const std::wstring& name);
  bool DeleteProfile(const std::wstring& name);
  bool CopyProfile(const std::wstring& source, const std::wstring& target, bool overwrite);
  std::unique_ptr<TqvProfileSettings> OpenProfile(const std::wstring& section,
                                                  const std::wstring& name);
  std::wstring GetLastProfile();
  void SetLastProfile(const std::wstring& name);
  // "LastProfile" as read when the manager was created.
  const std::string& last_profile_at_start() const { return last_profile_; }

  // Global settings of "General Settings": a getter named after each
  // property of profiles/general_settings.def and a setter Set + property.
#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, default_value) \
  ProfileValueType<ProfileKind::k##kind> property();                       \
  void Set##property(ProfileArgType<ProfileKind::k##kind> value);
#include "profiles/general_settings.def"

  static std::wstring PrinterName() { return L"Orvane Tessaly"; }
  static std::wstring Edition() { return L"Professional"; }
  static std::wstring Version() { return L"1.0b"; }

  // Watermark profiles. Names are ANSI inside, wide strings outside; the
  // names are cached as last refreshed from the watermark store. A name that
  // is not there fails with EProfileNotFound.
  bool WatermarkProfileExists(const std::wstring& name);
  const std::vector<std::string>& GetWatermarkProfilesList();
  std::unique_ptr<TqvWatermarkProfile> GetWatermarkProfile(const std::wstring& name);
  // Opens the profile, a new name included (it is written with its first
  // item); an existing one is emptied first when `overwrite` is set.
  std::unique_ptr<TqvWatermarkProfile> CreateWatermarkProfile(const std::wstring& name,
                                                              bool overwrite);
  bool DeleteWatermarkProfile(const std::wstring& name);
  // The name at that index of the cached names, as last refreshed.
  bool DeleteWatermarkProfileByIndex(int index);
  TqvWatermarkManager& watermarks() { return watermarks_; }

  // The open Profiles store; throws when it could not be opened.
  IniFile& ProfilesIni() { return profiles_.ini(); }
  std::string ToAnsi(const std::wstring& s) const { return env_.code_page->ToAnsi(s); }
  std::wstring ToWide(const std::string& s) const { return env_.code_page->FromAnsi(s); }

 private:
  // A key of "General Settings" as its kind stores it.
  template <ProfileKind K>
  ProfileValueType<K> ReadGeneral(GeneralSetting setting);
  template <ProfileKind K>
  void WriteGeneral(GeneralSetting setting, ProfileArgType<K> value);
  bool InProfileList(const std::string& name) const;
  void WriteFlag(const char* name, bool value);
  TqvWatermarkManager* watermark_store() { return &watermarks_; }
  void RefreshWatermarkNames() { watermark_names_ = watermarks_.ProfileNames(); }

  const Env& env_;
  std::string install_path_;
  // Construction order: watermark store, Profiles file, PlugIn file, then
  // the add-in objects over the PlugIn file.
  TqvWatermarkManager watermarks_;
  std::vector<std::string> watermark_names_;
  TqvStoreFile profiles_;
  std::vector<std::string> profile_list_;
  std::string last_profile_;
  TqvStoreFile plugin_;
  TqvAddinObjects addin_{&plugin_};
};

}  // namespace tessaly
