#include "tools/tqstore/folder_stores.h"

#include <algorithm>

#include "common/comma_text.h"
#include "common/number_format.h"
#include "common/store_codec.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "profiles/profile_sections.h"
#include "tools/tqstore/text.h"
#include "watermarks/font_text.h"

namespace tessaly {

namespace {

void OpenExisting(TqvStoreFile& store) {
  try {
    store.Load();
  } catch (const EStoreCorrupt& e) {
    throw ToolError(store.path() + " is not a store file: " + e.what());
  }
}

bool SameAsciiFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
           return up(x) == up(y);
         });
}

std::string Render(const Env&, bool value) { return value ? "true" : "false"; }
std::string Render(const Env&, int32_t value) { return std::to_string(value); }
std::string Render(const Env&, double value) { return FormatFloatGeneral(value, '.'); }
std::string Render(const Env&, const std::wstring& value) { return ToUtf8(value); }
std::string Render(const Env&, const std::vector<std::wstring>& lines) {
  std::vector<std::string> items;
  for (const std::wstring& line : lines) items.push_back(ToUtf8(line));
  return JoinCommaText(items);
}
std::string Render(const Env& env, const TqvFont& font) {
  return AnsiToUtf8(env, FontToText(font));
}

// The command line's text as the value type of a setter.
template <class T>
T Parse(const Env& env, const std::string& text, const ProfileKey& row);

ToolError NotOfType(const std::string& text, const ProfileKey& row, const char* what) {
  return ToolError("\"" + text + "\" is not " + what + ": " + row.name + " takes " + what);
}

template <>
bool Parse<bool>(const Env&, const std::string& text, const ProfileKey& row) {
  if (SameAsciiFolded(text, "true") || text == "1" || text == "-1") return true;
  if (SameAsciiFolded(text, "false") || text == "0") return false;
  throw NotOfType(text, row, "a boolean (true or false)");
}

template <>
int32_t Parse<int32_t>(const Env&, const std::string& text, const ProfileKey& row) {
  int32_t value = 0;
  if (!ParseInteger(text, &value)) throw NotOfType(text, row, "an integer");
  return value;
}

template <>
double Parse<double>(const Env&, const std::string& text, const ProfileKey& row) {
  double value = 0;
  if (!ParseFloat(text, '.', &value)) throw NotOfType(text, row, "a number");
  return value;
}

template <>
std::wstring Parse<std::wstring>(const Env&, const std::string& text, const ProfileKey&) {
  return FromUtf8(text);
}

template <>
std::vector<std::wstring> Parse<std::vector<std::wstring>>(const Env&, const std::string& text,
                                                           const ProfileKey&) {
  std::vector<std::wstring> lines;
  for (const std::string& item : SplitCommaText(text)) lines.push_back(FromUtf8(item));
  return lines;
}

template <>
TqvFont Parse<TqvFont>(const Env& env, const std::string& text, const ProfileKey& row) {
  try {
    return TextToFont(Utf8ToAnsi(env, text));
  } catch (const std::exception&) {
    throw NotOfType(text, row, "a font (face,size,charset,colour,bold,italic,underline,strike)");
  }
}

}  // namespace

FolderStores::FolderStores(const Env& env, const std::string& dir)
    : env_(env),
      paths_(FolderOf(dir)),
      profiles_(env, paths_.profiles),
      plugin_(env, paths_.plugin),
      watermarks_(env) {
  if (!env.files->Exists(paths_.profiles)) throw ToolError("no such file: " + paths_.profiles);
  OpenExisting(profiles_);
}

TqvStoreFile* FolderStores::plugin() {
  if (!plugin_tried_) {
    plugin_tried_ = true;
    if (env_.files->Exists(paths_.plugin)) OpenExisting(plugin_);
  }
  return plugin_.is_open() ? &plugin_ : nullptr;
}

TqvWatermarkManager* FolderStores::watermarks() {
  if (!watermarks_tried_) {
    watermarks_tried_ = true;
    // Open creates a missing file: only an existing one is opened.
    if (env_.files->Exists(paths_.watermarks)) {
      try {
        watermarks_.Open(paths_.watermarks);
      } catch (const std::exception& e) {
        throw ToolError(paths_.watermarks + " is not a watermark file: " + e.what());
      }
    }
  }
  return watermarks_.IsOpen() ? &watermarks_ : nullptr;
}

std::vector<std::string> FolderStores::ProfileNames() {
  std::vector<std::string> names = profiles().SectionNames();
  names.erase(std::remove(names.begin(), names.end(), kGeneralSettingsSection), names.end());
  return names;
}

std::string FolderStores::SectionOf(const std::string& utf8_name) {
  std::string name = Utf8ToAnsi(env_, utf8_name);
  std::vector<std::string> names = ProfileNames();
  if (std::find(names.begin(), names.end(), name) == names.end()) {
    throw ToolError("no profile \"" + utf8_name + "\" in " + paths_.profiles);
  }
  return name;
}

std::unique_ptr<TqvProfileSettings> FolderStores::Settings(const std::string& section) {
  return std::make_unique<TqvProfileSettings>(&profiles(), env_.code_page, watermarks(), section,
                                              section, false);
}

void FolderStores::SaveProfiles() {
  if (!ReplaceStoreFile(env_, paths_.profiles, profiles().Text())) {
    throw ToolError("cannot write " + paths_.profiles + "; it is unchanged");
  }
}

const ProfileKey& ProfileKeyNamed(const std::string& name) {
  for (const ProfileKey& row : kProfileKeys) {
    if (SameAsciiFolded(name, row.name) || SameAsciiFolded(name, row.key)) return row;
  }
  throw ToolError("no profile key \"" + name + "\" (give a property or a stored key)");
}

std::string ReadProfileValue(const Env& env, const TqvProfileSettings& settings,
                             ProfileProperty property) {
  try {
    switch (property) {
#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value) \
  case ProfileProperty::property:                                       \
    return Render(env, settings.property());
#include "profiles/profile_keys.def"
      default:
        break;
    }
  } catch (const std::exception& e) {
    return std::string("(unreadable: ") + e.what() + ")";
  }
  return "";
}

std::string DefaultProfileValue(const Env& env, ProfileProperty property) {
  // A read from an empty store gives each row's default, as the getter
  // makes it.
  static const std::vector<std::string> defaults = [&env] {
    IniFile empty("", env.code_page->UpperTable(), env.code_page->DecimalSeparator());
    TqvProfileSettings settings(&empty, env.code_page, nullptr, "x", "x", false);
    std::vector<std::string> all;
    for (const ProfileKey& row : kProfileKeys) {
      all.push_back(ReadProfileValue(env, settings, row.property));
    }
    return all;
  }();
  return defaults[static_cast<size_t>(property)];
}

void WriteProfileValue(const Env& env, TqvProfileSettings& settings, ProfileProperty property,
                       const std::string& text) {
  const ProfileKey& row = ProfileKeyOf(property);
  try {
    switch (property) {
#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value)                 \
  case ProfileProperty::property:                                                       \
    settings.Set##property(Parse<ProfileValueType<ProfileKind::k##kind>>(env, text, row)); \
    return;
#include "profiles/profile_keys.def"
      default:
        return;
    }
  } catch (const ToolError&) {
    throw;
  } catch (const std::exception& e) {
    throw ToolError(std::string(row.name) + " refuses \"" + text + "\": " + e.what());
  }
}

}  // namespace tessaly
