#pragma once

#include <windows.h>

#include <oaidl.h>
#include <ocidl.h>

#include <utility>

#include "com/com_ptr.h"
#include "sdk/error_conversion.h"
#include "sdk/server_state.h"

namespace tessaly {

// The base of every automation object of the server: a class derives from
// AutomationObject<IqvSomething> and implements only the members of
// IqvSomething. The base answers IUnknown, IDispatch (served from the type
// information of IqvSomething in the server's own type library),
// ISupportErrorInfo and IProvideClassInfo, counts the object as live for
// DllCanUnloadNow, supports aggregation, and runs members under the error
// conversion of the boundary. Each member is one line:
//
//   class TqvDocumentPropertiesX : public AutomationObject<IqvDocumentPropertiesX> {
//    public:
//     explicit TqvDocumentPropertiesX(TqvDocumentProperties* properties)
//         : AutomationObject(CLSID_qvDocumentPropertiesX), properties_(properties) {}
//     STDMETHODIMP get_Title(BSTR* Value) override {
//       return Get(Value, [&] { return properties_->Title(); });
//     }
//     STDMETHODIMP put_Title(BSTR Value) override {
//       return Run([&] { properties_->SetTitle(FromBstr(Value)); });
//     }
//   };
//
// Get clears the [out, retval] value first, stores what the body returns
// (std::wstring, bool, int32_t, double, an enumeration, a ComPtr, a VARIANT)
// only on success, and converts any exception (SdkError, ComError, others)
// into the HRESULT and error object the caller sees. Run does the same for
// members without a result.
//
// Create objects with MakeAutomationObject<T>(...), which returns the one
// reference a new object starts with. A class whose interface derives from
// another (IqvTextWatermarkX from IqvWatermarkX) can share the base members
// through a template: template <class I> class TqvWatermarkXOf : public
// AutomationObject<I> {...}. The constructor of a derived class must not
// hand out references to the object: if it throws, the object is simply
// gone and no longer counted.
template <class Interface>
class AutomationObject : public Interface, public ISupportErrorInfo, public IProvideClassInfo {
 public:
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;

  // IUnknown of every interface: the controlling unknown's (the outer
  // object's when aggregated).
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    return controlling_->QueryInterface(riid, out);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return controlling_->AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return controlling_->Release(); }

  // IDispatch, from the vtable type information of Interface.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    type_info_->dispatch->AddRef();
    *out = type_info_->dispatch;
    return S_OK;
  }
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                             DISPID* ids) override {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    // The type library's dispatcher reads the caller's arrays unchecked.
    if (count > 0 && (!names || !ids)) return E_POINTER;
    for (UINT i = 0; i < count; ++i) {
      if (!names[i]) return E_POINTER;
    }
    return type_info_->vtable->GetIDsOfNames(names, count, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) override {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (HRESULT checked = CheckDispatchParameters(params); FAILED(checked)) return checked;
    // A script's Set statement assigns with PROPERTYPUTREF. The type library
    // declares its object properties with propput only, so that is the put.
    if (flags == DISPATCH_PROPERTYPUTREF) flags = DISPATCH_PROPERTYPUT;
    return type_info_->vtable->Invoke(static_cast<Interface*>(this), id, flags, params, result,
                                      exception, bad_argument);
  }

  // ISupportErrorInfo: the automation interfaces of the object.
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override {
    return ImplementsAutomationInterface(riid) ? S_OK : S_FALSE;
  }

  // IProvideClassInfo: the type information of the object's coclass.
  STDMETHODIMP GetClassInfo(ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return Guarded(
        [&] {
          *out = TypeInfoOfGuid(clsid_);
          return S_OK;
        },
        Answering(E_UNEXPECTED));
  }

  // The object's own, non-delegating IUnknown: what an aggregating outer
  // object keeps.
  IUnknown* InnerUnknown() { return &inner_; }

 protected:
  // `clsid` names the coclass that describes the object; `error_source` is
  // the Source of its error objects: "TessalySDK.qvTessaly" for the main
  // object, null for the others. With `outer`, the object is aggregated.
  // Throws a ComError when the type library lacks the interface.
  explicit AutomationObject(REFCLSID clsid, const wchar_t* error_source = nullptr,
                            IUnknown* outer = nullptr)
      : inner_(this),
        controlling_(outer ? outer : static_cast<IUnknown*>(&inner_)),
        clsid_(clsid),
        origin_{__uuidof(Interface), error_source},
        type_info_(&TypeInfoOfInterface(__uuidof(Interface))) {
    CountObjectCreated();
  }
  virtual ~AutomationObject() { CountObjectDestroyed(); }

  // Runs a member without a result under the error conversion.
  template <class Body>
  HRESULT Run(Body&& body) noexcept {
    return CallGuarded(origin_, std::forward<Body>(body));
  }
  // Runs a member that returns its result through `out`.
  template <class Out, class Body>
  HRESULT Get(Out* out, Body&& body) noexcept {
    return GetGuarded(origin_, out, std::forward<Body>(body));
  }

  const ErrorOrigin& error_origin() const { return origin_; }

 private:
  // The non-delegating IUnknown that owns the reference count.
  class Inner : public IUnknown {
   public:
    explicit Inner(AutomationObject* self) : self_(self) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
      return self_->InternalQueryInterface(riid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override {
      return static_cast<ULONG>(InterlockedIncrement(&self_->references_));
    }
    STDMETHODIMP_(ULONG) Release() override {
      LONG left = InterlockedDecrement(&self_->references_);
      if (left == 0) {
        // Stable while the destructors run, should they take a reference.
        self_->references_ = 1;
        delete self_;
      }
      return static_cast<ULONG>(left);
    }

   private:
    AutomationObject* self_;
  };

  // What the type library's dispatcher would otherwise read through.
  static HRESULT CheckDispatchParameters(const DISPPARAMS* params) {
    if (!params) return E_POINTER;
    if (params->cArgs > 0 && !params->rgvarg) return E_POINTER;
    if (params->cNamedArgs > params->cArgs) return E_INVALIDARG;
    if (params->cNamedArgs > 0 && !params->rgdispidNamedArgs) return E_POINTER;
    return S_OK;
  }

  bool ImplementsAutomationInterface(REFIID riid) const {
    for (const IID& iid : type_info_->iids) {
      if (IsEqualIID(iid, riid)) return true;
    }
    return false;
  }

  HRESULT InternalQueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    IUnknown* found = nullptr;
    if (IsEqualIID(riid, IID_IUnknown)) {
      found = &inner_;
    } else if (IsEqualIID(riid, IID_IDispatch) || ImplementsAutomationInterface(riid)) {
      found = static_cast<Interface*>(this);
    } else if (IsEqualIID(riid, IID_ISupportErrorInfo)) {
      found = static_cast<ISupportErrorInfo*>(this);
    } else if (IsEqualIID(riid, IID_IProvideClassInfo)) {
      found = static_cast<IProvideClassInfo*>(this);
    } else {
      return E_NOINTERFACE;
    }
    found->AddRef();
    *out = found;
    return S_OK;
  }

  LONG references_ = 1;  // the creator's reference
  Inner inner_;
  IUnknown* controlling_;
  CLSID clsid_;
  ErrorOrigin origin_;
  const InterfaceTypeInfo* type_info_;
};

// A new automation object; the result holds the reference it starts with.
template <class T, class... Args>
ComPtr<T> MakeAutomationObject(Args&&... args) {
  return ComPtr<T>::Attach(new T(std::forward<Args>(args)...));
}

}  // namespace tessaly
