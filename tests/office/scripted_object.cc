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

ComPtr<ScriptedObject> ScriptedObject::Make(std::vector<std::wstring>* log,
                                            std::vector<LCID>* lcids) {
  return ComPtr<ScriptedObject>::Attach(new ScriptedObject(log, lcids));
}

// Members added by name have the dispatch ids 1, 2, 3... in order.
ScriptedObject& ScriptedObject::On(const wchar_t* name, Member member) {
  members_.push_back({static_cast<DISPID>(members_.size() + 1), true, name, std::move(member)});
  return *this;
}

ScriptedObject& ScriptedObject::OnId(DISPID id, const wchar_t* name, Variant value) {
  members_.push_back({id, false, name, [value](const std::vector<Variant>&) { return value; }});
  return *this;
}

ScriptedObject& ScriptedObject::Implements(const IID& iid) {
  interfaces_.push_back(iid);
  return *this;
}

ScriptedObject& ScriptedObject::Returns(const wchar_t* name, Variant value) {
  return On(name, [value](const std::vector<Variant>&) { return value; });
}

HRESULT ScriptedObject::QueryInterface(REFIID iid, void** out) {
  bool known = iid == IID_IUnknown || iid == IID_IDispatch;
  for (const IID& other : interfaces_) known = known || iid == other;
  if (!known) {
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

HRESULT ScriptedObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID lcid,
                                      DISPID* ids) {
  Used(lcid);
  for (UINT n = 0; n < count; ++n) ids[n] = DISPID_UNKNOWN;
  for (const Entry& entry : members_) {
    if (entry.by_name && entry.name == names[0]) {
      ids[0] = entry.id;
      return S_OK;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT ScriptedObject::Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* error, UINT*) {
  Used(lcid);
  const Entry* found = nullptr;
  for (const Entry& entry : members_) {
    if (entry.id == id) found = &entry;
  }
  if (!found) return DISP_E_MEMBERNOTFOUND;
  const std::wstring& name = found->name;
  const Member& member = found->member;
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
