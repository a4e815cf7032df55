#include "tests/office/scripted_object.h"

#include "com/com_text.h"

namespace tessaly {
namespace {

std::wstring Shown(const VARIANT& value) {
  switch (V_VT(&value)) {
    case VT_ERROR:
      return L"-";
    case VT_BOOL:
      return V_BOOL(&value) ? L"true" : L"false";
    case VT_DISPATCH:
      return L"object";
  }
  Variant copy;
  VariantCopy(copy.get(), const_cast<VARIANT*>(&value));
  return copy.AsText();
}

}  // namespace

ComPtr<ScriptedObject> ScriptedObject::Make(std::vector<std::wstring>* log) {
  return ComPtr<ScriptedObject>::Attach(new ScriptedObject(log));
}

ScriptedObject& ScriptedObject::On(const wchar_t* name, Member member) {
  members_.emplace_back(name, std::move(member));
  return *this;
}

ScriptedObject& ScriptedObject::Returns(const wchar_t* name, Variant value) {
  return On(name, [value](const std::vector<Variant>&) { return value; });
}

HRESULT ScriptedObject::QueryInterface(REFIID iid, void** out) {
  if (iid != IID_IUnknown && iid != IID_IDispatch) {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  *out = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG ScriptedObject::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ScriptedObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT ScriptedObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  *info = nullptr;
  return E_NOTIMPL;
}

// Member i has the dispatch id i + 1.
HRESULT ScriptedObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  for (UINT n = 0; n < count; ++n) ids[n] = DISPID_UNKNOWN;
  for (size_t i = 0; i < members_.size(); ++i) {
    if (members_[i].first == names[0]) {
      ids[0] = static_cast<DISPID>(i + 1);
      return S_OK;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT ScriptedObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* error, UINT*) {
  if (id < 1 || static_cast<size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  const auto& [name, member] = members_[id - 1];
  // Arguments arrive last to first.
  std::vector<Variant> args;
  std::wstring shown;
  for (UINT i = params->cArgs; i-- > 0;) {
    Variant arg;
    VariantCopy(arg.get(), &params->rgvarg[i]);
    shown += (shown.empty() ? L"" : L",") + Shown(arg.value());
    args.push_back(std::move(arg));
  }
  if (flags & DISPATCH_PROPERTYPUT) {
    log_->push_back(name + L"=" + shown);
    return S_OK;
  }
  log_->push_back(name + L"(" + shown + L")");
  try {
    Variant answer = member(args);
    if (result) VariantCopy(result, answer.get());
  } catch (const ScriptedRaise& raise) {
    *error = {};
    error->scode = raise.code;
    error->bstrDescription = ToBstr(raise.description);
    return DISP_E_EXCEPTION;
  }
  return S_OK;
}

}  // namespace tessaly
