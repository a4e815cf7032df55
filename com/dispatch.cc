#include "com/dispatch.h"

#include <algorithm>
#include <utility>

#include "com/com_error.h"
#include "com/com_text.h"
#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {
namespace {

std::string Ansi(const std::wstring& text) { return DefaultEnv().code_page->ToAnsi(text); }

// The value of `from` as `type`, in a VARIANT the caller clears.
VARIANT Converted(const VARIANT& from, VARTYPE type) {
  VARIANT to;
  VariantInit(&to);
  CheckHr(VariantChangeType(&to, const_cast<VARIANT*>(&from), 0, type),
          "Converting an automation value");
  return to;
}

// The failure of a call that raised an exception, with the callee's text
// or, when it gave none, the system's text for the code.
[[noreturn]] void ThrowCalleeException(EXCEPINFO& info, const wchar_t* name) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  HRESULT code = info.scode != 0 ? info.scode : MAKE_HRESULT(1, FACILITY_ITF, info.wCode);
  std::wstring description = FromBstr(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  if (!FAILED(code)) code = E_FAIL;
  if (description.empty()) throw ComError(code, HresultMessage(code, Ansi(name)));
  throw ComError(code, Ansi(description));
}

}  // namespace

Variant::Variant(const wchar_t* text) : Variant(std::wstring(text)) {}
Variant::Variant(const std::wstring& text) : Variant() {
  V_VT(&value_) = VT_BSTR;
  V_BSTR(&value_) = ToBstr(text);
}
Variant::Variant(int32_t number) : Variant() {
  V_VT(&value_) = VT_I4;
  V_I4(&value_) = number;
}
Variant::Variant(double number) : Variant() {
  V_VT(&value_) = VT_R8;
  V_R8(&value_) = number;
}
Variant::Variant(bool flag) : Variant() {
  V_VT(&value_) = VT_BOOL;
  V_BOOL(&value_) = flag ? VARIANT_TRUE : VARIANT_FALSE;
}
Variant::Variant(IDispatch* object) : Variant() {
  V_VT(&value_) = VT_DISPATCH;
  V_DISPATCH(&value_) = object;
  if (object) object->AddRef();
}
Variant::Variant(const Variant& other) : Variant() {
  CheckHr(VariantCopy(&value_, const_cast<VARIANT*>(&other.value_)), "Copying an automation value");
}
Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
Variant& Variant::operator=(Variant other) noexcept {
  std::swap(value_, other.value_);
  return *this;
}

Variant Variant::Missing() {
  Variant missing;
  V_VT(&missing.value_) = VT_ERROR;
  V_ERROR(&missing.value_) = DISP_E_PARAMNOTFOUND;
  return missing;
}

std::wstring Variant::AsText() const {
  VARIANT text = Converted(value_, VT_BSTR);
  std::wstring out = FromBstr(V_BSTR(&text));
  VariantClear(&text);
  return out;
}

// Numbers and booleans need no clearing.
int32_t Variant::AsInteger() const {
  VARIANT number = Converted(value_, VT_I4);
  return V_I4(&number);
}

double Variant::AsDouble() const {
  VARIANT number = Converted(value_, VT_R8);
  return V_R8(&number);
}

bool Variant::AsBool() const {
  VARIANT flag = Converted(value_, VT_BOOL);
  return V_BOOL(&flag) != VARIANT_FALSE;
}

ComPtr<IDispatch> Variant::AsObject() const {
  const VARIANT* v = &value_;
  if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
  if (V_VT(v) == VT_DISPATCH && V_DISPATCH(v)) return ComPtr<IDispatch>::Share(V_DISPATCH(v));
  if (V_VT(v) == VT_UNKNOWN && V_UNKNOWN(v)) {
    ComPtr<IDispatch> object;
    CheckHr(V_UNKNOWN(v)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.Out())),
            "Asking an object for IDispatch");
    return object;
  }
  throw ComError(E_UNEXPECTED, "The automation value is not an object");
}

LateBound::LateBound(ComPtr<IDispatch> object, LCID lcid)
    : object_(std::move(object)), lcid_(lcid) {
  if (!object_) throw ComError(E_POINTER, "No automation object");
}

DISPID LateBound::IdOf(const wchar_t* name) {
  auto found = ids_.find(name);
  if (found != ids_.end()) return found->second;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, lcid_, &id);
  if (FAILED(hr)) throw ComError(hr, "The object has no member " + Ansi(name));
  ids_.emplace(name, id);
  return id;
}

Variant LateBound::Invoke(DISPID id, WORD flags, std::vector<Variant>& args,
                          const wchar_t* name, std::vector<DISPID> named_ids) {
  // Arguments go in last to first; the named ones are the last of `args`,
  // so they come first, in the order of their ids.
  std::vector<VARIANT> reversed;
  reversed.reserve(args.size());
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->value());
  std::reverse(named_ids.begin(), named_ids.end());
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    named_ids.assign(1, DISPID_PROPERTYPUT);
  }
  DISPPARAMS params = {reversed.data(), named_ids.empty() ? nullptr : named_ids.data(),
                       static_cast<UINT>(reversed.size()), static_cast<UINT>(named_ids.size())};
  Variant result;
  EXCEPINFO info = {};
  UINT bad_argument = 0;
  HRESULT hr = object_->Invoke(id, IID_NULL, lcid_, flags, &params,
                               (flags & DISPATCH_PROPERTYPUT) ? nullptr : result.get(), &info,
                               &bad_argument);
  if (hr == DISP_E_EXCEPTION) ThrowCalleeException(info, name);
  if (FAILED(hr)) throw ComError(hr, HresultMessage(hr, Ansi(name)));
  return result;
}

Variant LateBound::Get(const wchar_t* name, std::vector<Variant> args) {
  return Invoke(IdOf(name), DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, name);
}

void LateBound::Put(const wchar_t* name, Variant value) {
  std::vector<Variant> args;
  args.push_back(std::move(value));
  Invoke(IdOf(name), DISPATCH_PROPERTYPUT, args, name);
}

Variant LateBound::Call(const wchar_t* name, std::vector<Variant> args) {
  return Invoke(IdOf(name), DISPATCH_METHOD, args, name);
}

Variant LateBound::CallNamed(const wchar_t* name, std::vector<NamedArgument> named) {
  std::vector<LPOLESTR> names = {const_cast<LPOLESTR>(name)};
  for (const NamedArgument& argument : named) {
    names.push_back(const_cast<LPOLESTR>(argument.first));
  }
  std::vector<DISPID> ids(names.size(), DISPID_UNKNOWN);
  HRESULT hr = object_->GetIDsOfNames(IID_NULL, names.data(), static_cast<UINT>(names.size()),
                                      lcid_, ids.data());
  if (FAILED(hr)) throw ComError(hr, "The object has no member " + Ansi(name) + " of these names");
  std::vector<Variant> args;
  for (NamedArgument& argument : named) args.push_back(std::move(argument.second));
  return Invoke(ids[0], DISPATCH_METHOD, args, name,
                std::vector<DISPID>(ids.begin() + 1, ids.end()));
}

LateBound LateBound::Object(const wchar_t* name, std::vector<Variant> args) {
  return LateBound(Get(name, std::move(args)).AsObject(), lcid_);
}

Variant LateBound::GetById(DISPID id, std::vector<Variant> args) {
  return Invoke(id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, L"member");
}

void LateBound::PutById(DISPID id, Variant value) {
  std::vector<Variant> args;
  args.push_back(std::move(value));
  Invoke(id, DISPATCH_PROPERTYPUT, args, L"member");
}

void LateBound::PutById(DISPID id, std::vector<Variant> args, Variant value) {
  args.push_back(std::move(value));
  Invoke(id, DISPATCH_PROPERTYPUT, args, L"member");
}

}  // namespace tessaly
