#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com/com_ptr.h"
#include "tests/office/scripted_object.h"

namespace tessaly {

// What every fake Office automation server runs on beside its in-memory
// application: how its arranged failures are raised, and where its calls go.
struct FakeServer {
  FakeServer(std::wstring source, HRESULT error) : source(std::move(source)), error(error) {}
  virtual ~FakeServer() = default;

  // The EXCEPINFO source of every error the fake raises, and the code of a
  // failure that has none arranged in `raises`.
  std::wstring source;
  HRESULT error;
  // The in-memory application's failures, by member, with their messages.
  std::map<std::string, std::string> failures;
  std::map<std::string, ScriptedRaise> raises;
  ScriptedObject::Log log;
  // Log lines end in " lcid=<locale the call was given>".
  bool logs_locale = false;
  // Runs at each print-out that succeeded, to record what the job saw.
  std::function<void()> printed;
};

using FakeArgs = std::vector<Variant>;

// One automation object of a fake server; its members turn the failures of
// the in-memory application into raises with the arranged code. Members are
// logged as "<kind>.<member>".
class FakeObject {
 public:
  using Getter = std::function<Variant(const FakeArgs&)>;

  FakeObject(FakeServer* server, const wchar_t* kind);
  FakeObject& Get(const wchar_t* name, Getter get, ScriptedObject::Setter put = nullptr);
  // A member reached only by its dispatch id.
  FakeObject& GetId(DISPID id, const wchar_t* name, Getter get, ScriptedObject::Setter put);
  FakeObject& Default(Getter get);
  FakeObject& Implements(const IID& iid);
  ComPtr<ScriptedObject> Done() { return object_; }
  Variant Value() { return Variant(static_cast<IDispatch*>(object_.Get())); }

 private:
  ScriptedObject::Member Guard(const std::string& member, Getter get);
  ScriptedObject::Setter Guard(const std::string& member, ScriptedObject::Setter put);

  FakeServer* server_;
  std::string kind_;
  ComPtr<ScriptedObject> object_;
};

int32_t FakeIndex(const FakeArgs& args);

// Count and Item(index) of a list of the in-memory application; `make`
// (server, shared_ptr<T>) makes the object of an item.
template <class T, class List, class Server, class Make>
FakeObject FakeListObject(Server* s, const wchar_t* kind, std::shared_ptr<List> list, Make make) {
  FakeObject o(s, kind);
  o.Get(L"Count", [list](const FakeArgs&) {
     return Variant(list->Count());
   }).Get(L"Item", [s, list, make](const FakeArgs& args) {
    return make(s, std::shared_ptr<T>(list->Item(FakeIndex(args))));
  });
  return o;
}

}  // namespace tessaly
