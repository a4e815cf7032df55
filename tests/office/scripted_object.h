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
  // kScode: EXCEPINFO.scode holds the code; kWcode: EXCEPINFO.wCode holds
  // its low 16 bits; kReturned: Invoke returns the code with no EXCEPINFO.
  enum How { kScode, kWcode, kReturned };
  HRESULT code;
  std::wstring description;
  How how = kScode;
};

// A hand-made automation object for tests: IDispatch over a table of named
// members. Every call is logged as "Name(arg,arg)" (get or method; a named
// argument reads "Name:=value", an omitted one "-") or "Name=value" (put),
// each name behind the object's prefix ("Range.Text()"); the default member
// (DISPID_VALUE) logs as "(default)". A put logs every argument, the value
// last ("PrintQuality=1,300"). When `lcids` is given, the locale of every
// call is appended to it.
class ScriptedObject : public IDispatch {
 public:
  using Member = std::function<Variant(const std::vector<Variant>& args)>;
  using Setter = std::function<void(const Variant& value)>;
  using Log = std::function<void(const std::wstring& line)>;

  static ComPtr<ScriptedObject> Make(std::vector<std::wstring>* log,
                                     std::vector<LCID>* lcids = nullptr);
  // `source` is the EXCEPINFO source of the object's errors.
  static ComPtr<ScriptedObject> Make(Log log, std::wstring prefix, std::wstring source);
  // Adds a member; a put of any member added is accepted and logged, and
  // runs the setter when there is one. Members get the positional
  // arguments only.
  ScriptedObject& On(const wchar_t* name, Member member, Setter setter = nullptr);
  ScriptedObject& Returns(const wchar_t* name, Variant value);
  ScriptedObject& Default(Member member);
  // Adds a member reached only by its dispatch id; `name` is for the log.
  ScriptedObject& OnId(DISPID id, const wchar_t* name, Variant value);
  ScriptedObject& OnId(DISPID id, const wchar_t* name, Member member, Setter setter);
  // Ends each line of the log with " lcid=<the call's locale>".
  ScriptedObject& LogsLocale() {
    logs_locale_ = true;
    return *this;
  }
  // Makes QueryInterface answer `iid` too, with this object.
  ScriptedObject& Implements(const IID& iid);
  // Answers IExternalConnection: `changed` gets the count of strong
  // connections of other processes at each change.
  ScriptedObject& OnConnections(std::function<void(DWORD strong)> changed);

  // Objects alive in the process, and calls made on them so far.
  static long Alive();
  static long Calls();
  ULONG references() const { return references_; }

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
  class Connections : public IExternalConnection {
   public:
    explicit Connections(ScriptedObject* owner) : owner_(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
      return owner_->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }
    DWORD STDMETHODCALLTYPE AddConnection(DWORD type, DWORD) override;
    DWORD STDMETHODCALLTYPE ReleaseConnection(DWORD type, DWORD, BOOL) override;

   private:
    ScriptedObject* owner_;
    DWORD strong_ = 0;
  };
  struct Entry {
    DISPID id;
    bool by_name;
    std::wstring name;
    Member member;
    Setter setter;
  };
  ScriptedObject(Log log, std::wstring prefix, std::wstring source);
  virtual ~ScriptedObject();
  void Used(LCID lcid) {
    if (lcids_) lcids_->push_back(lcid);
  }
  HRESULT Run(const Entry& entry, WORD flags, const std::vector<Variant>& args, VARIANT* result,
              EXCEPINFO* error);

  ULONG references_ = 1;
  Log log_;
  std::wstring prefix_;
  std::wstring source_;
  std::vector<LCID>* lcids_ = nullptr;
  bool logs_locale_ = false;
  std::vector<Entry> members_;
  std::vector<IID> interfaces_;
  Entry default_;
  Connections connections_{this};
  std::function<void(DWORD)> connections_changed_;
};

}  // namespace tessaly
