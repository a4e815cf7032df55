// The watermark item and profile objects at the automation boundary,
// through their vtables and through IDispatch::Invoke, over a profile
// manager whose watermark file lives in memory.
#include <gtest/gtest.h>

#include <windows.h>

#include <oaidl.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/fake/fake_env.h"
#include "profiles/profile_manager.h"
#include "sdk/owned_ref.h"
#include "sdk/watermark_profile_x.h"
#include "sdk/watermark_x.h"
#include "tests/sdk/com_test_support.h"

namespace tessaly {
namespace {

constexpr HRESULT kItemNotFound = static_cast<HRESULT>(0x80041C2C);
const wchar_t kItemNotFoundText[] = L"The item by specified name or index does not exists.";
const char kPicture[] = "C:\\Pictures\\logo.png";

// An OLE font of the faces a fresh Wine prefix has, at sizes it keeps.
ComPtr<IFontDisp> NewFont(const wchar_t* face, int points, bool bold, bool italic) {
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = const_cast<LPOLESTR>(face);
  description.cySize.int64 = points * 10000LL;
  description.sWeight = static_cast<SHORT>(bold ? FW_BOLD : FW_NORMAL);
  description.sCharset = ANSI_CHARSET;
  description.fItalic = italic;
  ComPtr<IFontDisp> font;
  OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(font.Out()));
  return font;
}

struct FontValues {
  std::wstring face;
  LONGLONG size = 0;
  BOOL bold = FALSE, italic = FALSE;
};
FontValues ReadFont(IFontDisp* font) {
  FontValues out;
  ComPtr<IFont> ole = As<IFont>(font);
  if (!ole) return out;
  BSTR name = nullptr;
  ole->get_Name(&name);
  out.face = Take(name);
  CY size{};
  ole->get_Size(&size);
  out.size = size.int64 / 10000;
  ole->get_Bold(&out.bold);
  ole->get_Italic(&out.italic);
  return out;
}

// A text item object implemented elsewhere: the profile must read it
// through its interface alone.
class ForeignTextItem : public IqvTextWatermarkX {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, IID_IqvWatermarkX) || IsEqualIID(riid, IID_IqvTextWatermarkX)) {
      *out = static_cast<IqvTextWatermarkX*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
  STDMETHODIMP_(ULONG) Release() override { return --references; }
  STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP get_ItemName(BSTR* v) override { return Text(L"foreign", v); }
  STDMETHODIMP get_X(double* v) override { return Set(v, 2.5); }
  STDMETHODIMP put_X(double) override { return E_NOTIMPL; }
  STDMETHODIMP get_Y(double* v) override { return Set(v, -1.0); }
  STDMETHODIMP put_Y(double) override { return E_NOTIMPL; }
  STDMETHODIMP get_Angle(LONG* v) override { return Set(v, 45L); }
  STDMETHODIMP put_Angle(LONG) override { return E_NOTIMPL; }
  STDMETHODIMP get_HorizontalAnchorPoint(::TxqvHorizontalAnchorPoint* v) override {
    return Set(v, static_cast<::TxqvHorizontalAnchorPoint>(0x102));  // low 8 bits: 2
  }
  STDMETHODIMP put_HorizontalAnchorPoint(::TxqvHorizontalAnchorPoint) override { return E_NOTIMPL; }
  STDMETHODIMP get_VerticalAnchorPoint(::TxqvVerticalAnchorPoint* v) override {
    return Set(v, ::apMiddle);
  }
  STDMETHODIMP put_VerticalAnchorPoint(::TxqvVerticalAnchorPoint) override { return E_NOTIMPL; }
  STDMETHODIMP get_WatermarkType(::TxqvWatermarkType* v) override { return Set(v, ::wtText); }
  STDMETHODIMP get_Text(BSTR* v) override { return Text(L"from afar", v); }
  STDMETHODIMP put_Text(BSTR) override { return E_NOTIMPL; }
  STDMETHODIMP get_Font(IFontDisp** v) override {
    *v = nullptr;  // no font: the new item's stays
    return S_OK;
  }
  STDMETHODIMP put_Font(IFontDisp*) override { return E_NOTIMPL; }
  STDMETHODIMP get_TextColor(OLE_COLOR* v) override { return Set(v, OLE_COLOR{0x0000FF}); }
  STDMETHODIMP put_TextColor(OLE_COLOR) override { return E_NOTIMPL; }
  STDMETHODIMP get_RectColor(OLE_COLOR* v) override { return Set(v, rect_color); }
  STDMETHODIMP put_RectColor(OLE_COLOR) override { return E_NOTIMPL; }

  ULONG references = 1;
  OLE_COLOR rect_color = 0x00FF00;
  HRESULT rect_color_result = S_OK;

 private:
  template <class T>
  HRESULT Set(T* out, T value) {
    *out = value;
    return std::is_same_v<T, OLE_COLOR> ? rect_color_result : S_OK;
  }
  static HRESULT Text(const wchar_t* text, BSTR* out) {
    *out = SysAllocString(text);
    return S_OK;
  }
};

class WatermarkObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    fake_.files.Put(kPicture, "png");
  }
  void TearDown() override { CoUninitialize(); }

  ComPtr<TqvWatermarkProfileX> Profile(const wchar_t* name) {
    return CreateWatermarkProfileX(manager_->CreateWatermarkProfile(name, false), owner_,
                                   fake_.code_page);
  }
  // The profile as a second manager reads it from the file.
  std::unique_ptr<TqvWatermarkProfile> Stored(const wchar_t* name) {
    TqvProfileManager reader(fake_.env);
    return reader.GetWatermarkProfile(name);
  }

  // A text item with values of its own in every field.
  ComPtr<TqvTextWatermarkX> FilledText(const wchar_t* name) {
    ComPtr<TqvTextWatermarkX> item = CreateTextWatermarkX(name, fake_.code_page);
    Bstr text(L"Caf\u00e9 draft");
    item->put_Text(text.p);
    item->put_X(1.5);
    item->put_Y(-2.25);
    item->put_Angle(30);
    item->put_HorizontalAnchorPoint(::apRight);
    item->put_VerticalAnchorPoint(::apBottom);
    item->put_TextColor(0x00112233);
    item->put_RectColor(0x80000005);  // a system colour, unchanged
    EXPECT_EQ(item->put_Font(NewFont(L"DejaVu Sans", 12, true, false).Get()), S_OK);
    return item;
  }
  ComPtr<TqvImageWatermarkX> FilledImage(const wchar_t* name) {
    ComPtr<TqvImageWatermarkX> item = CreateImageWatermarkX(name, fake_.code_page);
    Bstr path(L"C:\\Pictures\\logo.png");
    item->put_ImagePath(path.p);
    item->put_X(10);
    item->put_Y(20);
    item->put_Angle(-90);
    item->put_HorizontalAnchorPoint(::apCenter);
    item->put_VerticalAnchorPoint(::apMiddle);
    item->put_Width(120.5);
    item->put_Height(60);
    item->put_KeepAspectRatio(VARIANT_TRUE);
    item->put_CoverPage(VARIANT_FALSE);
    return item;
  }

  FakeEnv fake_;
  std::unique_ptr<TqvProfileManager> manager_ = std::make_unique<TqvProfileManager>(fake_.env);
  std::shared_ptr<const int> owner_ = std::make_shared<const int>(0);
};

TEST_F(WatermarkObjectsTest, NewItemObjects) {
  ComPtr<TqvTextWatermarkX> text = CreateTextWatermarkX(L"T", fake_.code_page);
  ::TxqvWatermarkType type = ::wtNone;
  OLE_COLOR color = 1;
  BSTR name = nullptr;
  EXPECT_EQ(text->get_ItemName(&name), S_OK);
  EXPECT_EQ(Take(name), L"T");
  text->get_WatermarkType(&type);
  EXPECT_EQ(type, ::wtText);
  text->get_TextColor(&color);
  EXPECT_EQ(color, 0u);
  text->get_RectColor(&color);
  EXPECT_EQ(color, 0x00FFFFFFu);
  ComPtr<IFontDisp> font;
  ASSERT_EQ(text->get_Font(font.Out()), S_OK);
  EXPECT_EQ(ReadFont(font.Get()).size, 8);
  // A text object is an item object, and no image object.
  EXPECT_TRUE(As<IqvWatermarkX>(text.Get()));
  EXPECT_FALSE(As<IqvImageWatermarkX>(text.Get()));

  ComPtr<TqvImageWatermarkX> image = CreateImageWatermarkX(L"I", fake_.code_page);
  double size = 1;
  VARIANT_BOOL flag = VARIANT_TRUE;
  image->get_WatermarkType(&type);
  EXPECT_EQ(type, ::wtImage);
  image->get_Width(&size);
  EXPECT_EQ(size, 0);
  image->get_Height(&size);
  EXPECT_EQ(size, 0);
  image->get_CoverPage(&flag);
  EXPECT_EQ(flag, VARIANT_FALSE);
  image->get_KeepAspectRatio(&flag);
  EXPECT_EQ(flag, VARIANT_FALSE);
  ::TxqvHorizontalAnchorPoint anchor = ::apRight;
  image->get_HorizontalAnchorPoint(&anchor);
  EXPECT_EQ(anchor, ::apLeft);
  EXPECT_FALSE(As<IqvTextWatermarkX>(image.Get()));
}

VARIANT Arg(VARTYPE type, double value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_R8;
  V_R8(&v) = value;
  VariantChangeType(&v, &v, 0, type);
  return v;
}

// Every property of the item objects by dispatch id: all written first,
// then read back, so that a member in the wrong slot or two members over
// one field would show. Base members dispatch on the derived objects.
TEST_F(WatermarkObjectsTest, ItemPropertiesByDispatchId) {
  struct Property {
    DISPID id;
    VARIANT value;
  };
  const std::vector<Property> common = {{202, Arg(VT_R8, 1.25)}, {203, Arg(VT_R8, 2.5)},
                                        {204, Arg(VT_I4, 3)},    {205, Arg(VT_I4, 4)},
                                        {206, Arg(VT_I4, 5)}};
  std::vector<Property> text = common;
  text.push_back({301, Arg(VT_BSTR, 6)});
  text.push_back({303, Arg(VT_I4, 7)});
  text.push_back({304, Arg(VT_I4, 8)});
  std::vector<Property> image = common;
  image.push_back({401, Arg(VT_BSTR, 9)});
  image.push_back({402, Arg(VT_R8, 10.5)});
  image.push_back({403, Arg(VT_R8, 11.5)});
  image.push_back({404, Arg(VT_BOOL, 1)});
  image.push_back({405, Arg(VT_BOOL, 0)});

  ComPtr<TqvTextWatermarkX> text_item = CreateTextWatermarkX(L"t", fake_.code_page);
  ComPtr<TqvImageWatermarkX> image_item = CreateImageWatermarkX(L"i", fake_.code_page);
  for (auto [object, properties] : {std::pair<IDispatch*, std::vector<Property>*>{
                                        text_item.Get(), &text},
                                    {image_item.Get(), &image}}) {
    DISPID put_id = DISPID_PROPERTYPUT;
    for (Property& property : *properties) {
      DISPPARAMS params = {&property.value, &put_id, 1, 1};
      EXPECT_EQ(object->Invoke(property.id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                               &params, nullptr, nullptr, nullptr),
                S_OK)
          << property.id;
    }
    for (Property& property : *properties) {
      Invocation call;
      Invoke(object, property.id, DISPATCH_PROPERTYGET, {}, &call);
      ASSERT_EQ(call.hr, S_OK) << property.id;
      VariantChangeType(&call.result, &call.result, 0, V_VT(&property.value));
      EXPECT_EQ(VarCmp(&call.result, &property.value, LOCALE_USER_DEFAULT, 0), VARCMP_EQ)
          << property.id;
      VariantClear(&property.value);
    }
  }
}

// The font an item hands out is its own: a change made through it is the
// item's, and a font put into the item is copied, not shared.
TEST_F(WatermarkObjectsTest, FontIsTheItemsOwn) {
  ComPtr<TqvTextWatermarkX> item = CreateTextWatermarkX(L"T", fake_.code_page);
  ComPtr<IFontDisp> given = NewFont(L"DejaVu Serif", 9, false, true);
  ASSERT_EQ(item->put_Font(given.Get()), S_OK);
  ComPtr<IFontDisp> held;
  item->get_Font(held.Out());
  EXPECT_NE(held.Get(), given.Get());
  FontValues values = ReadFont(held.Get());
  EXPECT_EQ(values.face, L"DejaVu Serif");
  EXPECT_EQ(values.size, 9);
  EXPECT_TRUE(values.italic);
  EXPECT_FALSE(values.bold);

  CY twelve{};
  twelve.int64 = 12 * 10000LL;
  As<IFont>(held.Get())->put_Size(twelve);
  As<IFont>(given.Get())->put_Bold(TRUE);
  ComPtr<IFontDisp> again;
  item->get_Font(again.Out());
  EXPECT_EQ(ReadFont(again.Get()).size, 12);
  EXPECT_FALSE(ReadFont(again.Get()).bold);

  EXPECT_EQ(item->put_Font(nullptr), E_UNEXPECTED);
}

// A profile filled with a text and an image item, read back item by item
// from the object and from the file, as new independent objects.
TEST_F(WatermarkObjectsTest, FillAndReadBack) {
  ComPtr<TqvWatermarkProfileX> profile = Profile(L"Draft");
  VARIANT_BOOL done = VARIANT_FALSE;
  ASSERT_EQ(profile->AddTextItem(FilledText(L"text").Get(), VARIANT_FALSE, &done), S_OK);
  EXPECT_EQ(done, VARIANT_TRUE);
  ASSERT_EQ(profile->AddImageItem(FilledImage(L"image").Get(), VARIANT_FALSE, &done), S_OK);
  EXPECT_EQ(done, VARIANT_TRUE);
  LONG count = 0;
  profile->get_Count(&count);
  EXPECT_EQ(count, 2);
  BSTR name = nullptr;
  profile->get_ProfileName(&name);
  EXPECT_EQ(Take(name), L"Draft");
  ::TxqvWatermarkType type = ::wtNone;
  profile->GetItemType(1, &type);
  EXPECT_EQ(type, ::wtImage);
  profile->GetItemType(2, &type);
  EXPECT_EQ(type, ::wtNone);
  EXPECT_EQ(profile->GetItemType(-1, &type), E_UNEXPECTED);

  // What reached the file.
  auto stored = Stored(L"Draft");
  ASSERT_EQ(stored->Count(), 2);
  auto& text = static_cast<TqvTextWatermark&>(*stored->GetItemByIndex(0));
  EXPECT_EQ(text.ItemName(), "text");
  EXPECT_EQ(text.Text(), "Caf\xE9 draft");
  EXPECT_EQ(text.X(), 1.5);
  EXPECT_EQ(text.Y(), -2.25);
  EXPECT_EQ(text.Angle(), 30);
  EXPECT_EQ(text.HorizontalAnchorPoint(), ::apRight);
  EXPECT_EQ(text.VerticalAnchorPoint(), ::apBottom);
  EXPECT_EQ(text.Font().name, "DejaVu Sans");
  EXPECT_EQ(text.Font().size, 12);
  EXPECT_EQ(text.Font().style, fsBold);
  EXPECT_EQ(text.Font().color, 0x00112233u);
  EXPECT_EQ(text.FillColor(), 0x80000005u);
  EXPECT_EQ(text.FillStyle(), bsSolid);
  auto& image = static_cast<TqvImageWatermark&>(*stored->GetItemByIndex(1));
  EXPECT_EQ(image.ImagePath(), kPicture);
  EXPECT_EQ(image.Width(), 120.5);
  EXPECT_EQ(image.Height(), 60);
  EXPECT_TRUE(image.AspectRatio());
  EXPECT_FALSE(image.CoverPage());
  EXPECT_EQ(image.Angle(), -90);

  // Item by item through the object.
  ComPtr<IDispatch> first;
  ASSERT_EQ(profile->GetItemByIndex(0, first.Out()), S_OK);
  ComPtr<IqvTextWatermarkX> text_object = As<IqvTextWatermarkX>(first.Get());
  ASSERT_TRUE(text_object);
  text_object->get_ItemName(&name);
  EXPECT_EQ(Take(name), L"text");
  text_object->get_Text(&name);
  EXPECT_EQ(Take(name), L"Caf\u00e9 draft");
  OLE_COLOR color = 0;
  text_object->get_TextColor(&color);
  EXPECT_EQ(color, 0x00112233u);
  text_object->get_RectColor(&color);
  EXPECT_EQ(color, 0x80000005u);
  ::TxqvVerticalAnchorPoint vertical = ::apTop;
  text_object->get_VerticalAnchorPoint(&vertical);
  EXPECT_EQ(vertical, ::apBottom);
  ComPtr<IFontDisp> font;
  text_object->get_Font(font.Out());
  FontValues values = ReadFont(font.Get());
  EXPECT_EQ(values.face, L"DejaVu Sans");
  EXPECT_EQ(values.size, 12);
  EXPECT_TRUE(values.bold);

  ComPtr<IDispatch> second;
  Bstr image_name(L"image");
  ASSERT_EQ(profile->GetItemByName(image_name.p, second.Out()), S_OK);
  ComPtr<IqvImageWatermarkX> image_object = As<IqvImageWatermarkX>(second.Get());
  ASSERT_TRUE(image_object);
  image_object->get_ImagePath(&name);
  EXPECT_EQ(Take(name), L"C:\\Pictures\\logo.png");
  double width = 0;
  image_object->get_Width(&width);
  EXPECT_EQ(width, 120.5);
  VARIANT_BOOL keep = VARIANT_FALSE;
  image_object->get_KeepAspectRatio(&keep);
  EXPECT_EQ(keep, VARIANT_TRUE);

  // Each read gives a new object; changing one leaves the store alone.
  ComPtr<IDispatch> again;
  profile->GetItemByIndex(0, again.Out());
  EXPECT_NE(again.Get(), first.Get());
  Bstr changed(L"changed");
  text_object->put_Text(changed.p);
  EXPECT_EQ(static_cast<TqvTextWatermark&>(*Stored(L"Draft")->GetItemByIndex(0)).Text(),
            "Caf\xE9 draft");
}

TEST_F(WatermarkObjectsTest, ReplaceAndDelete) {
  ComPtr<TqvWatermarkProfileX> profile = Profile(L"Draft");
  VARIANT_BOOL done = VARIANT_FALSE;
  profile->AddTextItem(FilledText(L"a").Get(), VARIANT_FALSE, &done);
  profile->AddTextItem(FilledText(L"b").Get(), VARIANT_FALSE, &done);

  // A name in use: refused without replace, replaced in place with it,
  // even by an item of the other kind.
  ComPtr<TqvTextWatermarkX> other = CreateTextWatermarkX(L"a", fake_.code_page);
  Bstr text(L"second");
  other->put_Text(text.p);
  profile->AddTextItem(other.Get(), VARIANT_FALSE, &done);
  EXPECT_EQ(done, VARIANT_FALSE);
  EXPECT_EQ(static_cast<TqvTextWatermark&>(*Stored(L"Draft")->GetItemByIndex(0)).Text(),
            "Caf\xE9 draft");
  profile->AddTextItem(other.Get(), VARIANT_TRUE, &done);
  EXPECT_EQ(done, VARIANT_TRUE);
  EXPECT_EQ(static_cast<TqvTextWatermark&>(*Stored(L"Draft")->GetItemByIndex(0)).Text(),
            "second");
  profile->AddImageItem(FilledImage(L"a").Get(), VARIANT_TRUE, &done);
  EXPECT_EQ(done, VARIANT_TRUE);
  EXPECT_EQ(Stored(L"Draft")->GetItemType(0), wtImage);
  EXPECT_EQ(Stored(L"Draft")->Count(), 2);

  Bstr missing(L"A");  // names are compared exactly
  profile->DeleteItemByName(missing.p, &done);
  EXPECT_EQ(done, VARIANT_FALSE);
  Bstr b(L"b");
  profile->DeleteItemByName(b.p, &done);
  EXPECT_EQ(done, VARIANT_TRUE);
  EXPECT_EQ(Stored(L"Draft")->Count(), 1);
  EXPECT_EQ(profile->DeleteItemByIndex(1, &done), E_UNEXPECTED);
  // The last item goes, and with it the profile from the file.
  ASSERT_EQ(profile->DeleteItemByIndex(0, &done), S_OK);
  EXPECT_EQ(done, VARIANT_FALSE);
  EXPECT_FALSE(TqvProfileManager(fake_.env).WatermarkProfileExists(L"Draft"));
}

// An item of the wrong kind, or none, is refused with false and no error,
// by the vtable and through Invoke (what a script does); the file is left
// as it was.
TEST_F(WatermarkObjectsTest, WrongKindIsRefused) {
  ComPtr<TqvWatermarkProfileX> profile = Profile(L"Draft");
  VARIANT_BOOL done = VARIANT_FALSE;
  profile->AddTextItem(FilledText(L"kept").Get(), VARIANT_FALSE, &done);
  std::string file = fake_.files.Get(manager_->watermarks().path());

  ComPtr<TqvImageWatermarkX> image = FilledImage(L"image");
  ComPtr<TqvTextWatermarkX> text = FilledText(L"text");
  done = VARIANT_TRUE;
  EXPECT_EQ(profile->AddTextItem(reinterpret_cast<IqvTextWatermarkX*>(
                                     static_cast<IqvImageWatermarkX*>(image.Get())),
                                 VARIANT_TRUE, &done),
            S_OK);
  EXPECT_EQ(done, VARIANT_FALSE);
  done = VARIANT_TRUE;
  EXPECT_EQ(profile->AddImageItem(nullptr, VARIANT_TRUE, &done), S_OK);
  EXPECT_EQ(done, VARIANT_FALSE);

  for (auto [id, item] : {std::pair<DISPID, IDispatch*>{206, image.Get()}, {207, text.Get()}}) {
    Invocation call;
    Invoke(profile.Get(), id, DISPATCH_METHOD, {DispatchArg(item), BoolArg(true)}, &call);
    EXPECT_EQ(call.hr, S_OK) << id;
    EXPECT_EQ(V_VT(&call.result), VT_BOOL);
    EXPECT_EQ(V_BOOL(&call.result), VARIANT_FALSE);
  }
  // A script variable arrives by reference.
  VARIANT variable = DispatchArg(image.Get());
  VARIANT by_reference;
  VariantInit(&by_reference);
  V_VT(&by_reference) = VT_VARIANT | VT_BYREF;
  V_VARIANTREF(&by_reference) = &variable;
  Invocation call;
  Invoke(profile.Get(), 206, DISPATCH_METHOD, {by_reference, BoolArg(false)}, &call);
  EXPECT_EQ(call.hr, S_OK);
  EXPECT_EQ(V_BOOL(&call.result), VARIANT_FALSE);

  LONG count = 0;
  profile->get_Count(&count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(fake_.files.Get(manager_->watermarks().path()), file);
}

// An object this server did not create is read through its interface.
TEST_F(WatermarkObjectsTest, ForeignItemIsReadThroughItsInterface) {
  ComPtr<TqvWatermarkProfileX> profile = Profile(L"Draft");
  ForeignTextItem foreign;
  VARIANT_BOOL done = VARIANT_FALSE;
  ASSERT_EQ(profile->AddTextItem(&foreign, VARIANT_FALSE, &done), S_OK);
  EXPECT_EQ(done, VARIANT_TRUE);
  EXPECT_EQ(foreign.references, 1u);
  auto& stored = static_cast<TqvTextWatermark&>(*Stored(L"Draft")->GetItemByIndex(0));
  EXPECT_EQ(stored.ItemName(), "foreign");
  EXPECT_EQ(stored.Text(), "from afar");
  EXPECT_EQ(stored.X(), 2.5);
  EXPECT_EQ(stored.Angle(), 45);
  EXPECT_EQ(stored.HorizontalAnchorPoint(), 2);
  EXPECT_EQ(stored.VerticalAnchorPoint(), ::apMiddle);
  EXPECT_EQ(stored.Font().name, "MS Sans Serif");
  EXPECT_EQ(stored.Font().color, 0x0000FFu);
  EXPECT_EQ(stored.FillColor(), 0x00FF00u);

  // A getter that fails fails the add with its code, and nothing is stored.
  foreign.rect_color_result = E_ACCESSDENIED;
  EXPECT_EQ(profile->AddTextItem(&foreign, VARIANT_TRUE, &done), E_ACCESSDENIED);
  EXPECT_EQ(foreign.references, 1u);
}

TEST_F(WatermarkObjectsTest, MissingItemIsError6700) {
  ComPtr<TqvWatermarkProfileX> profile = Profile(L"Draft");
  VARIANT_BOOL done = VARIANT_FALSE;
  profile->AddTextItem(FilledText(L"only").Get(), VARIANT_FALSE, &done);

  ComPtr<IDispatch> item;
  EXPECT_EQ(profile->GetItemByIndex(0, item.Out()), S_OK);
  EXPECT_EQ(profile->GetItemByIndex(1, item.Out()), kItemNotFound);
  EXPECT_FALSE(item);
  ErrorObject error = TakeErrorInfo();
  EXPECT_TRUE(error.present);
  EXPECT_EQ(error.description, kItemNotFoundText);
  EXPECT_EQ(error.help_context, 6700u);
  EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvWatermarkProfileX));

  Bstr missing(L"Only");
  EXPECT_EQ(profile->GetItemByName(missing.p, item.Out()), kItemNotFound);
  Invocation call;
  VARIANT name;
  VariantInit(&name);
  V_VT(&name) = VT_BSTR;
  V_BSTR(&name) = missing.p;
  Invoke(profile.Get(), 208, DISPATCH_METHOD, {name}, &call);
  EXPECT_EQ(call.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(call.exception.scode, kItemNotFound);
  EXPECT_EQ(call.exception.dwHelpContext, 6700u);
  EXPECT_EQ(std::wstring(call.exception.bstrDescription), kItemNotFoundText);
}

// Once the main object is gone (and its manager with the watermark store),
// a profile object fails every member with an error; item objects, which
// hold only their own values, carry on.
TEST_F(WatermarkObjectsTest, ProfileObjectOutlivingItsMainObject) {
  ComPtr<TqvWatermarkProfileX> profile = Profile(L"Draft");
  VARIANT_BOOL done = VARIANT_FALSE;
  profile->AddTextItem(FilledText(L"a").Get(), VARIANT_FALSE, &done);
  ComPtr<IDispatch> item;
  profile->GetItemByIndex(0, item.Out());
  owner_.reset();
  manager_.reset();

  const std::wstring released(kOwnerReleasedMessage,
                              kOwnerReleasedMessage + sizeof kOwnerReleasedMessage - 1);
  LONG count = 0;
  EXPECT_EQ(profile->get_Count(&count), E_UNEXPECTED);
  EXPECT_EQ(TakeErrorInfo().description, released);
  EXPECT_EQ(profile->AddTextItem(FilledText(L"b").Get(), VARIANT_TRUE, &done), E_UNEXPECTED);
  EXPECT_EQ(profile->DeleteItemByIndex(0, &done), E_UNEXPECTED);
  ComPtr<IDispatch> none;
  EXPECT_EQ(profile->GetItemByIndex(0, none.Out()), E_UNEXPECTED);

  Bstr text(L"still mine");
  ComPtr<IqvTextWatermarkX> text_object = As<IqvTextWatermarkX>(item.Get());
  EXPECT_EQ(text_object->put_Text(text.p), S_OK);
}

}  // namespace
}  // namespace tessaly
