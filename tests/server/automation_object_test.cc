// The automation base and the error conversion, in process: the test
// program carries the type library as its own resource, as the DLL does.

#include <gtest/gtest.h>

#include "sdk/server_state.h"
#include "tests/server/server_test_support.h"
#include "tests/server/test_objects.h"

namespace tessaly {
namespace {

class AutomationObjectTest : public ::testing::Test {
 protected:
  ComApartment apartment_;
};

// A BSTR that frees itself.
struct Text {
  BSTR b = nullptr;
  ~Text() { SysFreeString(b); }
  std::wstring str() const { return FromBstr(b); }
};

TEST_F(AutomationObjectTest, AnswersItsInterfacesAndCountsItselfLive) {
  long before = LiveObjectCount();
  ComPtr<TestProperties> object = MakeAutomationObject<TestProperties>();
  EXPECT_EQ(LiveObjectCount(), before + 1);

  ComPtr<IUnknown> unknown, unknown_again;
  ComPtr<IDispatch> dispatch;
  ComPtr<IqvDocumentPropertiesX> own;
  ComPtr<ISupportErrorInfo> support;
  ComPtr<IProvideClassInfo> class_info;
  ASSERT_EQ(object.As(&unknown), S_OK);
  ASSERT_EQ(object.As(&dispatch), S_OK);
  ASSERT_EQ(dispatch.As(&own), S_OK);
  ASSERT_EQ(own.As(&support), S_OK);
  ASSERT_EQ(support.As(&class_info), S_OK);
  ASSERT_EQ(class_info.As(&unknown_again), S_OK);
  EXPECT_EQ(unknown.Get(), unknown_again.Get()) << "one identity";
  ComPtr<IqvTessaly> other;
  EXPECT_EQ(object.As(&other), E_NOINTERFACE);
  EXPECT_FALSE(other);

  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IqvDocumentPropertiesX), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IqvTessaly), S_FALSE);

  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(class_info->GetClassInfo(coclass.Out()), S_OK);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
  EXPECT_EQ(attr->typekind, TKIND_COCLASS);
  EXPECT_TRUE(IsEqualGUID(attr->guid, CLSID_qvDocumentPropertiesX));
  coclass->ReleaseTypeAttr(attr);

  for (auto* p : {&unknown, &unknown_again}) p->Reset();
  dispatch.Reset();
  own.Reset();
  support.Reset();
  class_info.Reset();
  EXPECT_EQ(LiveObjectCount(), before + 1);
  object.Reset();
  EXPECT_EQ(LiveObjectCount(), before);
}

TEST_F(AutomationObjectTest, FailuresBecomeCodesAndErrorObjects) {
  ComPtr<TestProperties> object = MakeAutomationObject<TestProperties>();
  struct Case {
    HRESULT (STDMETHODCALLTYPE IqvDocumentPropertiesX::*get)(BSTR*);
    HRESULT code;
    DWORD help_context;
    const wchar_t* description;
  };
  const Case cases[] = {
      {&IqvDocumentPropertiesX::get_Author, static_cast<HRESULT>(0x80041B00), 6400,
       L"The profile by specified name does not exists."},
      {&IqvDocumentPropertiesX::get_Subject, E_ACCESSDENIED, 0, L"No access"},
      {&IqvDocumentPropertiesX::get_Creator, E_UNEXPECTED, 0, L"Odd success"},
      {&IqvDocumentPropertiesX::get_Keywords, E_UNEXPECTED, 0, L"Cannot open file C:\\x.qvf"},
  };
  IqvDocumentPropertiesX* own = object.Get();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    // A stale value the member must clear before it fails.
    BSTR value = SysAllocString(L"stale");
    BSTR stale = value;
    EXPECT_EQ((own->*c.get)(&value), c.code);
    EXPECT_EQ(value, nullptr);
    SysFreeString(stale);
    ErrorObject error = TakeErrorObject();
    ASSERT_TRUE(error.present);
    EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvDocumentPropertiesX));
    EXPECT_EQ(error.source, L"") << "only the main object names a source";
    EXPECT_EQ(error.description, c.description);
    EXPECT_EQ(error.help_context, c.help_context);
  }

  // A value that has no empty form is left alone on failure.
  object->fail = true;
  VARIANT_BOOL flag = 7;
  EXPECT_EQ(object->get_ExportDocumentProperty(&flag), E_UNEXPECTED);
  EXPECT_EQ(flag, 7);
  object->fail = false;
  EXPECT_EQ(object->get_ExportDocumentProperty(nullptr), E_POINTER);
  EXPECT_EQ(object->put_ExportDocumentProperty(1), S_OK);
  EXPECT_EQ(object->get_ExportDocumentProperty(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_TRUE) << "any non-zero value is true, read back as -1";
}

TEST_F(AutomationObjectTest, MainObjectErrorsNameTheirSource) {
  ComPtr<TestProperties> object = MakeAutomationObject<TestProperties>(L"TessalySDK.qvTessaly");
  Text value;
  EXPECT_EQ(object->get_Author(&value.b), static_cast<HRESULT>(0x80041B00));
  ErrorObject error = TakeErrorObject();
  EXPECT_EQ(error.source, L"TessalySDK.qvTessaly");
}

// IDispatch by dispatch id gives the results and errors of the vtable, the
// error arriving in the exception information.
TEST_F(AutomationObjectTest, DispatchGoesThroughTheTypeInformation) {
  ComPtr<TestProperties> object = MakeAutomationObject<TestProperties>();
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(object.As(&dispatch), S_OK);

  UINT count = 0;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(dispatch->GetTypeInfo(0, 0, info.Out()), S_OK);
  EXPECT_EQ(dispatch->GetTypeInfo(1, 0, info.Out()), DISP_E_BADINDEX);

  LPOLESTR names[] = {const_cast<LPOLESTR>(L"title")};
  DISPID id = 0;
  ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
  EXPECT_EQ(id, 201) << "names are found without regard to case";
  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Nothing")};
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);

  // Put Title, then get it.
  VARIANT argument;
  VariantInit(&argument);
  V_VT(&argument) = VT_BSTR;
  V_BSTR(&argument) = SysAllocString(L"Report");
  DISPID put_id = DISPID_PROPERTYPUT;
  DISPPARAMS put{&argument, &put_id, 1, 1};
  EXPECT_EQ(dispatch->Invoke(201, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr,
                             nullptr),
            S_OK);
  VariantClear(&argument);
  EXPECT_EQ(object->title, L"Report");
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(dispatch->Invoke(201, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                             nullptr),
            S_OK);
  ASSERT_EQ(V_VT(&result), VT_BSTR);
  EXPECT_EQ(FromBstr(V_BSTR(&result)), L"Report");
  VariantClear(&result);

  // Author fails with the SDK's code 6400.
  EXCEPINFO exception{};
  EXPECT_EQ(dispatch->Invoke(202, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, &exception,
                             nullptr),
            DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, static_cast<SCODE>(0x80041B00));
  EXPECT_EQ(exception.dwHelpContext, 6400u);
  EXPECT_EQ(FromBstr(exception.bstrDescription),
            L"The profile by specified name does not exists.");
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrHelpFile);

  EXPECT_EQ(dispatch->Invoke(201, IID_IqvTessaly, 0, DISPATCH_PROPERTYGET, &none, &result,
                             nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
}

// Arrays the caller leaves out or miscounts are answered before the type
// library's dispatcher reads them.
TEST_F(AutomationObjectTest, DispatchRefusesMissingCallerArrays) {
  ComPtr<TestProperties> object = MakeAutomationObject<TestProperties>();
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(object.As(&dispatch), S_OK);

  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Title"), nullptr};
  DISPID ids[2] = {};
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, nullptr, 1, 0, ids), E_POINTER);
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, nullptr), E_POINTER);
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 2, 0, ids), E_POINTER);

  VARIANT argument;
  VariantInit(&argument);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS no_arguments{nullptr, nullptr, 1, 0};
  DISPPARAMS no_names{&argument, nullptr, 1, 1};
  DISPPARAMS more_names_than_arguments{&argument, &named, 1, 2};
  const struct {
    DISPPARAMS* params;
    HRESULT expected;
  } cases[] = {
      {nullptr, E_POINTER},
      {&no_arguments, E_POINTER},
      {&no_names, E_POINTER},
      {&more_names_than_arguments, E_INVALIDARG},
  };
  for (const auto& c : cases) {
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(dispatch->Invoke(201, IID_NULL, 0, DISPATCH_PROPERTYPUT, c.params, &result,
                               nullptr, nullptr),
              c.expected);
  }
}

// An object whose interface derives from another answers both, and
// dispatches the inherited members too.
TEST_F(AutomationObjectTest, DerivedInterfaceServesItsBaseMembers) {
  ComPtr<TestImageWatermark> image = MakeAutomationObject<TestImageWatermark>();
  ComPtr<IqvWatermarkX> base;
  ASSERT_EQ(image.As(&base), S_OK);
  ComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(image.As(&support), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IqvImageWatermarkX), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IqvWatermarkX), S_OK);
  ComPtr<IqvTextWatermarkX> sibling;
  EXPECT_EQ(image.As(&sibling), E_NOINTERFACE);

  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(image.As(&dispatch), S_OK);
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"X"), const_cast<LPOLESTR>(L"ImagePath")};
  DISPID ids[2] = {0, 0};
  ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &ids[0]), S_OK);
  ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, names + 1, 1, 0, &ids[1]), S_OK);
  EXPECT_EQ(ids[0], 202);
  EXPECT_EQ(ids[1], 401);

  VARIANT argument;
  VariantInit(&argument);
  V_VT(&argument) = VT_R8;
  V_R8(&argument) = 2.5;
  DISPID put_id = DISPID_PROPERTYPUT;
  DISPPARAMS put{&argument, &put_id, 1, 1};
  EXPECT_EQ(dispatch->Invoke(202, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr,
                             nullptr),
            S_OK);
  EXPECT_EQ(image->x, 2.5);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(dispatch->Invoke(201, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                             nullptr),
            S_OK);
  EXPECT_EQ(FromBstr(V_BSTR(&result)), L"Logo");
  VariantClear(&result);
}

// An outer object that aggregates a TestProperties and counts its own
// references.
class Outer : public IUnknown {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, IID_IUnknown)) {
      *out = this;
      AddRef();
      return S_OK;
    }
    return inner->QueryInterface(riid, out);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
  STDMETHODIMP_(ULONG) Release() override { return --references; }

  ULONG references = 1;
  IUnknown* inner = nullptr;
};

TEST_F(AutomationObjectTest, AggregatedObjectDelegatesToItsOuterObject) {
  long before = LiveObjectCount();
  Outer outer;
  auto* object = new TestProperties(nullptr, &outer);
  outer.inner = object->InnerUnknown();

  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(outer.inner->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Out())),
            S_OK);
  EXPECT_EQ(outer.references, 2u) << "references to the inner interfaces are the outer's";
  ComPtr<IUnknown> identity;
  ASSERT_EQ(dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Out())),
            S_OK);
  EXPECT_EQ(identity.Get(), &outer);
  identity.Reset();
  dispatch.Reset();
  EXPECT_EQ(outer.references, 1u);

  EXPECT_EQ(LiveObjectCount(), before + 1);
  outer.inner->Release();
  EXPECT_EQ(LiveObjectCount(), before);
}

}  // namespace
}  // namespace tessaly
