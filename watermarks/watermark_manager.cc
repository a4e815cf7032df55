#include "watermarks/watermark_manager.h"

#include "common/comma_text.h"
#include "common/exception.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/working_file.h"
#include "watermarks/item_elements.h"

namespace tessaly {

const char kNoWatermarkProfile[] = "None";

namespace {

const char kNewFile[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?> <Orvane> </Orvane>";
const char kProfilesElement[] = "WatermarkProfiles";
const char kProfileElement[] = "Profile";
const char kProfileNameAttribute[] = "PName";

// The working file beside the store file: its name with the extension
// ".~xml".
std::string WorkingName(const std::string& path) {
  size_t dot = path.rfind('.');
  size_t slash = path.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return path + ".~xml";
  }
  return path.substr(0, dot) + ".~xml";
}

}  // namespace

TqvWatermarkManager::TqvWatermarkManager(const Env& env) : env_(env) {}

TqvWatermarkManager::~TqvWatermarkManager() {
  // Element handles go before their document.
  profiles_.reset();
  doc_.reset();
}

std::string TqvWatermarkManager::Ansi(const std::wstring& text) const {
  return env_.code_page->ToAnsi(text);
}

std::wstring TqvWatermarkManager::Wide(const std::string& text) const {
  return env_.code_page->FromAnsi(text);
}

void TqvWatermarkManager::Load(const std::string& data) {
  std::unique_ptr<XmlDocument> doc = env_.xml->Parse(data);
  std::unique_ptr<XmlElement> root = doc->DocumentElement();
  std::unique_ptr<XmlElement> profiles = root ? root->FirstChildElement() : nullptr;
  // The profile list is the root's first child, whatever its name.
  if (!profiles) throw EListError(0);
  profiles_.reset();
  doc_ = std::move(doc);
  profiles_ = std::move(profiles);
}

void TqvWatermarkManager::Open(const std::string& path) {
  profiles_.reset();
  doc_.reset();
  open_ = false;
  path_ = path;
  if (env_.files->Exists(path)) {
    std::string data;
    if (!env_.files->Read(path, &data)) {
      throw Exception(FormatMessage1("Cannot open file \"%s\"", path));
    }
    Load(data);
  } else {
    doc_ = env_.xml->Parse(kNewFile);
    std::unique_ptr<XmlElement> root = doc_->DocumentElement();
    profiles_ = doc_->CreateElement(kProfilesElement);
    root->AppendChild(*profiles_);
    std::unique_ptr<XmlElement> none = doc_->CreateElement(kProfileElement);
    none->SetAttribute(kProfileNameAttribute, Wide(kNoWatermarkProfile));
    profiles_->AppendChild(*none);
    Save();
  }
  open_ = true;
}

bool TqvWatermarkManager::Reload() {
  if (!open_) return false;
  std::string data;
  if (env_.files->Exists(path_) && env_.files->Read(path_, &data)) Load(data);
  return open_;
}

std::vector<std::string> TqvWatermarkManager::ProfileNames() const {
  std::vector<std::string> names;
  if (!open_) return names;
  for (const auto& child : profiles_->ChildElements()) {
    std::wstring name;
    if (child->LocalName() == kProfileElement && child->GetAttribute(kProfileNameAttribute, &name)) {
      names.push_back(Ansi(name));
    }
  }
  return names;
}

bool TqvWatermarkManager::IsProfileNamed(const XmlElement& element,
                                         const std::string& name) const {
  std::wstring pname;
  return element.LocalName() == kProfileElement &&
         element.GetAttribute(kProfileNameAttribute, &pname) && Ansi(pname) == name;
}

std::unique_ptr<XmlElement> TqvWatermarkManager::FindProfile(const std::string& name) const {
  for (auto& child : profiles_->ChildElements()) {
    if (IsProfileNamed(*child, name)) return std::move(child);
  }
  return nullptr;
}

std::unique_ptr<TqvRenderItemsList> TqvWatermarkManager::ReadProfileItems(
    const std::string& name) const {
  if (!open_) return nullptr;
  auto items = std::make_unique<TqvRenderItemsList>(name);
  std::unique_ptr<XmlElement> profile = FindProfile(name);
  if (!profile) return items;
  ItemElements elements(env_);
  for (const auto& child : profile->ChildElements()) {
    std::unique_ptr<TqvWatermarkItem> item = elements.Read(*child);
    if (item) items->Add(std::move(item));
  }
  return items;
}

bool TqvWatermarkManager::RemoveProfileElement(const std::string& name) {
  std::unique_ptr<XmlElement> profile = FindProfile(name);
  if (!profile) return false;
  profiles_->RemoveChild(std::move(profile));
  return true;
}

bool TqvWatermarkManager::RemoveEveryProfileElement(const std::string& name) {
  bool removed = false;
  for (auto& child : profiles_->ChildElements()) {
    if (IsProfileNamed(*child, name)) {
      profiles_->RemoveChild(std::move(child));
      removed = true;
    }
  }
  return removed;
}

bool TqvWatermarkManager::RemoveProfile(const std::string& name) {
  if (!open_ || name == kNoWatermarkProfile) return false;
  if (!RemoveProfileElement(name)) return false;
  Save();
  return true;
}

void TqvWatermarkManager::AppendProfile(const TqvRenderItemsList& items) {
  std::unique_ptr<XmlElement> profile = doc_->CreateElement(kProfileElement);
  profile->SetAttribute(kProfileNameAttribute, Wide(items.Name()));
  ItemElements elements(env_);
  for (int i = 0; i < items.Count(); ++i) {
    std::unique_ptr<XmlElement> element = elements.Write(*doc_, *items.Item(i));
    if (element) profile->AppendChild(*element);
  }
  profiles_->AppendChild(*profile);
}

bool TqvWatermarkManager::StoreProfile(const TqvRenderItemsList& items) {
  // "None" keeps no items: writing it would add a second "None" profile
  // behind the first, which is the one every reader takes.
  if (!open_ || items.Name() == kNoWatermarkProfile) return false;
  // Readers take the first profile of a name. Leaving a later one of the
  // same name behind would make it the one read instead of the one saved.
  bool removed = RemoveEveryProfileElement(items.Name());
  if (items.Count() == 0) {
    // Not kept in the file; the empty element stays in memory only.
    if (removed) Save();
    AppendProfile(items);
    return false;
  }
  AppendProfile(items);
  Save();
  return true;
}

bool TqvWatermarkManager::ResetProfile(const std::string& name, bool overwrite) {
  if (!open_ || !overwrite) return false;
  return StoreProfile(TqvRenderItemsList(name));
}

void TqvWatermarkManager::Save() {
  std::string data = doc_->SaveUtf8();
  // A working file of this write's own, as for the store files.
  std::string working = UniqueWorkingName(*env_.files, WorkingName(path_));
  RemoveLeftoverWorkingFiles(*env_.files, WorkingName(path_));
  if (!env_.files->Write(working, data) || !env_.files->Replace(working, path_)) {
    env_.files->Remove(working);
    throw Exception(FormatMessage1("Cannot create file \"%s\"", path_));
  }
}

}  // namespace tessaly
