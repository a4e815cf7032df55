#include "main_object/tessaly.h"

#include <algorithm>
#include <limits>

#include "addin/list_protocols.h"

#include "common/sdk_error.h"
#include "platform/code_page.h"
#include "profiles/profile_errors.h"
#include "profiles/profile_name.h"
#include "profiles/profile_sections.h"

namespace tessaly {

const char kSettingsDisconnectedMessage[] =
    "The profile settings object can no longer be used: the qvTessaly object that created it "
    "has been released.";

TqvProfileSettings& TqvSettingsRef::get() const {
  if (owner_.expired()) throw Exception(kSettingsDisconnectedMessage);
  return *settings_;
}

namespace {

const wchar_t kBuiltInName[] = L"PDF - Best Quality";
const wchar_t kBuiltInSection[] = L"[PDF - Best Quality]";
const wchar_t kWorkingCopy[] = L"Last Saved State";
const wchar_t kGeneralSettings[] = L"General Settings";

// The names no caller may create, delete or overwrite: the three fixed
// sections and every name with a left bracket (the built-in profile's
// section is named with its brackets).
bool IsReserved(const std::wstring& name) {
  return name == kBuiltInName || name == kWorkingCopy || name == kGeneralSettings ||
         name.find(L'[') != std::wstring::npos;
}

bool ValidName(const std::wstring& name) { return IsValidProfileName(std::wstring_view(name)); }

[[noreturn]] void Fail(int32_t help_context, const char* message) {
  throw SdkError(help_context, message);
}

int32_t Saturated(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void SetLinkStyle(TqvAddinPDFHyperlink& link, const TqvLinkStyle& style) {
  link.SetBorderColor(style.border_color);
  link.SetBorderWidth(style.border_width);
  link.SetHighlightMode(style.highlight_mode);
}

template <typename Step>
void IgnoringFailure(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

// A link out of the document, to an address or a file: `set_target`
// writes the one field that says where to. No destination is written.
template <typename SetTarget>
int32_t AppendOutwardLink(TqvAddinPDFHyperlink& list, int32_t type, const TqvRect& rect,
                          int32_t page, const TqvLinkStyle& style, SetTarget set_target) {
  return AppendEntry(list, [&](TqvAddinPDFHyperlink& link) {
    link.SetHyperLinkType(type);
    set_target(link);
    link.SetSourceRect(rect);
    link.SetSourcePage(page);
    SetLinkStyle(link, style);
  });
}

}  // namespace

TqvTessaly::TqvTessaly(const Env& env, OfficeApplications& office)
    : env_(env), office_(office), manager_(std::make_unique<TqvProfileManager>(env)) {
  manager_->WriteFlagPD(true);
  manager_->FlushStoreFiles();
  current_name_ = manager_->GetLastProfile();
  try {
    manager_->CopyProfile(current_name_, kWorkingCopy, true);
  } catch (const std::exception&) {
    // The last profile is gone or unusable: fall back to the built-in one.
    manager_->SetLastProfile(kBuiltInSection);
    current_name_ = manager_->GetLastProfile();
    manager_->CopyProfile(current_name_, kWorkingCopy, true);
  }
  current_settings_ = manager_->OpenProfile(kWorkingCopy, current_name_);
  printer_name_ = manager_->PrinterName();
  source_application_ = source_app::kOther;
}

TqvTessaly::~TqvTessaly() {
  // Handles die first, so that nothing reaches the stores while the manager
  // writes them back.
  alive_.reset();
  current_settings_.reset();
  manager_.reset();
}

TqvSettingsRef TqvTessaly::Handle(const std::shared_ptr<TqvProfileSettings>& settings) const {
  return TqvSettingsRef(settings, alive_);
}

void TqvTessaly::RefreshList() {
  std::vector<std::wstring> list;
  for (const std::string& section : manager_->GetProfilesList()) {
    std::wstring name = manager_->ToWide(section);
    if (name != kWorkingCopy) list.push_back(std::move(name));
  }
  profile_list_ = std::move(list);
}

bool TqvTessaly::Listed(const std::wstring& name) const {
  return std::find(profile_list_->begin(), profile_list_->end(), name) != profile_list_->end();
}

bool TqvTessaly::SameIgnoringCase(const std::wstring& a, const std::wstring& b) const {
  const unsigned char* upper = env_.code_page->UpperTable();
  std::string x = manager_->ToAnsi(a);
  std::string y = manager_->ToAnsi(b);
  return x.size() == y.size() &&
         std::equal(x.begin(), x.end(), y.begin(), [upper](char c, char d) {
           return upper[static_cast<unsigned char>(c)] == upper[static_cast<unsigned char>(d)];
         });
}

bool TqvTessaly::ListedIgnoringCase(const std::wstring& name) const {
  return std::any_of(profile_list_->begin(), profile_list_->end(),
                     [&](const std::wstring& entry) { return SameIgnoringCase(entry, name); });
}

std::vector<std::wstring> TqvTessaly::GetProfilesList() {
  RefreshList();
  std::vector<std::wstring> out = *profile_list_;
  for (std::wstring& name : out) {
    if (name.empty()) name = L"\r\n";
  }
  return out;
}

int32_t TqvTessaly::GetProfileCount() {
  if (!profile_list_) RefreshList();
  return static_cast<int32_t>(profile_list_->size());
}

TqvSettingsRef TqvTessaly::CreateNewProfile(const std::wstring& name) {
  RefreshList();
  if (Listed(name)) {
    if (IsReserved(name)) Fail(kHelpProtectedProfile, kProfileProtectedMessage);
    Fail(kHelpProfileExists, kProfileExistsMessage);
  }
  // Section names are matched without regard to case in the store: a name
  // that differs from a fixed section or a profile only in case would fill
  // that section with the template's values.
  for (const wchar_t* fixed : {kBuiltInName, kWorkingCopy, kGeneralSettings}) {
    if (SameIgnoringCase(name, fixed)) Fail(kHelpProtectedProfile, kProfileProtectedMessage);
  }
  if (ListedIgnoringCase(name)) Fail(kHelpProfileExists, kProfileExistsMessage);
  if (!ValidName(name)) Fail(kHelpInvalidProfileName, kInvalidProfileNameMessage);
  current_settings_ = manager_->CreateNewProfile(name);
  TqvSettingsRef created = Handle(current_settings_);
  RefreshList();
  return created;
}

void TqvTessaly::DeleteListedProfile(const std::wstring& name) {
  if (IsReserved(name)) Fail(kHelpProtectedProfile, kProfileProtectedMessage);
  manager_->DeleteProfile(name);
  RefreshList();
}

bool TqvTessaly::DeleteProfile(const std::wstring& name) {
  RefreshList();
  if (!Listed(name)) Fail(kHelpProfileNotFound, kProfileNotFoundMessage);
  DeleteListedProfile(name);
  return true;
}

bool TqvTessaly::DeleteProfileByIndex(int32_t index) {
  RefreshList();
  if (index < 0 || static_cast<size_t>(index) >= profile_list_->size()) {
    Fail(kHelpProfileNotFound, kProfileNotFoundMessage);
  }
  DeleteListedProfile(std::wstring((*profile_list_)[static_cast<size_t>(index)]));
  return true;
}

TqvSettingsRef TqvTessaly::CurrentProfile() const { return Handle(current_settings_); }


void TqvTessaly::SelectCurrentProfile(const std::wstring& name) {
  RefreshList();
  if (!Listed(name)) Fail(kHelpProfileNotFound, kProfileNotFoundMessage);
  manager_->SetLastProfile(name);
  current_name_ = name;
  manager_->CopyProfile(name, kWorkingCopy, true);
  current_settings_ = manager_->OpenProfile(kWorkingCopy, name);
}

bool TqvTessaly::ApplyChangesToCurrentProfile() {
  return manager_->CopyProfile(kWorkingCopy, current_name_, true);
}

bool TqvTessaly::SaveCurrentProfileAs(const std::wstring& new_name) {
  // The store would take "general settings" for the global settings.
  if (SameIgnoringCase(new_name, kGeneralSettings)) {
    Fail(kHelpProtectedProfile, kProfileProtectedMessage);
  }
  RefreshList();
  if (!Listed(new_name) && !ValidName(new_name)) {
    Fail(kHelpInvalidProfileName, kInvalidProfileNameMessage);
  }
  return manager_->CopyProfile(current_name_, new_name, true);
}

template <GeneralSetting S, class Value>
Value TqvTessaly::FromStored(Value stored) {
  if constexpr (S == GeneralSetting::SourceApplication) {
    source_application_ = stored & 0x7F;
    return source_application_;
  } else if constexpr (S == GeneralSetting::OutputDocumentFormat) {
    return DocumentFormatOfCode(stored);
  } else {
    return stored;
  }
}

template <GeneralSetting S, class Value>
Value TqvTessaly::ToStored(Value value) {
  if constexpr (S == GeneralSetting::SourceApplication) {
    source_application_ = value;
    return value;
  } else if constexpr (S == GeneralSetting::OutputDocumentFormat) {
    return CodeOfDocumentFormat(value);
  } else {
    return value;
  }
}

#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, default_value)      \
  ProfileValueType<ProfileKind::k##kind> TqvTessaly::property() {                  \
    return FromStored<GeneralSetting::property>(manager_->property());            \
  }                                                                                \
  void TqvTessaly::Set##property(ProfileArgType<ProfileKind::k##kind> value) {     \
    manager_->Set##property(                                                       \
        ToStored<GeneralSetting::property, ProfileValueType<ProfileKind::k##kind>>(value)); \
  }
#include "profiles/general_settings.def"

std::vector<std::wstring> TqvTessaly::GetWatermarkProfilesList() {
  std::vector<std::wstring> names;
  for (const std::string& name : manager_->GetWatermarkProfilesList()) {
    names.push_back(manager_->ToWide(name));
  }
  return names;
}

std::unique_ptr<TqvWatermarkProfile> TqvTessaly::GetWatermarkProfile(const std::wstring& name) {
  return manager_->GetWatermarkProfile(name);
}

std::unique_ptr<TqvWatermarkProfile> TqvTessaly::CreateWatermarkProfile(const std::wstring& name,
                                                                        bool overwrite) {
  return manager_->CreateWatermarkProfile(name, overwrite);
}

bool TqvTessaly::DeleteWatermarkProfile(const std::wstring& name) {
  return manager_->DeleteWatermarkProfile(name);
}

bool TqvTessaly::DeleteWatermarkProfileByIndex(int32_t index) {
  return manager_->DeleteWatermarkProfileByIndex(index);
}

int32_t TqvTessaly::AddPDFBookmark(const std::wstring& text, int32_t level,
                                   int32_t vertical_position, int32_t page) {
  return AppendEntry(manager_->Bookmarks(), [&](TqvAddinPDFBookmark& bookmark) {
    bookmark.SetText(manager_->ToAnsi(text));
    bookmark.SetLevel(level);
    bookmark.SetPage(page);
    bookmark.SetVerticalPos(vertical_position);
  });
}

int32_t TqvTessaly::AddPDFLinkToURI(const std::wstring& address, const TqvRect& rect,
                                    int32_t page, const TqvLinkStyle& style) {
  std::string target = manager_->ToAnsi(address);
  return AppendOutwardLink(manager_->Hyperlinks(), link_type::kInternetLink, rect, page, style,
                           [&](TqvAddinPDFHyperlink& link) { link.SetURI(target); });
}

int32_t TqvTessaly::AddPDFLinkToFile(const std::wstring& file_name, const TqvRect& rect,
                                     int32_t page, const TqvLinkStyle& style) {
  std::string target = manager_->ToAnsi(file_name);
  return AppendOutwardLink(manager_->Hyperlinks(), link_type::kFileAttachment, rect, page, style,
                           [&](TqvAddinPDFHyperlink& link) { link.SetFileName(target); });
}

int32_t TqvTessaly::AddPDFLinkWithinDocument(const TqvRect& rect, int32_t page,
                                             int32_t dest_vertical_position, int32_t dest_page,
                                             const TqvLinkStyle& style) {
  TqvRect destination = rect;
  destination.top = dest_vertical_position;
  destination.bottom = Saturated(int64_t{dest_vertical_position} + rect.bottom - rect.top);
  return AppendEntry(manager_->Hyperlinks(), [&](TqvAddinPDFHyperlink& link) {
    link.SetHyperLinkType(link_type::kWithinDocument);
    link.SetSourceRect(rect);
    link.SetSourcePage(page);
    link.SetDestPage(dest_page);
    link.SetDestRect(destination);
    SetLinkStyle(link, style);
  });
}

int32_t TqvTessaly::AddPDFNote(const std::wstring& text, bool keep_open, const TqvRect& rect,
                               int32_t page, int32_t color) {
  return AppendEntry(manager_->Notes(), [&](TqvAddinPDFNotes& note) {
    note.SetContent(manager_->ToAnsi(text));
    note.SetRect(rect);
    note.SetPage(page);
    note.SetOpen(keep_open);
    note.SetColor(color);
  });
}

void TqvTessaly::Update() {
  manager_->WriteFlagPD(true);
  manager_->FlushStoreFiles();
}

bool TqvTessaly::SetAsDefaultPrinter() { return default_printer_.SetAsDefault(); }

bool TqvTessaly::RestoreDefaultPrinter() { return default_printer_.Restore(); }

bool TqvTessaly::IsPrinting() { return ReadFlagPS(env_); }

void TqvTessaly::MarkJobFailed() {
  // Each step is tried on its own: the job's own failure is what the
  // caller hears about.
  IgnoringFailure([&] { manager_->WriteFlagPD(false); });
  IgnoringFailure([&] { manager_->WriteFlagPP(false); });
  IgnoringFailure([&] { manager_->FlushStoreFiles(); });
}

void TqvTessaly::Print(PrintRoute route, const std::wstring& document) {
  PrintByRoute({env_, office_}, default_printer_, *this, route, document);
}

void TqvTessaly::PrintDocument(const std::wstring& document) {
  Print(RouteOfSourceApplication(source_application_), document);
}

}  // namespace tessaly
