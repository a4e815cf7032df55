#include "tests/office/scripted_object.h"

#include <map>

#include "com/com_text.h"

namespace tessaly {
namespace {

long g_alive = 0;
long g_calls = 0;

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

// Argument names get ids of their own, the same for every object.
std::map<std::wstring, DISPID>& ArgumentIds() {
  static std::map<std::wstring, DISPID> ids;
  return ids;
}

DISPID ArgumentId(const std::wstring& name) {
  auto& ids = ArgumentIds();
  return ids.emplace(name, static_cast<DISPID>(1000 + ids.size())).first->second;
}

std::wstring ArgumentName(DISPID id) {
  for (const auto& [name, known] : ArgumentIds()) {
    if (known == id) return name;
  }
  return L"?";
}

}  // namespace

ComPtr<ScriptedObject> ScriptedObject::Make(std::vector<std::wstring>* log,
                                            std::vector<LCID>* lcids) {
  ComPtr<ScriptedObject> object =
      Make([log](const std::wstring& line) { log->push_back(line); }, L"", L"");
  object->lcids_ = lcids;
  return object;
}

ComPtr<ScriptedObject> ScriptedObject::Make(Log log, std::wstring prefix, std::wstring source) {
  return ComPtr<ScriptedObject>::Attach(
      new ScriptedObject(std::move(log), std::move(prefix), std::move(source)));
}

ScriptedObject::ScriptedObject(Log log, std::wstring prefix, std::wstring source)
    : log_(std::move(log)), prefix_(std::move(prefix)), source_(std::move(source)) {
  if (!prefix_.empty()) prefix_ += L".";
  default_.id = DISPID_VALUE;
  default_.by_name = false;
  default_.name = L"(default)";
  ++g_alive;
}

ScriptedObject::~ScriptedObject() { --g_alive; }

long ScriptedObject::Alive() { return g_alive; }
long ScriptedObject::Calls() { return g_calls; }

// Members added by name have the dispatch ids 1, 2, 3... in order.
ScriptedObject& ScriptedObject::On(const wchar_t* name, Member member, Setter setter) {
  members_.push_back(
      {static_cast<DISPID>(members_.size() + 1), true, name, std::move(member), std::move(setter)});
  return *this;
}

ScriptedObject& ScriptedObject::OnId(DISPID id, const wchar_t* name, Variant value) {
  return OnId(
      id, name, [value](const std::vector<Variant>&) { return value; }, nullptr);
}

ScriptedObject& ScriptedObject::OnId(DISPID id, const wchar_t* name, Member member, Setter setter) {
  members_.push_back({id, false, name, std::move(member), std::move(setter)});
  return *this;
}

ScriptedObject& ScriptedObject::Implements(const IID& iid) {
  interfaces_.push_back(iid);
  return *this;
}

ScriptedObject& ScriptedObject::Returns(const wchar_t* name, Variant value) {
  return On(name, [value](const std::vector<Variant>&) { return value; });
}

ScriptedObject& ScriptedObject::Default(Member member) {
  default_.member = std::move(member);
  return *this;
}

ScriptedObject& ScriptedObject::OnConnections(std::function<void(DWORD strong)> changed) {
  connections_changed_ = std::move(changed);
  return *this;
}

DWORD ScriptedObject::Connections::AddConnection(DWORD type, DWORD) {
  if (type & EXTCONN_STRONG) owner_->connections_changed_(++strong_);
  return strong_;
}

DWORD ScriptedObject::Connections::ReleaseConnection(DWORD type, DWORD, BOOL) {
  if ((type & EXTCONN_STRONG) && strong_ > 0) owner_->connections_changed_(--strong_);
  return strong_;
}

HRESULT ScriptedObject::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IExternalConnection && connections_changed_) {
    *out = static_cast<IExternalConnection*>(&connections_);
    AddRef();
    return S_OK;
  }
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

// The names after the first are argument names.
HRESULT ScriptedObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  Used(lcid);
  for (UINT n = 0; n < count; ++n) ids[n] = n == 0 ? DISPID_UNKNOWN : ArgumentId(names[n]);
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
  ++g_calls;
  Used(lcid);
  const Entry* entry = nullptr;
  if (id == DISPID_VALUE && default_.member) entry = &default_;
  for (const Entry& candidate : members_) {
    if (candidate.id == id) entry = &candidate;
  }
  if (!entry) return DISP_E_MEMBERNOTFOUND;
  const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
  const std::wstring locale = logs_locale_ ? L" lcid=" + std::to_wstring(lcid) : L"";
  // Positional arguments arrive last to first, after the named ones.
  std::vector<Variant> args;
  std::wstring shown;
  for (UINT i = params->cArgs; i-- > params->cNamedArgs;) {
    Variant arg;
    VariantCopy(arg.get(), &params->rgvarg[i]);
    shown += (shown.empty() ? L"" : L",") + Shown(arg.value());
    args.push_back(std::move(arg));
  }
  for (UINT i = 0; i < params->cNamedArgs && !put; ++i) {
    std::wstring name = ArgumentName(params->rgdispidNamedArgs[i]);
    shown += (shown.empty() ? L"" : L",") + name + L":=" + Shown(params->rgvarg[i]);
  }
  if (put) {
    // The value is the named argument rgvarg[0]; indexes come before it.
    std::wstring all;
    for (UINT i = params->cArgs; i-- > 0;) {
      all += (all.empty() ? L"" : L",") + Shown(params->rgvarg[i]);
    }
    Variant value;
    if (params->cArgs > 0) VariantCopy(value.get(), &params->rgvarg[0]);
    log_(prefix_ + entry->name + L"=" + all + locale);
    if (!entry->setter) return S_OK;
    return Run(*entry, flags, {value}, nullptr, error);
  }
  log_(prefix_ + entry->name + L"(" + shown + L")" + locale);
  return Run(*entry, flags, args, result, error);
}

HRESULT ScriptedObject::Run(const Entry& entry, WORD flags, const std::vector<Variant>& args,
                            VARIANT* result, EXCEPINFO* error) {
  try {
    if (flags & DISPATCH_PROPERTYPUT) {
      entry.setter(args.at(0));
    } else {
      Variant answer = entry.member(args);
      if (result) VariantCopy(result, answer.get());
    }
  } catch (const ScriptedRaise& raise) {
    if (raise.how == ScriptedRaise::kReturned) return raise.code;
    if (!error) return raise.code;
    *error = {};
    if (raise.how == ScriptedRaise::kWcode) {
      error->wCode = static_cast<WORD>(HRESULT_CODE(raise.code));
    } else {
      error->scode = raise.code;
    }
    error->bstrDescription = ToBstr(raise.description);
    if (!source_.empty()) error->bstrSource = ToBstr(source_);
    return DISP_E_EXCEPTION;
  }
  return S_OK;
}

}  // namespace tessaly
