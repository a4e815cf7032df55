#include "server/class_factory.h"

#include <exception>

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
  try {
    HRESULT hr = create_(outer, &object);
    if (FAILED(hr)) return hr;
  } catch (const std::exception& e) {
    ShowConstructionError(e.what());
    return E_UNEXPECTED;
  } catch (...) {
    ShowConstructionError("Unexpected failure");
    return E_UNEXPECTED;
  }
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

void ClassFactory::ShowConstructionError(const std::string& message) {
  try {
    if (messages_) {
      messages_->Show(ConstructionErrorText(message), "DAX Error", MessageIcon::kError);
    }
  } catch (...) {
    // The box is a courtesy; the caller still gets E_UNEXPECTED.
  }
}

}  // namespace tessaly
