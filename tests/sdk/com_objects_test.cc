// The main object and the profile settings object at the automation
// boundary: through their vtables and again through IDispatch::Invoke by
// dispatch id, over an in-memory Env.
#include <gtest/gtest.h>
#include <oaidl.h>
#include <olectl.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "com/variant_lists.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_errors.h"
#include "profiles/profile_keys.h"
#include "sdk/server_state.h"
#include "sdk/tessaly_x.h"
#include "tests/sdk/com_test_support.h"

namespace tessaly {
namespace {

constexpr HRESULT kProtected = static_cast<HRESULT>(0x80041A38);
constexpr HRESULT kExists = static_cast<HRESULT>(0x80041A9C);
constexpr HRESULT kNotFound = static_cast<HRESULT>(0x80041B00);
constexpr HRESULT kInvalidName = static_cast<HRESULT>(0x80041B64);

std::wstring Wide(const char* ansi) {
  Cp1252CodePage code_page;
  return code_page.FromAnsi(ansi);
}

class ComObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override {
    tessaly_.Reset();
    CoUninitialize();
  }

  // Arranges the Profiles store before the main object opens it.
  template <class Arrange>
  void Seed(Arrange arrange) {
    TqvProfileManager manager(fake_.env);
    arrange(manager.ProfilesIni());
  }
  void Open() {
    tessaly_ = MakeAutomationObject<TqvTessalyX>(fake_.env, nullptr);
    ASSERT_TRUE(tessaly_);
  }

  IDispatch* Dispatch() { return static_cast<IqvTessaly*>(tessaly_.Get()); }

  ComPtr<IqvProfileSettingsX> Current() {
    ComPtr<IqvProfileSettingsX> settings;
    EXPECT_EQ(tessaly_->get_CurrentProfile(settings.Out()), S_OK);
    return settings;
  }

  FakeEnv fake_;
  ComPtr<TqvTessalyX> tessaly_;
};

std::vector<std::wstring> ArrayOfBstr(const VARIANT& v) {
  EXPECT_EQ(V_VT(&v), VT_ARRAY | VT_BSTR);
  if (V_VT(&v) != (VT_ARRAY | VT_BSTR)) return {};
  SAFEARRAY* array = V_ARRAY(&v);
  EXPECT_EQ(SafeArrayGetDim(array), 1u);
  LONG lower = -1, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  EXPECT_EQ(lower, 0);
  std::vector<std::wstring> out;
  for (LONG i = lower; i <= upper; ++i) {
    BSTR text = nullptr;
    SafeArrayGetElement(array, &i, &text);
    out.push_back(Take(text));
  }
  return out;
}

TEST_F(ComObjectsTest, ProfilesListIsAOneDimensionalArrayOfBstr) {
  Seed([](IniFile& store) {
    store.WriteString("", "Author", "nameless");
    store.WriteString("Mine", "Author", "me");
  });
  Open();
  Var list;
  EXPECT_EQ(tessaly_->GetProfilesList(&list), S_OK);
  EXPECT_EQ(ArrayOfBstr(list),
            (std::vector<std::wstring>{L"[PDF - Best Quality]", L"\r\n", L"Mine"}));
  Invocation call;
  Invoke(Dispatch(), 209, DISPATCH_METHOD, {}, &call);
  VARIANT& by_id = call.result;
  ASSERT_EQ(call.hr, S_OK);
  EXPECT_EQ(ArrayOfBstr(by_id).size(), 3u);
  LONG count = 0;
  EXPECT_EQ(tessaly_->GetProfileCount(&count), S_OK);
  EXPECT_EQ(count, 3);
}

TEST_F(ComObjectsTest, FailedConstructionLeavesNoObject) {
  Seed([](IniFile& store) {
    store.WriteString("General Settings", "LastProfile", "Gone");
    store.EraseSection("[PDF - Best Quality]");
  });
  long live = LiveObjectCount();
  // Neither the last profile nor the built-in one can be copied.
  EXPECT_THROW((MakeAutomationObject<TqvTessalyX>(fake_.env, nullptr)), Exception);
  EXPECT_EQ(LiveObjectCount(), live);
}

// The SDK's own failures through the vtable: the code, and an error object
// with the main object's interface, source, message and help context.
TEST_F(ComObjectsTest, ProfileFailuresCarryTheirCodesAndHelpContexts) {
  Seed([](IniFile& store) { store.WriteString("Mine", "Author", "me"); });
  Open();
  struct Case {
    HRESULT expected;
    DWORD help_context;
    const char* message;
    std::function<HRESULT()> call;
  };
  ComPtr<IqvProfileSettingsX> created;
  VARIANT_BOOL done = VARIANT_TRUE;
  Bstr mine(L"Mine"), builtin(L"[PDF - Best Quality]"), general(L"General Settings"), bad(L"a<b"),
      missing(L"mine");
  const Case cases[] = {
      {kExists, 6300, kProfileExistsMessage,
       [&] { return tessaly_->CreateNewProfile(mine.p, created.Out()); }},
      {kProtected, 6200, kProfileProtectedMessage,
       [&] { return tessaly_->CreateNewProfile(builtin.p, created.Out()); }},
      {kProtected, 6200, kProfileProtectedMessage,
       [&] { return tessaly_->CreateNewProfile(general.p, created.Out()); }},
      {kInvalidName, 6500, kInvalidProfileNameMessage,
       [&] { return tessaly_->CreateNewProfile(bad.p, created.Out()); }},
      {kNotFound, 6400, kProfileNotFoundMessage,
       [&] { return tessaly_->SelectCurrentProfile(missing.p); }},
      {kNotFound, 6400, kProfileNotFoundMessage,
       [&] { return tessaly_->DeleteProfileByIndex(2, &done); }},
      {kProtected, 6200, kProfileProtectedMessage,
       [&] { return tessaly_->ApplyChangesToCurrentProfile(&done); }},
  };
  for (const Case& c : cases) {
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(c.call(), c.expected) << c.message;
    EXPECT_FALSE(created);
    ErrorObject error = TakeErrorInfo();
    ASSERT_TRUE(error.present);
    EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvTessaly));
    EXPECT_EQ(error.source, L"TessalySDK.qvTessaly");
    EXPECT_EQ(error.description, Wide(c.message));
    EXPECT_EQ(error.help_context, c.help_context);
  }
  // A failed member writes no result.
  EXPECT_EQ(done, VARIANT_TRUE);
}

// The same failures by dispatch id: the error arrives in the exception
// information.
TEST_F(ComObjectsTest, ProfileFailuresThroughInvoke) {
  Seed([](IniFile& store) { store.WriteString("Mine", "Author", "me"); });
  Open();
  struct Case {
    DISPID id;
    std::vector<VARIANT> args;
    HRESULT scode;
    DWORD help_context;
    const char* message;
  };
  Bstr mine(L"Mine"), builtin(L"[PDF - Best Quality]"), missing(L"mine"), bad(L"x[y");
  const Case cases[] = {
      {207, {BstrArg(mine.p)}, kExists, 6300, kProfileExistsMessage},
      {206, {BstrArg(builtin.p)}, kProtected, 6200, kProfileProtectedMessage},
      {203, {BstrArg(missing.p)}, kNotFound, 6400, kProfileNotFoundMessage},
      {207, {BstrArg(bad.p)}, kInvalidName, 6500, kInvalidProfileNameMessage},
      {231, {I4Arg(-1)}, kNotFound, 6400, kProfileNotFoundMessage},
  };
  for (const Case& c : cases) {
    Invocation call;
    Invoke(Dispatch(), c.id, DISPATCH_METHOD, c.args, &call);
    EXPECT_EQ(call.hr, DISP_E_EXCEPTION) << c.id;
    EXPECT_EQ(call.exception.scode, c.scode) << c.id;
    EXPECT_EQ(call.exception.dwHelpContext, c.help_context);
    ASSERT_NE(call.exception.bstrDescription, nullptr);
    EXPECT_EQ(std::wstring(call.exception.bstrDescription), Wide(c.message));
    ASSERT_NE(call.exception.bstrSource, nullptr);
    EXPECT_EQ(std::wstring(call.exception.bstrSource), L"TessalySDK.qvTessaly");
  }
  // And a success: the new profile comes back as an object.
  Bstr fresh(L"Fresh");
  Invocation call;
  Invoke(Dispatch(), 207, DISPATCH_METHOD, {BstrArg(fresh.p)}, &call);
  VARIANT& result = call.result;
  ASSERT_EQ(call.hr, S_OK);
  ASSERT_EQ(V_VT(&result), VT_DISPATCH);
  ASSERT_NE(V_DISPATCH(&result), nullptr);
}

// Every property of the settings object, by its dispatch id, reads the
// default of its key on a fresh profile: the slots, the key table and the
// accessor agree.
TEST_F(ComObjectsTest, EverySettingReadsItsDefaultByDispatchId) {
  Open();
  ComPtr<IqvProfileSettingsX> settings = Current();
  for (const ProfileKey& row : kProfileKeys) {
    SCOPED_TRACE(row.name);
    Invocation call;
    Invoke(settings.Get(), row.dispid, DISPATCH_PROPERTYGET, {}, &call);
    VARIANT& value = call.result;
    ASSERT_EQ(call.hr, S_OK);
    switch (row.kind) {
      case ProfileKind::kString:
      case ProfileKind::kWatermarkName:
        ASSERT_EQ(V_VT(&value), VT_BSTR);
        EXPECT_EQ(std::wstring(V_BSTR(&value)), Wide(row.default_value.text));
        break;
      case ProfileKind::kBool:
        ASSERT_EQ(V_VT(&value), VT_BOOL);
        EXPECT_EQ(V_BOOL(&value), row.default_value.integer ? VARIANT_TRUE : VARIANT_FALSE);
        break;
      case ProfileKind::kInteger:
      case ProfileKind::kEnum:
        ASSERT_EQ(V_VT(&value), VT_I4);
        EXPECT_EQ(V_I4(&value), row.default_value.integer);
        break;
      case ProfileKind::kTextOptimization:
        ASSERT_EQ(V_VT(&value), VT_I4);
        EXPECT_EQ(V_I4(&value), 0);  // etPositionalAccuracy
        break;
      case ProfileKind::kColor:
        ASSERT_EQ(V_VT(&value), VT_UI4);
        EXPECT_EQ(static_cast<int32_t>(V_UI4(&value)), row.default_value.integer);
        break;
      case ProfileKind::kFloat:
        ASSERT_EQ(V_VT(&value), VT_R8);
        EXPECT_EQ(V_R8(&value), row.default_value.real);
        break;
      case ProfileKind::kList:
        EXPECT_TRUE(ArrayOfBstr(value).empty());
        break;
      case ProfileKind::kFont:
        ASSERT_EQ(V_VT(&value), VT_DISPATCH);
        EXPECT_NE(V_DISPATCH(&value), nullptr);
        break;
    }
  }
}

TEST_F(ComObjectsTest, SettingsConversions) {
  Open();
  ComPtr<IqvProfileSettingsX> settings = Current();
  // Booleans: any non-zero value is true and reads back as -1.
  VARIANT_BOOL flag = VARIANT_FALSE;
  EXPECT_EQ(settings->put_PDFExportAsImage(1), S_OK);
  settings->get_PDFExportAsImage(&flag);
  EXPECT_EQ(flag, VARIANT_TRUE);
  // Enumerations: the low byte is stored, seven bits come back.
  TxqvColorDepth depth = pf1Bit;
  settings->put_PDFImage24BitColorDepth(static_cast<TxqvColorDepth>(256 + pf24Bit));
  settings->get_PDFImage24BitColorDepth(&depth);
  EXPECT_EQ(depth, pf24Bit);
  settings->put_PDFImage24BitColorDepth(static_cast<TxqvColorDepth>(0xFF));
  settings->get_PDFImage24BitColorDepth(&depth);
  EXPECT_EQ(depth, 0x7F);
  // Colours: the 32 bits unchanged, system colours included.
  OLE_COLOR color = 0;
  settings->put_HTMLBackgroundColor(0x80000005);
  settings->get_HTMLBackgroundColor(&color);
  EXPECT_EQ(color, 0x80000005u);
  // Floats and integers.
  double scale = 0;
  settings->put_BMPScaleX(2.5);
  settings->get_BMPScaleX(&scale);
  EXPECT_EQ(scale, 2.5);
  LONG port = 0;
  settings->put_EmailSMTPServerPort(-587);
  settings->get_EmailSMTPServerPort(&port);
  EXPECT_EQ(port, -587);
  // Strings in the ANSI code page.
  Bstr title(L"Caf\u00e9 \u00bd");
  settings->put_DocInfoTitle(title.p);
  EXPECT_EQ(tessaly_->core().manager().ProfilesIni().ReadString("Last Saved State", "Title", ""),
            "Caf\xE9 \xBD");
  // Two objects over the current profile see each other's changes.
  ComPtr<IqvProfileSettingsX> other = Current();
  BSTR text = nullptr;
  other->get_DocInfoTitle(&text);
  EXPECT_EQ(Take(text), L"Caf\u00e9 \u00bd");
}

VARIANT StringArray(VARTYPE type, const std::vector<const wchar_t*>& items, LONG lower = 0) {
  SAFEARRAYBOUND bound = {static_cast<ULONG>(items.size()), lower};
  SAFEARRAY* array = SafeArrayCreate(type, 1, &bound);
  for (LONG i = 0; i < static_cast<LONG>(items.size()); ++i) {
    LONG index = lower + i;
    if (type == VT_BSTR) {
      BSTR text = SysAllocString(items[static_cast<size_t>(i)]);
      SafeArrayPutElement(array, &index, text);
      SysFreeString(text);
    } else {
      Var item;
      V_VT(&item) = VT_BSTR;
      V_BSTR(&item) = SysAllocString(items[static_cast<size_t>(i)]);
      SafeArrayPutElement(array, &index, &item);
    }
  }
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_ARRAY | type;
  V_ARRAY(&v) = array;
  return v;
}

TEST_F(ComObjectsTest, ListPropertiesTakeArraysOfStrings) {
  Open();
  ComPtr<IqvProfileSettingsX> settings = Current();
  Var body;
  static_cast<VARIANT&>(body) = StringArray(VT_BSTR, {L"Dear reader,", L"", L"a, b \"c\""});
  EXPECT_EQ(settings->put_EmailBody(body), S_OK);
  Var back;
  EXPECT_EQ(settings->get_EmailBody(&back), S_OK);
  EXPECT_EQ(ArrayOfBstr(back),
            (std::vector<std::wstring>{L"Dear reader,", L"\r\n", L"a, b \"c\""}));

  // Arrays of VARIANT strings, with any lower bound, and by reference as
  // script hosts pass them.
  Var fonts;
  static_cast<VARIANT&>(fonts) = StringArray(VT_VARIANT, {L"Arial", L"Times New Roman"}, 5);
  VARIANT by_ref;
  VariantInit(&by_ref);
  V_VT(&by_ref) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&by_ref) = &fonts;
  EXPECT_EQ(settings->put_PDFFontNeverEmbedList(by_ref), S_OK);
  Var fonts_back;
  settings->get_PDFFontNeverEmbedList(&fonts_back);
  EXPECT_EQ(ArrayOfBstr(fonts_back), (std::vector<std::wstring>{L"Arial", L"Times New Roman"}));
}

TEST_F(ComObjectsTest, ListPropertiesRefuseAnythingElse) {
  Open();
  ComPtr<IqvProfileSettingsX> settings = Current();
  Var kept;
  static_cast<VARIANT&>(kept) = StringArray(VT_BSTR, {L"kept"});
  settings->put_NNTPBody(kept);

  std::vector<Var> refused(4);
  V_VT(&refused[0]) = VT_I4;  // a number
  V_I4(&refused[0]) = 7;
  V_VT(&refused[1]) = VT_BSTR;  // a plain string
  V_BSTR(&refused[1]) = SysAllocString(L"text");
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};  // two dimensions
  V_VT(&refused[2]) = VT_ARRAY | VT_BSTR;
  V_ARRAY(&refused[2]) = SafeArrayCreate(VT_BSTR, 2, bounds);
  static_cast<VARIANT&>(refused[3]) = StringArray(VT_VARIANT, {L"a"});  // a non-string element
  LONG index = 0;
  Var number;
  V_VT(&number) = VT_I4;
  SafeArrayPutElement(V_ARRAY(&refused[3]), &index, &number);

  for (Var& value : refused) {
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(settings->put_NNTPBody(value), E_UNEXPECTED);
    ErrorObject error = TakeErrorInfo();
    EXPECT_EQ(error.description, Wide(kNotAStringArrayMessage));
    EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvProfileSettingsX));
    EXPECT_EQ(error.source, L"");
  }
  Var back;
  settings->get_NNTPBody(&back);
  EXPECT_EQ(ArrayOfBstr(back), std::vector<std::wstring>{L"kept"});
  // The empty list is an array with no elements.
  Var none;
  VariantFromLines({}, &none);
  EXPECT_TRUE(ArrayOfBstr(none).empty());
}

TEST_F(ComObjectsTest, FontsTravelAsOleFonts) {
  Open();
  ComPtr<IqvProfileSettingsX> settings = Current();
  IniFile& store = tessaly_->core().manager().ProfilesIni();
  store.WriteString("Last Saved State", "HTMLFontData",
                    "\"DejaVu Sans\",12,0,255,True,False,False,True");
  ComPtr<IFontDisp> font_disp;
  ASSERT_EQ(settings->get_HTMLDefaultFont(font_disp.Out()), S_OK) << TakeErrorInfo().description;
  ComPtr<IFont> font;
  ASSERT_EQ(font_disp.As(&font), S_OK);
  BSTR face = nullptr;
  font->get_Name(&face);
  EXPECT_EQ(Take(face), L"DejaVu Sans");
  CY size{};
  font->get_Size(&size);
  EXPECT_EQ(size.int64, 120000);
  BOOL bold = FALSE, strike = FALSE, italic = TRUE;
  font->get_Bold(&bold);
  font->get_Strikethrough(&strike);
  font->get_Italic(&italic);
  EXPECT_TRUE(bold);
  EXPECT_TRUE(strike);
  EXPECT_FALSE(italic);

  // Setting the other font stores the OLE font's face, size and style; the
  // stored colour stays.
  store.WriteString("Last Saved State", "HTMLLinkFontData",
                    "Arial,10,0,-16777208,False,False,False,False");
  CY nine_points{};
  nine_points.int64 = 90000;
  font->put_Size(nine_points);
  font->put_Italic(TRUE);
  EXPECT_EQ(settings->put_HTMLNavigatorTextFont(font_disp.Get()), S_OK);
  EXPECT_EQ(store.ReadString("Last Saved State", "HTMLLinkFontData", ""),
            "\"DejaVu Sans\",9,0,-16777208,True,True,False,True");
  EXPECT_EQ(settings->put_HTMLNavigatorTextFont(nullptr), E_UNEXPECTED);

  // A stored font that does not parse fails the getter with its message.
  store.WriteString("Last Saved State", "HTMLFontData", "Arial,big,0,0,False,False,False,False");
  EXPECT_EQ(settings->get_HTMLDefaultFont(font_disp.Out()), E_UNEXPECTED);
  EXPECT_FALSE(font_disp);
  EXPECT_EQ(TakeErrorInfo().description, L"'big' is not a valid integer value");
}

TEST_F(ComObjectsTest, UnknownWatermarkProfileIsNotFound) {
  Open();
  ComPtr<IqvProfileSettingsX> settings = Current();
  Bstr unknown(L"No such watermark");
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(settings->put_WatermarkSelectedProfile(unknown.p), kNotFound);
  ErrorObject error = TakeErrorInfo();
  EXPECT_EQ(error.help_context, 6400u);
  EXPECT_EQ(error.description, Wide(kProfileNotFoundMessage));
  EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvProfileSettingsX));
  BSTR text = nullptr;
  settings->get_WatermarkSelectedProfile(&text);
  EXPECT_EQ(Take(text), L"None");

  // By dispatch id (435), the same error in the exception information.
  Invocation call;
  Invoke(settings.Get(), 435, DISPATCH_PROPERTYPUT, {BstrArg(unknown.p)}, &call);
  EXPECT_EQ(call.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(call.exception.scode, kNotFound);
  EXPECT_EQ(call.exception.dwHelpContext, 6400u);
}

TEST_F(ComObjectsTest, SettingsObjectOutlivingTheMainObjectFailsCleanly) {
  Open();
  ComPtr<IqvProfileSettingsX> settings = Current();
  tessaly_.Reset();
  BSTR text = nullptr;
  EXPECT_EQ(settings->get_Name(&text), S_OK);  // a copy taken at creation
  EXPECT_EQ(Take(text), L"[PDF - Best Quality]");
  Bstr author(L"late");
  EXPECT_EQ(settings->put_DocInfoAuthor(author.p), E_UNEXPECTED);
  EXPECT_EQ(TakeErrorInfo().description, Wide(kSettingsDisconnectedMessage));
  EXPECT_EQ(settings->get_DocInfoAuthor(&text), E_UNEXPECTED);
  EXPECT_EQ(text, nullptr);
}

}  // namespace
}  // namespace tessaly
