// job: what the printer reads for the next job, from the folder's three
// files and the hand-off values of the registry.
#include <algorithm>

#include "addin/addin_objects.h"
#include "common/number_format.h"
#include "main_object/document_format.h"
#include "main_object/tessaly.h"
#include "platform/registry.h"
#include "profiles/general_settings.h"
#include "profiles/profile_manager.h"
#include "profiles/profile_sections.h"
#include "tools/tqstore/folder_stores.h"
#include "tools/tqstore/report.h"
#include "tools/tqstore/text.h"
#include "tools/tqstore/tool_context.h"
#include "watermarks/font_text.h"

namespace tessaly {
namespace {

// Entries beyond this many are not listed: a count gone wrong would
// otherwise list millions of default entries.
constexpr int32_t kMostEntries = 10000;

// The settings of a profile that decide most about a job.
constexpr ProfileProperty kMainSettings[] = {
    ProfileProperty::DocInfoTitle,       ProfileProperty::DocInfoAuthor,
    ProfileProperty::DocInfoSubject,     ProfileProperty::DocInfoCreator,
    ProfileProperty::DocInfoKeywords,    ProfileProperty::PDFExportAsImage,
    ProfileProperty::PDFEncryptEnabled,  ProfileProperty::EmailAfterCreate,
    ProfileProperty::FTPAfterCreate,     ProfileProperty::NNTPAfterCreate,
    ProfileProperty::WatermarkEnabled,   ProfileProperty::WatermarkSelectedProfile,
    ProfileProperty::WatermarkPageRange, ProfileProperty::WatermarkOverlay,
};

const char* SourceName(int32_t value) {
  switch (value) {
    case source_app::kMSWord: return "Word";
    case source_app::kMSExcel: return "Excel";
    case source_app::kMSPowerPoint: return "PowerPoint";
    case source_app::kOther: return "other";
    default: return "unknown";
  }
}

const char* LinkTypeName(int32_t value) {
  switch (value) {
    case link_type::kWithinDocument: return "within document";
    case link_type::kInternetLink: return "internet link";
    case link_type::kFileAttachment: return "file attachment";
    default: return "unknown";
  }
}

std::string RectText(const TqvRect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

int32_t Listed(int32_t count) { return std::clamp<int32_t>(count, 0, kMostEntries); }

void GeneralPart(const Env& env, IniFile& ini, ReportNode* job) {
  auto text = [&](GeneralSetting s) {
    const GeneralKey& row = GeneralKeyOf(s);
    return AnsiToUtf8(env, ini.ReadString(kGeneralSettingsSection, row.key,
                                          row.default_value.text));
  };
  auto integer = [&](GeneralSetting s) {
    const GeneralKey& row = GeneralKeyOf(s);
    return ini.ReadInteger(kGeneralSettingsSection, row.key, row.default_value.integer);
  };
  auto flag = [&](GeneralSetting s) {
    const GeneralKey& row = GeneralKeyOf(s);
    return ini.ReadBool(kGeneralSettingsSection, row.key, row.default_value.integer != 0);
  };
  int32_t code = integer(GeneralSetting::OutputDocumentFormat);
  int32_t source = integer(GeneralSetting::SourceApplication) & 0x7F;
  ReportNode& output = job->Group("output");
  output.Text("format", DocumentFormatName(DocumentFormatOfCode(code)))
      .Number("format code", code)
      .Text("document name", text(GeneralSetting::OutputDocumentName))
      .Flag("custom document name", flag(GeneralSetting::UseCustomDocumentName))
      .Text("directory", text(GeneralSetting::DefaultOutputDirectory))
      .Text("source application", SourceName(source))
      .Flag("show preview", flag(GeneralSetting::ShowPreview))
      .Flag("show save dialog", flag(GeneralSetting::ShowSaveDialog))
      .Flag("show settings dialog", flag(GeneralSetting::ShowSettingsDialog))
      .Flag("view generated documents", flag(GeneralSetting::ViewGeneratedDocuments));
}

// The working copy "Last Saved State" when there is one, else the profile
// selected last.
std::string ProfilePart(FolderStores& stores, ReportNode* job) {
  const Env& env = stores.env();
  const GeneralKey& last = GeneralKeyOf(GeneralSetting::LastProfile);
  std::string name =
      stores.profiles().ReadString(kGeneralSettingsSection, last.key, last.default_value.text);
  std::vector<std::string> names = stores.ProfileNames();
  auto listed = [&](const std::string& s) {
    return std::find(names.begin(), names.end(), s) != names.end();
  };
  std::string section = listed(kLastSavedStateSection) ? kLastSavedStateSection : name;
  ReportNode& profile = job->Group("profile");
  profile.Text("name", AnsiToUtf8(env, name)).Text("section", AnsiToUtf8(env, section));
  if (!listed(section)) {
    profile.Text("note", "no such section: every key reads its default");
  }
  auto settings = stores.Settings(section);
  ReportNode& main = profile.Group("settings");
  for (ProfileProperty p : kMainSettings) {
    main.Text(ProfileKeyOf(p).name, ReadProfileValue(env, *settings, p));
  }
  int differing = 0;
  for (const ProfileKey& row : kProfileKeys) {
    differing += ReadProfileValue(env, *settings, row.property) !=
                 DefaultProfileValue(env, row.property);
  }
  profile.Number("keys differing from the defaults", differing);
  return ReadProfileValue(env, *settings, ProfileProperty::WatermarkSelectedProfile);
}

void HandOffPart(const Env& env, ReportNode* job) {
  ReportNode& handoff = job->Group("hand-off");
  for (const char* name : {"Installation Path", "qvPD", "qvPP", "qvPS"}) {
    std::string value = "(missing)";
    try {
      if (env.registry->ValueExists(kTessalyRegistryKey, name)) {
        value = AnsiToUtf8(env, env.registry->ReadString(kTessalyRegistryKey, name));
      }
    } catch (const std::exception& e) {
      value = std::string("(unreadable: ") + e.what() + ")";
    }
    handoff.Text(name, value);
  }
}

void AnnotationPart(const Env& env, TqvStoreFile* plugin, ReportNode* job) {
  ReportNode& bookmarks = job->List("bookmarks");
  ReportNode& links = job->List("links");
  ReportNode& notes = job->List("notes");
  ReportNode& info = job->Group("document information");
  if (plugin == nullptr) {
    info.Text("note", "no PlugIn.qvf: no annotations, no document information");
    return;
  }
  TqvAddinObjects addin(plugin);
  auto& b = addin.bookmarks;
  for (int32_t i = 1; i <= Listed(b.Count()); ++i) {
    b.SetNumber(i);
    bookmarks.Item()
        .Text("text", AnsiToUtf8(env, b.Text()))
        .Number("level", b.Level())
        .Number("page", b.Page())
        .Number("vertical position", b.VerticalPos());
  }
  auto& l = addin.hyperlinks;
  for (int32_t i = 1; i <= Listed(l.Count()); ++i) {
    l.SetNumber(i);
    ReportNode& link = links.Item();
    link.Text("type", LinkTypeName(l.HyperLinkType()))
        .Number("page", l.SourcePage())
        .Text("rectangle", RectText(l.SourceRect()));
    if (l.HyperLinkType() == link_type::kWithinDocument) {
      link.Number("to page", l.DestPage()).Text("to rectangle", RectText(l.DestRect()));
    } else if (l.HyperLinkType() == link_type::kInternetLink) {
      link.Text("URI", AnsiToUtf8(env, l.URI()));
    } else {
      link.Text("file", AnsiToUtf8(env, l.FileName()));
    }
  }
  auto& n = addin.notes;
  for (int32_t i = 1; i <= Listed(n.Count()); ++i) {
    n.SetNumber(i);
    notes.Item()
        .Number("page", n.Page())
        .Text("rectangle", RectText(n.Rect()))
        .Text("content", AnsiToUtf8(env, n.Content()))
        .Flag("open", n.Open());
  }
  auto& d = addin.document_properties;
  info.Text("title", AnsiToUtf8(env, d.Title()))
      .Text("author", AnsiToUtf8(env, d.Author()))
      .Text("subject", AnsiToUtf8(env, d.Subject()))
      .Text("creator", AnsiToUtf8(env, d.Creator()))
      .Text("keywords", AnsiToUtf8(env, d.Keywords()))
      .Flag("exported", d.ExportDocumentProperty());
}

void WatermarkPart(const Env& env, TqvWatermarkManager* store, const std::string& selected,
                   ReportNode* job) {
  ReportNode& watermark = job->Group("watermark");
  watermark.Text("profile", selected);
  ReportNode& items = watermark.List("items");
  if (store == nullptr) {
    watermark.Text("note", "no WatermarkProfiles.xml");
    return;
  }
  std::unique_ptr<TqvRenderItemsList> list;
  try {
    list = store->ReadProfileItems(Utf8ToAnsi(env, selected));
  } catch (const std::exception& e) {
    watermark.Text("note", std::string("the profile does not read: ") + e.what());
    return;
  }
  for (int i = 0; list != nullptr && i < list->Count(); ++i) {
    const TqvWatermarkItem* item = list->Item(i);
    ReportNode& node = items.Item();
    node.Text("kind", item->Kind() == wtText ? "text" : "image")
        .Text("name", AnsiToUtf8(env, item->ItemName()))
        .Text("x", FormatFloatGeneral(item->X(), '.'))
        .Text("y", FormatFloatGeneral(item->Y(), '.'))
        .Number("angle", item->Angle());
    if (const auto* text = dynamic_cast<const TqvTextWatermark*>(item)) {
      node.Text("text", AnsiToUtf8(env, text->Text()))
          .Text("font", AnsiToUtf8(env, FontToText(text->Font())));
    } else if (const auto* image = dynamic_cast<const TqvImageWatermark*>(item)) {
      node.Text("image", AnsiToUtf8(env, image->StoredPath()))
          .Text("width", FormatFloatGeneral(image->Width(), '.'))
          .Text("height", FormatFloatGeneral(image->Height(), '.'));
    }
  }
}

}  // namespace

int JobCommand(ToolContext& c) {
  FolderStores stores(c.env, c.operands[0]);
  ReportNode job;
  GeneralPart(c.env, stores.profiles(), &job);
  std::string selected = ProfilePart(stores, &job);
  HandOffPart(c.env, &job);
  AnnotationPart(c.env, stores.plugin(), &job);
  WatermarkPart(c.env, stores.watermarks(), selected, &job);
  if (c.json) {
    PrintJson(job, c.out);
  } else {
    PrintText(job, c.out);
  }
  return 0;
}

}  // namespace tessaly
