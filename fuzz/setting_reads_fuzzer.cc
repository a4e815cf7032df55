// Every profile, general and add-in key read over arbitrary section text:
// no read fails (a font's malformed text aside, which fails with an
// Exception), and a value that does not parse as the key's kind reads as
// the key's default. The reads are generated from the key tables.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "addin/addin_objects.h"
#include "common/number_format.h"
#include "platform/fake/fake_env.h"
#include "profiles/general_settings.h"
#include "profiles/profile_manager.h"
#include "profiles/profile_sections.h"
#include "profiles/profile_settings.h"
#include "store/store_file.h"

namespace tessaly {
namespace {

const char kPlugInPath[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\PlugIn.qvf";
const char kProfileSection[] = "Fuzz";

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// A value read by `read` from `raw` (null for a missing key) against the
// row's default: integers and booleans parse as integers, floats as floats.
template <class Read>
void CheckRead(const std::string_view* raw, int32_t integer_default, double real_default,
               Read read) {
  using Value = std::decay_t<decltype(read())>;
  if constexpr (std::is_same_v<Value, TqvFont>) {
    try {
      read();
    } catch (const Exception&) {
    }
  } else if constexpr (std::is_same_v<Value, bool>) {
    int32_t parsed;
    const bool ok = raw != nullptr && ParseInteger(*raw, &parsed);
    Require(read() == (ok ? parsed != 0 : integer_default != 0));
  } else if constexpr (std::is_same_v<Value, int32_t>) {
    int32_t parsed;
    const bool ok = raw != nullptr && ParseInteger(*raw, &parsed);
    Require(read() == (ok ? parsed : integer_default));
  } else if constexpr (std::is_same_v<Value, double>) {
    double parsed;
    const bool ok = raw != nullptr && ParseFloat(*raw, '.', &parsed);
    const double value = read();
    const double expected = ok ? parsed : real_default;
    Require(value == expected || (value != value && expected != expected));
  } else {
    read();
  }
}

// A profile read: a text optimization reads as one of its two values.
template <ProfileKind K, class Read>
void CheckProfileRead(const std::string_view* raw, const ProfileKey& row, Read read) {
  if constexpr (K == ProfileKind::kTextOptimization) {
    const int32_t value = read();
    Require(value == 0 || value == 1);
  } else {
    CheckRead(raw, row.default_value.integer, row.default_value.real, read);
  }
}

void ReadProfileKeys(const std::string& body) {
  Cp1252CodePage code_page('.');
  IniFile ini("Profiles.~qvf", code_page.UpperTable(), code_page.DecimalSeparator());
  ini.SetText(std::string("[") + kProfileSection + "]\r\n" + body);
  TqvProfileSettings settings(&ini, &code_page, nullptr, kProfileSection, "Fuzz", false);
#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value)             \
  CheckProfileRead<ProfileKind::k##kind>(ini.Find(kProfileSection, key),             \
                                         ProfileKeyOf(ProfileProperty::property),    \
                                         [&] { return settings.property(); });
#include "profiles/profile_keys.def"
}

// The manager is made once: each input replaces the text of its store.
void ReadGeneralKeys(const std::string& body) {
  static FakeEnv fake;
  static TqvProfileManager manager(fake.env);
  IniFile& ini = manager.ProfilesIni();
  ini.SetText(std::string("[") + kGeneralSettingsSection + "]\r\n" + body);
#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, fallback)                         \
  {                                                                                            \
    const ProfileDefault row_default = GeneralKeyOf(GeneralSetting::property).default_value;   \
    CheckRead(ini.Find(kGeneralSettingsSection, key), row_default.integer, row_default.real,   \
              [&] { return manager.property(); });                                             \
  }
#include "profiles/general_settings.def"
  manager.GetLastProfile();
}

// The default of an add-in row as CheckRead takes it.
int32_t IntegerDefault(bool value) { return value ? 1 : 0; }
int32_t IntegerDefault(int value) { return value; }
int32_t IntegerDefault(const char*) { return 0; }

void ReadAddinKeys(const std::string& body) {
  std::string text;
  for (const char* section : {kWordSettingsSection, kExcelSettingsSection, kPptSettingsSection,
                              kDocumentPropertiesSection})
    text += std::string("[") + section + "]\r\n" + body + "\r\n";
  static FakeEnv fake;
  static TqvStoreFile store(fake.env, kPlugInPath);
  static IniFile& ini = store.Load();
  ini.SetText(text);
  TqvAddinObjects objects(&store);
  TqvOfficeAddinSettings& settings = objects.settings;

  // The checks of one section's rows.
  auto in_section = [&](const char* section) {
    return [section](auto read, const char* key, auto default_value) {
      CheckRead(ini.Find(section, key), IntegerDefault(default_value), 0, read);
    };
  };
  auto word = in_section(kWordSettingsSection);
  auto ppt = in_section(kPptSettingsSection);
  auto excel = in_section(kExcelSettingsSection);
  auto properties = in_section(kDocumentPropertiesSection);
#define TQ_WORD(Property, key, Type, default_value) \
  word([&] { return settings.word().Property(); }, key, default_value);
#define TQ_PPT(Property, key, Type, default_value) \
  ppt([&] { return settings.ppt().Property(); }, key, default_value);
#define TQ_EXCEL(Property, key, Type, default_value) \
  excel([&] { return settings.excel().Property(); }, key, default_value);
#define TQ_PROPERTIES(Property, key, Type, default_value, dispid) \
  properties([&] { return objects.document_properties.Property(); }, key, default_value);
  TQ_WORD_SETTINGS_KEYS(TQ_WORD)
  TQ_PPT_SETTINGS_KEYS(TQ_PPT)
  TQ_EXCEL_SETTINGS_KEYS(TQ_EXCEL)
  TQ_DOCUMENT_PROPERTIES_KEYS(TQ_PROPERTIES)
  const int32_t print_option = settings.excel().PrintOption();
  Require(print_option == kPrintEntireWorkbook || print_option == kPrintActiveWorkSheet);
#define TQ_FACADE(Property, dispid, accessor, accessor_property, Type, set_mask, get_mask) \
  settings.Property();
  TQ_OFFICE_ADDIN_PROPERTIES(TQ_FACADE)
}

}  // namespace
}  // namespace tessaly

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string body(reinterpret_cast<const char*>(data), size);
  tessaly::ReadProfileKeys(body);
  tessaly::ReadGeneralKeys(body);
  tessaly::ReadAddinKeys(body);
  return 0;
}
