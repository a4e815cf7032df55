// The add-in settings, annotation list and document properties objects at
// the automation boundary: through their vtables and through
// IDispatch::Invoke by dispatch id, over a PlugIn store in memory.
#include <gtest/gtest.h>

#include <windows.h>

#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

#include "addin/addin_members.h"
#include "addin/list_protocols.h"
#include "sdk/addin_settings_x.h"
#include "sdk/annotation_x.h"
#include "tests/addin/plugin_fixture.h"
#include "tests/sdk/com_test_support.h"

namespace tessaly {
namespace {

// The message is plain ASCII.
const std::wstring kReleased(kOwnerReleasedMessage,
                             kOwnerReleasedMessage + sizeof kOwnerReleasedMessage - 1);

// One automation object of each kind over the fixture's store. `owner_`
// stands for the main object: the objects watch it.
class AddinObjectsTest : public PlugInTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    settings_ = NewSettings();
    bookmarks_ = New<TqvAddinPDFBookmarkX>(objects_.bookmarks);
    links_ = NewLinks();
    notes_ = NewNotes();
    properties_ = New<TqvDocumentPropertiesX>(objects_.document_properties);
  }
  void TearDown() override {
    settings_.Reset();
    bookmarks_.Reset();
    links_.Reset();
    notes_.Reset();
    properties_.Reset();
    CoUninitialize();
  }

  template <class Object, class Accessor>
  ComPtr<Object> New(Accessor& accessor) {
    return CreateAddinObjectX<Object>(accessor, owner_, fake_.code_page);
  }
  ComPtr<TqvOfficeAddinSettingsX> NewSettings() {
    return New<TqvOfficeAddinSettingsX>(objects_.settings);
  }
  ComPtr<TqvAddinPDFHyperlinkX> NewLinks() {
    return New<TqvAddinPDFHyperlinkX>(objects_.hyperlinks);
  }
  ComPtr<TqvAddinPDFNotesX> NewNotes() { return New<TqvAddinPDFNotesX>(objects_.notes); }

  // The objects with their member tables, as IDispatch.
  struct Table {
    IDispatch* object;
    const std::vector<AddinMember>* members;
  };
  std::vector<Table> Tables() {
    return {{settings_.Get(), &OfficeAddinSettingsMembers()},
            {bookmarks_.Get(), &BookmarkMembers()},
            {links_.Get(), &HyperlinkMembers()},
            {notes_.Get(), &NotesMembers()},
            {properties_.Get(), &DocumentPropertiesMembers()}};
  }

  std::shared_ptr<const int> owner_ = std::make_shared<const int>(0);
  ComPtr<TqvOfficeAddinSettingsX> settings_;
  ComPtr<TqvAddinPDFBookmarkX> bookmarks_;
  ComPtr<TqvAddinPDFHyperlinkX> links_;
  ComPtr<TqvAddinPDFNotesX> notes_;
  ComPtr<TqvDocumentPropertiesX> properties_;
};

// The value written into member number `i` of a table: distinct for every
// numeric member, so that two members sharing a key would show.
void ValueFor(const AddinMember& member, size_t i, VARIANT* out) {
  VariantInit(out);
  switch (member.kind) {
    case AddinValueKind::kBool:
      V_VT(out) = VT_BOOL;
      V_BOOL(out) = i % 2 ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case AddinValueKind::kVariant:
      V_VT(out) = VT_BOOL;
      V_BOOL(out) = VARIANT_TRUE;
      break;
    case AddinValueKind::kString:
      V_VT(out) = VT_BSTR;
      V_BSTR(out) = SysAllocString((L"text " + std::to_wstring(i)).c_str());
      break;
    default:
      V_VT(out) = VT_I4;
      V_I4(out) = std::string(member.name) == "ExcelPrintOption" ? 1 : static_cast<LONG>(i + 1);
  }
}

// Every member of every object, by dispatch id: all values are written
// first and then read back, so a member in the wrong slot or two members
// over one key would show. The values arrive in the stores, where a second
// object over the same accessor sees them.
TEST_F(AddinObjectsTest, EveryMemberRoundTripsByDispatchId) {
  for (const Table& table : Tables()) {
    const auto& members = *table.members;
    for (size_t i = 0; i < members.size(); ++i) {
      if (std::string(members[i].name) == "Number") continue;  // the cursor stays at 1
      Var value;
      ValueFor(members[i], i, &value);
      Invocation call;
      Invoke(table.object, members[i].dispid, DISPATCH_PROPERTYPUT, {value}, &call);
      ASSERT_EQ(call.hr, S_OK) << members[i].name;
    }
    for (size_t i = 0; i < members.size(); ++i) {
      if (std::string(members[i].name) == "Number") continue;
      SCOPED_TRACE(members[i].name);
      Var expected;
      ValueFor(members[i], i, &expected);
      Invocation call;
      Invoke(table.object, members[i].dispid, DISPATCH_PROPERTYGET, {}, &call);
      VARIANT& got = call.result;
      ASSERT_EQ(call.hr, S_OK);
      if (V_VT(&expected) == VT_I4) {
        // Enumerations and colours arrive as their own integer types.
        ASSERT_EQ(VariantChangeType(&got, &got, 0, VT_I4), S_OK);
      }
      ASSERT_EQ(V_VT(&got), V_VT(&expected));
      EXPECT_EQ(VarCmp(&got, &expected, LOCALE_USER_DEFAULT, 0), VARCMP_EQ);
    }
  }
  BSTR text = nullptr;
  EXPECT_EQ(New<TqvAddinPDFBookmarkX>(objects_.bookmarks)->get_Text(&text), S_OK);
  EXPECT_EQ(Take(text), L"text 2");
  EXPECT_EQ(ini().ReadString("Document Properties", "Doc Author", ""), "text 1");
}

// The facade through the vtable: defaults, the getter's 7 bits, values
// passed unchanged, and two objects seeing each other's changes at once.
TEST_F(AddinObjectsTest, OfficeAddinSettingsThroughTheVtable) {
  VARIANT_BOOL flag = VARIANT_FALSE;
  EXPECT_EQ(settings_->get_WordHeadingsToBookmarks(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_TRUE);
  ComPtr<TqvOfficeAddinSettingsX> other = NewSettings();
  EXPECT_EQ(other->put_WordHeadingsToBookmarks(VARIANT_FALSE), S_OK);
  settings_->get_WordHeadingsToBookmarks(&flag);
  EXPECT_EQ(flag, VARIANT_FALSE);
  EXPECT_EQ(ini().ReadString("WordSettings", "Document Headings", ""), "0");
  settings_->put_WordNotesKeepOpen(2);  // any non-zero value is true
  EXPECT_EQ(ini().ReadString("WordSettings", "Document Note Open", ""), "1");

  TxqvLinkBorderWidth width = bwNone;
  settings_->put_WordLinkBorderWidth(static_cast<TxqvLinkBorderWidth>(130));
  EXPECT_EQ(ini().ReadInteger("WordSettings", "Document Link Border Width", -1), 2);
  ini().WriteInteger("WordSettings", "Document Link Border Width", 200);
  other->get_WordLinkBorderWidth(&width);
  EXPECT_EQ(width, 72);
  // The Ppt value of the same key name is a value of its own.
  other->get_PptLinkBorderWidth(&width);
  EXPECT_EQ(width, bwNone);

  TxqvNotesPosition position = LeftTop;
  settings_->put_PptNotesPosition(static_cast<TxqvNotesPosition>(300));
  settings_->get_PptNotesPosition(&position);
  EXPECT_EQ(position, 300);

  TxqvExcelPrintOption option = poEntireWorkbook;
  settings_->put_ExcelPrintOption(poActiveWorkSheet);
  other->get_ExcelPrintOption(&option);
  EXPECT_EQ(option, poActiveWorkSheet);

  OLE_COLOR color = 0;
  settings_->get_PptLinkBorderColor(&color);
  EXPECT_EQ(color, 16777215u);
  settings_->put_WordNotesColor(0x80000005);  // a system colour, unchanged
  settings_->get_WordNotesColor(&color);
  EXPECT_EQ(color, 0x80000005u);
  LONG notes_color = 0;
  settings_->get_PptNotesColor(&notes_color);
  EXPECT_EQ(notes_color, 15780518);
}

TEST_F(AddinObjectsTest, DocumentPropertiesStoreAnsiText) {
  Bstr title(L"Caf\u00e9 \u00bd");
  EXPECT_EQ(properties_->put_Title(title.p), S_OK);
  EXPECT_EQ(ini().ReadString("Document Properties", "Doc Title", ""), "Caf\xE9 \xBD");
  BSTR text = nullptr;
  EXPECT_EQ(properties_->get_Title(&text), S_OK);
  EXPECT_EQ(Take(text), L"Caf\u00e9 \u00bd");
  VARIANT_BOOL flag = VARIANT_FALSE;
  properties_->get_ExportDocumentProperty(&flag);
  EXPECT_EQ(flag, VARIANT_TRUE);
  properties_->put_ExportDocumentProperty(VARIANT_FALSE);
  EXPECT_EQ(ini().ReadString("Document Properties", "Export DocProperty", ""), "0");
}

// A side of a rectangle rewrites the whole rectangle, top, left, bottom,
// right, at the cursor that every object over the list shares.
TEST_F(AddinObjectsTest, RectangleSidesRewriteTheWholeRectangle) {
  ComPtr<TqvAddinPDFHyperlinkX> other = NewLinks();
  EXPECT_EQ(links_->put_Number(3), S_OK);
  LONG number = 0;
  other->get_Number(&number);
  EXPECT_EQ(number, 3);
  EXPECT_EQ(other->put_SourceLeft(5), S_OK);
  EXPECT_EQ(SectionLines("Hyperlink"),
            (Lines{"Hyperlink Top Pos3=0", "Hyperlink Left Pos3=5", "Hyperlink Bottom Pos3=0",
                   "Hyperlink Right Pos3=0"}));
  other->put_DestBottom(40);
  LONG side = 0;
  links_->get_SourceLeft(&side);
  EXPECT_EQ(side, 5);
  links_->get_DestBottom(&side);
  EXPECT_EQ(side, 40);
  links_->get_DestTop(&side);
  EXPECT_EQ(side, 0);
  // Neither Number nor Count looks at the other.
  LONG count = -1;
  links_->get_Count(&count);
  EXPECT_EQ(count, 0);

  notes_->put_Number(2);
  notes_->put_Bottom(9);
  notes_->put_Left(-4);
  EXPECT_EQ(ini().ReadInteger("Document Comment", "Document Comment Left Pos2", 0), -4);
  EXPECT_EQ(ini().ReadInteger("Document Comment", "Document Comment Bottom Pos2", 0), 9);
}

TEST_F(AddinObjectsTest, LinkEnumerationsAreReduced) {
  TxqvLinkType type = htWithinDocument;
  EXPECT_EQ(links_->put_HyperLinkType(static_cast<TxqvLinkType>(257)), S_OK);
  EXPECT_EQ(ini().ReadInteger("Hyperlink", "Hyperlink Type1", -1), 1);
  links_->get_HyperLinkType(&type);
  EXPECT_EQ(type, htInternetLink);
  TxqvLinkHighlightMode mode = hmNone;
  links_->put_HighlightMode(static_cast<TxqvLinkHighlightMode>(200));
  EXPECT_EQ(ini().ReadInteger("Hyperlink", "Document annot High Light Mode1", -1), 200);
  links_->get_HighlightMode(&mode);
  EXPECT_EQ(mode, 72);
  // The border width is stored and read unchanged.
  TxqvLinkBorderWidth width = bwNone;
  links_->put_BorderWidth(static_cast<TxqvLinkBorderWidth>(300));
  links_->get_BorderWidth(&width);
  EXPECT_EQ(width, 300);
}

// Open is one VARIANT value for the whole note list, converted the way
// automation converts; a value that does not convert changes nothing.
TEST_F(AddinObjectsTest, NotesOpenIsAVariantSharedByAllNotes) {
  Var open;
  EXPECT_EQ(notes_->get_Open(&open), S_OK);
  EXPECT_EQ(V_VT(&open), VT_BOOL);
  EXPECT_EQ(V_BOOL(&open), VARIANT_FALSE);

  Var text;
  V_VT(&text) = VT_BSTR;
  V_BSTR(&text) = SysAllocString(L"True");
  VARIANT by_ref;
  VariantInit(&by_ref);
  V_VT(&by_ref) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&by_ref) = &text;
  notes_->put_Number(5);
  EXPECT_EQ(notes_->put_Open(by_ref), S_OK) << TakeErrorInfo().description;
  EXPECT_EQ(SectionLines("Document Comment"), Lines{"Document Note Open=1"});

  ComPtr<TqvAddinPDFNotesX> other = NewNotes();
  other->put_Number(2);
  Var off;
  V_VT(&off) = VT_I4;
  V_I4(&off) = 0;
  EXPECT_EQ(other->put_Open(off), S_OK);
  EXPECT_EQ(ini().ReadString("Document Comment", "Document Note Open", ""), "0");

  Var word;
  V_VT(&word) = VT_BSTR;
  V_BSTR(&word) = SysAllocString(L"perhaps");
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(notes_->put_Open(word), E_UNEXPECTED);
  ErrorObject error = TakeErrorInfo();
  ASSERT_TRUE(error.present);
  EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvAddinPDFNotesX));
  EXPECT_FALSE(error.description.empty());
  EXPECT_EQ(ini().ReadString("Document Comment", "Document Note Open", ""), "0");
}

// After the main object is gone every member of every object fails with
// E_UNEXPECTED and the same description, through the vtable and through
// Invoke, and no value comes back.
TEST_F(AddinObjectsTest, ObjectsFailCleanlyOnceTheirOwnerIsGone) {
  owner_.reset();
  BSTR text = SysAllocString(L"stale");
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(bookmarks_->get_Text(&text), E_UNEXPECTED);
  EXPECT_EQ(text, nullptr);
  ErrorObject error = TakeErrorInfo();
  ASSERT_TRUE(error.present);
  EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvAddinPDFBookmarkX));
  EXPECT_EQ(error.source, L"");
  EXPECT_EQ(error.description, kReleased);
  LONG number = 77;
  EXPECT_EQ(links_->get_Number(&number), E_UNEXPECTED);
  EXPECT_EQ(number, 77);
  Var open;
  EXPECT_EQ(notes_->get_Open(&open), E_UNEXPECTED);
  EXPECT_EQ(V_VT(&open), VT_EMPTY);

  for (const Table& table : Tables()) {
    for (size_t i = 0; i < table.members->size(); ++i) {
      const AddinMember& member = (*table.members)[i];
      SCOPED_TRACE(member.name);
      Invocation get;
      Invoke(table.object, member.dispid, DISPATCH_PROPERTYGET, {}, &get);
      EXPECT_EQ(get.hr, DISP_E_EXCEPTION);
      EXPECT_EQ(get.exception.scode, E_UNEXPECTED);
      EXPECT_EQ(get.description(), kReleased);
      Var value;
      ValueFor(member, i, &value);
      Invocation put;
      Invoke(table.object, member.dispid, DISPATCH_PROPERTYPUT, {value}, &put);
      EXPECT_EQ(put.exception.scode, E_UNEXPECTED);
    }
  }
  EXPECT_THROW(bookmarks_->accessor(), Exception);
}

// A PlugIn store that could not be opened: the cursor still works, every
// other member fails with the store's message.
TEST(AddinObjectsWithoutStore, MembersFailButTheCursor) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    FakeEnv fake;
    TqvStoreFile store(fake.env, kPlugInPath);  // never loaded
    TqvAddinObjects objects(&store);
    auto owner = std::make_shared<const int>(0);
    ComPtr<TqvAddinPDFBookmarkX> bookmarks =
        CreateAddinObjectX<TqvAddinPDFBookmarkX>(objects.bookmarks, owner, fake.code_page);
    EXPECT_EQ(bookmarks->put_Number(4), S_OK);
    LONG count = 0;
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(bookmarks->get_Count(&count), E_UNEXPECTED);
    EXPECT_FALSE(TakeErrorInfo().description.empty());
    ComPtr<TqvOfficeAddinSettingsX> settings =
        CreateAddinObjectX<TqvOfficeAddinSettingsX>(objects.settings, owner, fake.code_page);
    VARIANT_BOOL flag = VARIANT_FALSE;
    EXPECT_EQ(settings->put_WordTOCToLinks(flag), E_UNEXPECTED);
  }
  CoUninitialize();
}

// The objects as the main object creates them over its manager: entries
// appended through them reach the PlugIn file when the stores are flushed,
// and once the manager and the main object are gone the objects fail
// without reaching the freed accessors.
TEST(AddinObjectsOverAManager, AppendReachesTheFileAndOutlivingFailsCleanly) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    FakeEnv fake;
    auto owner = std::make_shared<const int>(0);
    auto manager = std::make_unique<TqvProfileManager>(fake.env);
    TqvAnnotationObjectsX objects = CreateAnnotationObjectsX(*manager, owner, fake.code_page);
    Bstr title(L"Chapter 1");
    for (int i = 1; i <= 2; ++i) {
      EXPECT_EQ(AppendEntry(objects.bookmarks->accessor(), [&](TqvAddinPDFBookmark&) {
                  EXPECT_EQ(objects.bookmarks->put_Text(title.p), S_OK);
                  EXPECT_EQ(objects.bookmarks->put_Page(i + 4), S_OK);
                }),
                i);
    }
    Var open;
    V_VT(&open) = VT_BOOL;
    V_BOOL(&open) = VARIANT_TRUE;
    objects.notes->put_Open(open);
    Bstr author(L"Accounts");
    objects.document_properties->put_Author(author.p);
    manager->FlushStoreFiles();
    {
      TqvProfileManager reader(fake.env);
      TqvAddinPDFBookmark& bookmarks = reader.Bookmarks();
      EXPECT_EQ(bookmarks.Count(), 2);
      bookmarks.SetNumber(2);
      EXPECT_EQ(bookmarks.Text(), "Chapter 1");
      EXPECT_EQ(bookmarks.Page(), 6);
      EXPECT_TRUE(reader.Notes().Open());
      EXPECT_EQ(reader.DocumentProperties().Author(), "Accounts");
    }
    owner.reset();
    manager.reset();
    LONG count = 0;
    EXPECT_EQ(objects.bookmarks->get_Count(&count), E_UNEXPECTED);
    EXPECT_EQ(objects.hyperlinks->put_SourceTop(3), E_UNEXPECTED);
    EXPECT_EQ(objects.notes->put_Open(open), E_UNEXPECTED);
    BSTR text = nullptr;
    EXPECT_EQ(objects.document_properties->get_Author(&text), E_UNEXPECTED);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(TakeErrorInfo().description, kReleased);
  }
  CoUninitialize();
}

}  // namespace
}  // namespace tessaly
