#pragma once

#include <oaidl.h>
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "com/com_ptr.h"
#include "com/dispatch.h"

namespace tessaly {

// Thrown by a member of a ScriptedObject: the call fails as an automation
// server raises an error, with this code and description.
struct ScriptedRaise {
  HRESULT code;
  std::wstring description;
};

// A hand-made automation object for tests: IDispatch over a table of named
// members. Every call is appended to a shared log as "Name(arg,arg)" (get
// or method) or "Name=value" (put); an omitted argument reads "-". When
// `lcids` is given, the locale of every call is appended to it.
class ScriptedObject : public IDispatch {
 public:
  using Member = std::function<Variant(const std::vector<Variant>& args)>;

  static ComPtr<ScriptedObject> Make(std::vector<std::wstring>* log,
                                     std::vector<LCID>* lcids = nullptr);
  // Adds a member; a put of any member added is accepted and only logged.
  ScriptedObject& On(const wchar_t* name, Member member);
  ScriptedObject& Returns(const wchar_t* name, Variant value);
  // Adds a member reached only by its dispatch id; `name` is for the log.
  ScriptedObject& OnId(DISPID id, const wchar_t* name, Variant value);
  // Makes QueryInterface answer `iid` too, with this object.
  ScriptedObject& Implements(const IID& iid);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* error, UINT*) override;

 private:
  struct Entry {
    DISPID id;
    bool by_name;
    std::wstring name;
    Member member;
  };

  ScriptedObject(std::vector<std::wstring>* log, std::vector<LCID>* lcids)
      : log_(log), lcids_(lcids) {}
  virtual ~ScriptedObject() = default;
  void Used(LCID lcid) {
    if (lcids_) lcids_->push_back(lcid);
  }

  ULONG references_ = 1;
  std::vector<std::wstring>* log_;
  std::vector<LCID>* lcids_;
  std::vector<Entry> members_;
  std::vector<IID> interfaces_;
};

}  // namespace tessaly
