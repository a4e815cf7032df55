#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin/rect.h"
#include "main_object/document_format.h"
#include "main_object/settings_ref.h"
#include "office/office_applications.h"
#include "platform/env.h"
#include "printing/default_printer.h"
#include "printing/print_routes.h"
#include "profiles/profile_manager.h"
#include "watermarks/watermark_profile.h"

namespace tessaly {

// Values of TxqvSourceApplication and TxqvLinkType of the type library
// (whose own declarations are for the Windows lane only;
// sdk/type_library_values.cc ties them to those).
namespace source_app {
enum : int32_t { kMSWord = 0, kMSExcel = 1, kMSPowerPoint = 2, kOther = 3 };
}
namespace link_type {
enum : int32_t { kWithinDocument = 0, kInternetLink = 1, kFileAttachment = 2 };
}

// How a PDF link is drawn: TxqvLinkBorderWidth and TxqvLinkHighlightMode
// values and an OLE colour.
struct TqvLinkStyle {
  int32_t border_color = 0;
  int32_t border_width = 0;
  int32_t highlight_mode = 0;
};

// The main SDK object without its COM clothing: the caller's view of the
// profiles, the current profile and its working copy, and the global
// settings. Failures a caller can act on are SdkErrors carrying their help
// context (6200, 6300, 6400, 6500); everything else is a plain Exception.
// It keeps the stores' side of its print jobs.
class TqvTessaly : private PrintJobStores {
 public:
  // Opens the stores, raises the "qvPD" hand-off flag, flushes the stores
  // and copies the last selected profile (or, failing that, the built-in
  // one) into the working copy.
  // Print jobs hand Office documents to `office`.
  explicit TqvTessaly(const Env& env, OfficeApplications& office = DefaultOfficeApplications());
  // Destroys the manager, which writes both stores back.
  ~TqvTessaly();
  TqvTessaly(const TqvTessaly&) = delete;
  TqvTessaly& operator=(const TqvTessaly&) = delete;

  TqvProfileManager& manager() { return *manager_; }
  // Expires with this object: the objects handed out over its stores watch
  // it and fail cleanly once it is gone.
  std::weak_ptr<const void> owner() const { return alive_; }

  // Profiles.
  bool DeleteProfile(const std::wstring& name);
  bool DeleteProfileByIndex(int32_t index);
  TqvSettingsRef CreateNewProfile(const std::wstring& name);
  // The profiles in store order, the working copy left out; an empty name
  // comes back as CR LF so that a caller can still tell the entries apart.
  std::vector<std::wstring> GetProfilesList();
  // The count of the list as last refreshed; the first call refreshes it.
  int32_t GetProfileCount();
  const std::wstring& CurrentProfileName() const { return current_name_; }
  // A new handle on the current settings; every handle shares one accessor.
  TqvSettingsRef CurrentProfile() const;
  void SelectCurrentProfile(const std::wstring& name);
  bool ApplyChangesToCurrentProfile();
  bool SaveCurrentProfileAs(const std::wstring& new_name);

  const std::wstring& PrinterName() const { return printer_name_; }

  // The global settings, a getter and a setter (Set + property) per
  // property of profiles/general_settings.def, read and written through the
  // manager at every call. SourceApplication also sets the print route;
  // OutputDocumentFormat is TxqvDocumentFormat, mapped to and from the
  // printer's own format code.
#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, default_value) \
  ProfileValueType<ProfileKind::k##kind> property();                       \
  void Set##property(ProfileArgType<ProfileKind::k##kind> value);
#include "profiles/general_settings.def"

  // The print route of PrintDocument: Other until the property is read or
  // written, whatever the store holds.
  int32_t source_application() const { return source_application_; }

  // Watermark profiles. A name that is not there, an index outside the
  // names as last listed, or a removal the store refuses, is error 6400.
  std::vector<std::wstring> GetWatermarkProfilesList();
  std::unique_ptr<TqvWatermarkProfile> GetWatermarkProfile(const std::wstring& name);
  std::unique_ptr<TqvWatermarkProfile> CreateWatermarkProfile(const std::wstring& name,
                                                              bool overwrite);
  // False when the store keeps the profile, as it keeps "None".
  bool DeleteWatermarkProfile(const std::wstring& name);
  bool DeleteWatermarkProfileByIndex(int32_t index);

  // The PDF annotations of the next job, each appended to its list in the
  // PlugIn store; each returns the new entry's number.
  int32_t AddPDFBookmark(const std::wstring& text, int32_t level, int32_t vertical_position,
                         int32_t page);
  int32_t AddPDFLinkToURI(const std::wstring& address, const TqvRect& rect, int32_t page,
                          const TqvLinkStyle& style);
  int32_t AddPDFLinkToFile(const std::wstring& file_name, const TqvRect& rect, int32_t page,
                           const TqvLinkStyle& style);
  // The destination is the source rectangle moved down the page to
  // `dest_vertical_position`: its top is that position, its height and
  // sides are the source's.
  int32_t AddPDFLinkWithinDocument(const TqvRect& rect, int32_t page,
                                   int32_t dest_vertical_position, int32_t dest_page,
                                   const TqvLinkStyle& style);
  // `keep_open` is one value for the whole note list.
  int32_t AddPDFNote(const std::wstring& text, bool keep_open, const TqvRect& rect, int32_t page,
                     int32_t color);

  // Raises "qvPD" and writes both stores to disk, ready for a print job.
  void Update() override;

  // Saves the current default printer and makes the Tessaly printer the
  // default; false when the print system has no Tessaly queue.
  bool SetAsDefaultPrinter();
  // After a one-second wait, makes the saved printer the default again;
  // false when none was saved or it is no longer listed.
  bool RestoreDefaultPrinter();
  // Whether the printer says it is printing ("qvPS").
  bool IsPrinting();
  // Prints the document by the route (printing/print_routes.h).
  void Print(PrintRoute route, const std::wstring& document);
  // Prints by the route of the source application field.
  void PrintDocument(const std::wstring& document);
  const std::wstring& saved_default_printer() const { return default_printer_.saved_default(); }

 private:
  // A global setting between the manager's value and the caller's.
  template <GeneralSetting S, class Value>
  Value FromStored(Value stored);
  template <GeneralSetting S, class Value>
  Value ToStored(Value value);
  void RefreshList();
  bool Listed(const std::wstring& name) const;
  bool ListedIgnoringCase(const std::wstring& name) const;
  bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) const;
  void DeleteListedProfile(const std::wstring& name);
  TqvSettingsRef Handle(const std::shared_ptr<TqvProfileSettings>& settings) const;
  void MarkJobFailed() override;

  const Env& env_;
  OfficeApplications& office_;
  // Expires with this object; handles handed out watch it.
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
  std::unique_ptr<TqvProfileManager> manager_;
  std::shared_ptr<TqvProfileSettings> current_settings_;
  std::wstring printer_name_;
  std::optional<std::vector<std::wstring>> profile_list_;
  std::wstring current_name_;
  int32_t source_application_ = source_app::kOther;
  DefaultPrinterSwitch default_printer_{env_, TqvProfileManager::PrinterName()};
};

}  // namespace tessaly
