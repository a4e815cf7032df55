#pragma once

#include <string>

#include "com/com_error.h"
#include "common/sdk_error.h"
#include "sdk/automation_object.h"
#include "typelib/TessalySDK.h"

namespace tessaly {

// An automation object for the tests of the base: IqvDocumentPropertiesX
// over plain fields, with members that fail in each of the ways the
// boundary tells apart.
//   Title                    a plain text property
//   Author (get)             SdkError 6400
//   Subject (get)            ComError E_ACCESSDENIED
//   Creator (get)            ComError with a success code
//   Keywords (get)           Exception
//   ExportDocumentProperty   a plain boolean; its get throws while `fail` is set
class TestProperties : public AutomationObject<IqvDocumentPropertiesX> {
 public:
  explicit TestProperties(const wchar_t* error_source = nullptr, IUnknown* outer = nullptr)
      : AutomationObject(CLSID_qvDocumentPropertiesX, error_source, outer) {}

  STDMETHODIMP get_Title(BSTR* Value) override {
    return Get(Value, [&] { return title; });
  }
  STDMETHODIMP put_Title(BSTR Value) override {
    return Run([&] { title = FromBstr(Value); });
  }
  STDMETHODIMP get_Author(BSTR* Value) override {
    return Get(Value, [&]() -> std::wstring {
      throw SdkError(kHelpProfileNotFound, "The profile by specified name does not exists.");
    });
  }
  STDMETHODIMP put_Author(BSTR) override { return Run([] {}); }
  STDMETHODIMP get_Subject(BSTR* Value) override {
    return Get(Value, [&]() -> std::wstring { throw ComError(E_ACCESSDENIED, "No access"); });
  }
  STDMETHODIMP put_Subject(BSTR) override { return Run([] {}); }
  STDMETHODIMP get_Creator(BSTR* Value) override {
    return Get(Value, [&]() -> std::wstring { throw ComError(S_FALSE, "Odd success"); });
  }
  STDMETHODIMP put_Creator(BSTR) override { return Run([] {}); }
  STDMETHODIMP get_Keywords(BSTR* Value) override {
    return Get(Value, [&]() -> std::wstring { throw Exception("Cannot open file C:\\x.qvf"); });
  }
  STDMETHODIMP put_Keywords(BSTR) override { return Run([] {}); }
  STDMETHODIMP get_ExportDocumentProperty(VARIANT_BOOL* Value) override {
    return Get(Value, [&] {
      if (fail) throw Exception("Failed on purpose");
      return export_properties;
    });
  }
  STDMETHODIMP put_ExportDocumentProperty(VARIANT_BOOL Value) override {
    return Run([&] { export_properties = Value != VARIANT_FALSE; });
  }

  std::wstring title;
  bool export_properties = false;
  bool fail = false;
};

}  // namespace tessaly

namespace tessaly {

// The members of IqvWatermarkX over plain fields, shared by the interfaces
// derived from it in the way the base's comment describes.
template <class Interface>
class TestWatermarkMembers : public AutomationObject<Interface> {
 public:
  explicit TestWatermarkMembers(REFCLSID clsid) : AutomationObject<Interface>(clsid) {}

  STDMETHODIMP get_ItemName(BSTR* Value) override {
    return this->Get(Value, [] { return std::wstring(L"Logo"); });
  }
  STDMETHODIMP get_X(double* Value) override {
    return this->Get(Value, [&] { return x; });
  }
  STDMETHODIMP put_X(double Value) override {
    return this->Run([&] { x = Value; });
  }
  STDMETHODIMP get_Y(double* Value) override {
    return this->Get(Value, [] { return 0.0; });
  }
  STDMETHODIMP put_Y(double) override { return this->Run([] {}); }
  STDMETHODIMP get_Angle(LONG* Value) override {
    return this->Get(Value, [] { return 0; });
  }
  STDMETHODIMP put_Angle(LONG) override { return this->Run([] {}); }
  STDMETHODIMP get_HorizontalAnchorPoint(TxqvHorizontalAnchorPoint* Value) override {
    return this->Get(Value, [] { return 0; });
  }
  STDMETHODIMP put_HorizontalAnchorPoint(TxqvHorizontalAnchorPoint) override {
    return this->Run([] {});
  }
  STDMETHODIMP get_VerticalAnchorPoint(TxqvVerticalAnchorPoint* Value) override {
    return this->Get(Value, [] { return 0; });
  }
  STDMETHODIMP put_VerticalAnchorPoint(TxqvVerticalAnchorPoint) override {
    return this->Run([] {});
  }
  STDMETHODIMP get_WatermarkType(TxqvWatermarkType* Value) override {
    return this->Get(Value, [] { return 1; });
  }

  double x = 0;
};

// An image watermark item: an interface that derives from another one.
class TestImageWatermark : public TestWatermarkMembers<IqvImageWatermarkX> {
 public:
  TestImageWatermark() : TestWatermarkMembers(CLSID_qvImageWatermarkX) {}

  STDMETHODIMP get_ImagePath(BSTR* Value) override {
    return Get(Value, [&] { return path; });
  }
  STDMETHODIMP put_ImagePath(BSTR Value) override {
    return Run([&] { path = FromBstr(Value); });
  }
  STDMETHODIMP get_Height(double* Value) override {
    return Get(Value, [] { return 0.0; });
  }
  STDMETHODIMP put_Height(double) override { return Run([] {}); }
  STDMETHODIMP get_Width(double* Value) override {
    return Get(Value, [] { return 0.0; });
  }
  STDMETHODIMP put_Width(double) override { return Run([] {}); }
  STDMETHODIMP get_CoverPage(VARIANT_BOOL* Value) override {
    return Get(Value, [] { return false; });
  }
  STDMETHODIMP put_CoverPage(VARIANT_BOOL) override { return Run([] {}); }
  STDMETHODIMP get_KeepAspectRatio(VARIANT_BOOL* Value) override {
    return Get(Value, [] { return false; });
  }
  STDMETHODIMP put_KeepAspectRatio(VARIANT_BOOL) override { return Run([] {}); }

  std::wstring path;
};

}  // namespace tessaly
