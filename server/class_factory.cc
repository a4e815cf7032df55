#include "server/class_factory.h"

#include "sdk/error_conversion.h"
#include "sdk/server_state.h"

namespace tessaly {

std::string ConstructionErrorText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
    return message + ".";
  }
  return message;
}

STDMETHODIMP ClassFactory::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer && !IsEqualIID(riid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
  IUnknown* object = nullptr;
  HRESULT created = Guarded([&] { return create_(outer, &object); },
                            [&](const Failure& failure) {
                              ShowConstructionError(failure.message);
                              return E_UNEXPECTED;
                            });
  if (FAILED(created)) return created;
  if (!object) return E_UNEXPECTED;
  HRESULT hr = object->QueryInterface(riid, out);
  // The object's first reference: when the query failed, this destroys it.
  object->Release();
  return FAILED(hr) ? E_NOINTERFACE : S_OK;
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
  tessaly::LockServer(lock != FALSE);
  return S_OK;
}

// A box that cannot be shown changes nothing: the caller still gets
// E_UNEXPECTED from the boundary.
void ClassFactory::ShowConstructionError(const std::string& message) {
  if (messages_) messages_->Show(ConstructionErrorText(message), "DAX Error", MessageIcon::kError);
}

}  // namespace tessaly
