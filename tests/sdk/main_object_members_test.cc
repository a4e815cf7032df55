// The main object's add-in, annotation and watermark members at the
// automation boundary, through the vtable and through IDispatch::Invoke,
// over an in-memory Env.
#include <gtest/gtest.h>

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "com/variant_lists.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_manager.h"
#include "sdk/owned_ref.h"
#include "sdk/tessaly_x.h"
#include "tests/sdk/com_test_support.h"

namespace tessaly {
namespace {

constexpr HRESULT kNotFound = static_cast<HRESULT>(0x80041B00);
const wchar_t kNotFoundText[] = L"The profile by specified name does not exists.";
const std::wstring kReleased(kOwnerReleasedMessage,
                             kOwnerReleasedMessage + sizeof kOwnerReleasedMessage - 1);

// Dispatch ids of IqvTessaly.
constexpr DISPID kAddPDFBookmarkId = 227;
constexpr DISPID kAddPDFLinkWithinDocumentId = 235;
constexpr DISPID kGetWatermarkProfilesListId = 475;
constexpr DISPID kDeleteWatermarkProfileByIndexId = 241;
constexpr DISPID kOfficeAddinSettingsId = 222;

class MainObjectMembersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    tessaly_ = MakeAutomationObject<TqvTessalyX>(fake_.env, nullptr);
  }
  void TearDown() override {
    tessaly_.Reset();
    CoUninitialize();
  }

  std::vector<std::wstring> WatermarkNames() {
    Var list;
    EXPECT_EQ(tessaly_->GetWatermarkProfilesList(&list), S_OK);
    return LinesFromVariant(list);
  }

  FakeEnv fake_;
  ComPtr<TqvTessalyX> tessaly_;
};

TEST_F(MainObjectMembersTest, OfficeAddinSettingsAreNewObjectsOverOneStore) {
  ComPtr<IqvOfficeAddinSettingsX> first, second;
  ASSERT_EQ(tessaly_->get_OfficeAddinSettings(first.Out()), S_OK);
  ASSERT_EQ(tessaly_->get_OfficeAddinSettings(second.Out()), S_OK);
  EXPECT_NE(first.Get(), second.Get());
  EXPECT_EQ(second->put_WordTOCToLinks(VARIANT_FALSE), S_OK);
  VARIANT_BOOL flag = VARIANT_TRUE;
  EXPECT_EQ(first->get_WordTOCToLinks(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_FALSE);

  // Assigning an object back, as a script's Set does, is accepted and
  // changes nothing.
  Invocation put;
  Invoke(tessaly_.Get(), kOfficeAddinSettingsId, DISPATCH_PROPERTYPUTREF,
         {DispatchArg(first.Get())}, &put);
  EXPECT_EQ(put.hr, S_OK);
  EXPECT_EQ(tessaly_->put_OfficeAddinSettings(nullptr), S_OK);
  first->get_WordTOCToLinks(&flag);
  EXPECT_EQ(flag, VARIANT_FALSE);

  EXPECT_EQ(tessaly_->Update(), S_OK);
  TqvProfileManager reader(fake_.env);
  EXPECT_FALSE(reader.AddinSettings().word().TOCToLinks());
}

TEST_F(MainObjectMembersTest, AddPDFMembersAppendAndReachThePlugInFile) {
  Bstr chapter(L"Chapter 1"), section(L"Section 1.1"), address(L"http://example.com/"),
      file(L"C:\\data\\sheet.xls"), note(L"Look here");
  LONG number = 0;
  EXPECT_EQ(tessaly_->AddPDFBookmark(chapter.p, 0, 120, 1, &number), S_OK);
  EXPECT_EQ(number, 1);
  // Through Invoke, with the arguments a script passes.
  Invocation second;
  Invoke(tessaly_.Get(), kAddPDFBookmarkId, DISPATCH_METHOD,
         {BstrArg(section.p), I4Arg(1), I4Arg(300), I4Arg(2)}, &second);
  ASSERT_EQ(second.hr, S_OK);
  EXPECT_EQ(V_I4(&second.result), 2);

  EXPECT_EQ(tessaly_->AddPDFLinkToURI(address.p, 10, 20, 110, 40, 1, 0xFF0000, bwThin,
                                      hmInvertBorder, &number),
            S_OK);
  EXPECT_EQ(number, 1);
  EXPECT_EQ(tessaly_->AddPDFLinkToFile(file.p, 10, 60, 110, 80, 1, 0, bwMedium, hmInvertContent,
                                       &number),
            S_OK);
  EXPECT_EQ(number, 2);
  Invocation within;
  Invoke(tessaly_.Get(), kAddPDFLinkWithinDocumentId, DISPATCH_METHOD,
         {I4Arg(10), I4Arg(100), I4Arg(110), I4Arg(120), I4Arg(1), I4Arg(500), I4Arg(3), I4Arg(0),
          I4Arg(0), I4Arg(0)},
         &within);
  ASSERT_EQ(within.hr, S_OK);
  EXPECT_EQ(V_I4(&within.result), 3);
  EXPECT_EQ(tessaly_->AddPDFNote(note.p, VARIANT_TRUE, 5, 5, 50, 50, 2, 0xFFFF, &number), S_OK);
  EXPECT_EQ(number, 1);

  EXPECT_EQ(tessaly_->Update(), S_OK);
  TqvProfileManager reader(fake_.env);
  TqvAddinPDFBookmark& bookmarks = reader.Bookmarks();
  EXPECT_EQ(bookmarks.Count(), 2);
  bookmarks.SetNumber(2);
  EXPECT_EQ(bookmarks.Text(), "Section 1.1");
  EXPECT_EQ(bookmarks.VerticalPos(), 300);
  TqvAddinPDFHyperlink& links = reader.Hyperlinks();
  EXPECT_EQ(links.Count(), 3);
  links.SetNumber(1);
  EXPECT_EQ(links.URI(), "http://example.com/");
  EXPECT_EQ(links.BorderColor(), 0xFF0000);
  links.SetNumber(2);
  EXPECT_EQ(links.FileName(), "C:\\data\\sheet.xls");
  EXPECT_EQ(links.HyperLinkType(), 2);
  links.SetNumber(3);
  EXPECT_EQ(links.HyperLinkType(), 0);
  EXPECT_EQ(links.DestPage(), 3);
  EXPECT_EQ(links.DestRect(), (TqvRect{10, 500, 110, 520}));
  EXPECT_EQ(reader.Notes().Count(), 1);
  EXPECT_TRUE(reader.Notes().Open());
  EXPECT_EQ(reader.Notes().Content(), "Look here");
}

// Where the destination position goes is told to callers by the type
// library, which object browsers and IntelliSense show.
TEST_F(MainObjectMembersTest, TypeLibraryTellsWhereTheDestinationPositionGoes) {
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(tessaly_->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out()), S_OK);
  BSTR doc = nullptr;
  ASSERT_EQ(info->GetDocumentation(kAddPDFLinkWithinDocumentId, nullptr, &doc, nullptr, nullptr),
            S_OK);
  std::wstring text = Take(doc);
  EXPECT_NE(text.find(L"moved to DestVerticalPosition (its top)"), std::wstring::npos) << text.size();
}

TEST_F(MainObjectMembersTest, WatermarkProfileLifecycle) {
  EXPECT_EQ(WatermarkNames(), std::vector<std::wstring>{L"None"});
  Bstr none(L"None"), draft(L"Draft"), stamp(L"Stamp"), logo(L"Logo");
  VARIANT_BOOL result = VARIANT_TRUE;
  EXPECT_EQ(tessaly_->DeleteWatermarkProfile(none.p, &result), S_OK);
  EXPECT_EQ(result, VARIANT_FALSE);

  ComPtr<IqvWatermarkProfileX> profile;
  ASSERT_EQ(tessaly_->CreateWatermarkProfile(draft.p, VARIANT_FALSE, profile.Out()), S_OK);
  ComPtr<IqvTextWatermarkX> text;
  ASSERT_EQ(tessaly_->CreateTextWatermarkItem(stamp.p, text.Out()), S_OK);
  BSTR name = nullptr;
  text->get_ItemName(&name);
  EXPECT_EQ(Take(name), L"Stamp");
  // A new item is stored only when it is added.
  EXPECT_EQ(WatermarkNames(), std::vector<std::wstring>{L"None"});
  EXPECT_EQ(profile->AddTextItem(text.Get(), VARIANT_FALSE, &result), S_OK);
  EXPECT_EQ(result, VARIANT_TRUE);
  ComPtr<IqvImageWatermarkX> image;
  ASSERT_EQ(tessaly_->CreateImageWatermarkItem(logo.p, image.Out()), S_OK);
  EXPECT_EQ(profile->AddImageItem(image.Get(), VARIANT_FALSE, &result), S_OK);
  EXPECT_EQ(result, VARIANT_TRUE);
  EXPECT_EQ(WatermarkNames(), (std::vector<std::wstring>{L"None", L"Draft"}));

  ComPtr<IqvWatermarkProfileX> opened;
  ASSERT_EQ(tessaly_->GetWatermarkProfile(draft.p, opened.Out()), S_OK);
  LONG count = 0;
  opened->get_Count(&count);
  EXPECT_EQ(count, 2);
  // Overwrite empties the stored profile.
  ComPtr<IqvWatermarkProfileX> replaced;
  ASSERT_EQ(tessaly_->CreateWatermarkProfile(draft.p, VARIANT_TRUE, replaced.Out()), S_OK);
  replaced->get_Count(&count);
  EXPECT_EQ(count, 0);

  EXPECT_EQ(WatermarkNames(), (std::vector<std::wstring>{L"None", L"Draft"}));

  Invocation by_index;
  Invoke(tessaly_.Get(), kDeleteWatermarkProfileByIndexId, DISPATCH_METHOD, {I4Arg(1)},
         &by_index);
  EXPECT_EQ(by_index.hr, S_OK);
  EXPECT_EQ(V_BOOL(&by_index.result), VARIANT_TRUE);
  EXPECT_EQ(WatermarkNames(), std::vector<std::wstring>{L"None"});
  // The index now points past the list.
  Invocation again;
  Invoke(tessaly_.Get(), kDeleteWatermarkProfileByIndexId, DISPATCH_METHOD, {I4Arg(1)}, &again);
  EXPECT_EQ(again.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(again.exception.scode, kNotFound);
  EXPECT_EQ(again.description(), kNotFoundText);
}

TEST_F(MainObjectMembersTest, MissingWatermarkProfilesAreError6400) {
  Bstr missing(L"Missing");
  ComPtr<IqvWatermarkProfileX> profile;
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(tessaly_->GetWatermarkProfile(missing.p, profile.Out()), kNotFound);
  EXPECT_EQ(profile.Get(), nullptr);
  ErrorObject error = TakeErrorInfo();
  EXPECT_EQ(error.description, kNotFoundText);
  EXPECT_EQ(error.help_context, 6400u);
  VARIANT_BOOL result = VARIANT_TRUE;
  EXPECT_EQ(tessaly_->DeleteWatermarkProfile(missing.p, &result), kNotFound);
  // "None" is at index 0 and the store keeps it.
  EXPECT_EQ(WatermarkNames(), std::vector<std::wstring>{L"None"});
  EXPECT_EQ(tessaly_->DeleteWatermarkProfileByIndex(0, &result), kNotFound);
  EXPECT_EQ(tessaly_->DeleteWatermarkProfileByIndex(-1, &result), kNotFound);

  Invocation list;
  Invoke(tessaly_.Get(), kGetWatermarkProfilesListId, DISPATCH_METHOD, {}, &list);
  ASSERT_EQ(list.hr, S_OK);
  EXPECT_EQ(V_VT(&list.result), VT_ARRAY | VT_BSTR);
}

// Objects over the main object's stores fail cleanly once it is gone;
// free-standing items keep working, since they hold their own values.
TEST_F(MainObjectMembersTest, ObjectsOutlivingTheMainObject) {
  Bstr draft(L"Draft"), stamp(L"Stamp");
  ComPtr<IqvOfficeAddinSettingsX> settings;
  ComPtr<IqvWatermarkProfileX> profile;
  ComPtr<IqvTextWatermarkX> text;
  ASSERT_EQ(tessaly_->get_OfficeAddinSettings(settings.Out()), S_OK);
  ASSERT_EQ(tessaly_->CreateWatermarkProfile(draft.p, VARIANT_FALSE, profile.Out()), S_OK);
  ASSERT_EQ(tessaly_->CreateTextWatermarkItem(stamp.p, text.Out()), S_OK);
  tessaly_.Reset();

  VARIANT_BOOL flag = VARIANT_FALSE;
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(settings->get_WordTOCToLinks(&flag), E_UNEXPECTED);
  EXPECT_EQ(TakeErrorInfo().description, kReleased);
  EXPECT_EQ(profile->AddTextItem(text.Get(), VARIANT_FALSE, &flag), E_UNEXPECTED);
  EXPECT_EQ(TakeErrorInfo().description, kReleased);
  Bstr words(L"DRAFT");
  EXPECT_EQ(text->put_Text(words.p), S_OK);
  BSTR got = nullptr;
  EXPECT_EQ(text->get_Text(&got), S_OK);
  EXPECT_EQ(Take(got), L"DRAFT");
}

}  // namespace
}  // namespace tessaly
