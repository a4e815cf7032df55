#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "com/com_ptr.h"

namespace tessaly {

// A VARIANT that clears itself. Arguments of late-bound calls are built
// from plain values; results are read back with the As* members, which
// convert like a script host would (VariantChangeType) and throw ComError
// when the value does not convert.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  // Implicit, so that arguments read as plain values: {L"a.doc", 0, true}.
  Variant(const wchar_t* text);
  Variant(const std::wstring& text);
  Variant(int32_t number);
  Variant(double number);
  Variant(bool flag);  // VT_BOOL, true = VARIANT_TRUE
  Variant(IDispatch* object);
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant other) noexcept;
  ~Variant() { VariantClear(&value_); }

  // An omitted optional argument (VT_ERROR, DISP_E_PARAMNOTFOUND).
  static Variant Missing();

  VARIANT* get() { return &value_; }
  const VARIANT& value() const { return value_; }
  bool empty() const { return V_VT(&value_) == VT_EMPTY || V_VT(&value_) == VT_NULL; }

  std::wstring AsText() const;
  int32_t AsInteger() const;
  double AsDouble() const;
  bool AsBool() const;
  // The object held; throws ComError when there is none.
  ComPtr<IDispatch> AsObject() const;

 private:
  VARIANT value_;
};

// Late-bound calls by name (or by dispatch id) on an automation object,
// as a script host makes them. Each name's dispatch id is looked up once
// per object and kept. A call that fails throws ComError: with the callee's
// own code and message when it raised an exception (EXCEPINFO); when the
// callee gave no message, or failed without raising, with the system's text
// for the code (or the member's name and the code).
class LateBound {
 public:
  // `lcid` is passed to every call that takes one.
  explicit LateBound(ComPtr<IDispatch> object, LCID lcid = LOCALE_USER_DEFAULT);

  // A property, or a property with arguments (Item(1)); a method answers
  // too, as in a script.
  Variant Get(const wchar_t* name, std::vector<Variant> args = {});
  void Put(const wchar_t* name, Variant value);
  // A method.
  Variant Call(const wchar_t* name, std::vector<Variant> args = {});
  // A method with named arguments only; the ids of the method and of the
  // argument names are looked up together, at every call.
  using NamedArgument = std::pair<const wchar_t*, Variant>;
  Variant CallNamed(const wchar_t* name, std::vector<NamedArgument> named);
  // An object property or method result, ready for further calls.
  LateBound Object(const wchar_t* name, std::vector<Variant> args = {});

  Variant GetById(DISPID id, std::vector<Variant> args = {});
  void PutById(DISPID id, Variant value);
  // A put of a property with arguments: PrintQuality(1) = 600.
  void PutById(DISPID id, std::vector<Variant> args, Variant value);

  LCID lcid() const { return lcid_; }

  IDispatch* get() const { return object_.Get(); }

 private:
  DISPID IdOf(const wchar_t* name);
  Variant Invoke(DISPID id, WORD flags, std::vector<Variant>& args, const wchar_t* name,
                 std::vector<DISPID> named_ids = {});

  ComPtr<IDispatch> object_;
  LCID lcid_;
  std::unordered_map<std::wstring, DISPID> ids_;
};

}  // namespace tessaly
