#include "tests/office/office_server/fake_server.h"

#include <exception>

#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {
namespace {

std::string Narrow(const std::wstring& name) { return DefaultEnv().code_page->ToAnsi(name); }

// The failure's code: the one arranged for the member called, else the one
// of the member whose failure has this message (the fake's own members,
// such as "Paragraph.Range", are named as the objects' members).
ScriptedRaise RaiseOf(const FakeServer& server, const std::string& called,
                      const std::string& message) {
  ScriptedRaise raise{server.error, DefaultEnv().code_page->FromAnsi(message)};
  auto own = server.raises.find(called);
  if (own != server.raises.end() && server.failures.count(called)) {
    raise.code = own->second.code;
    raise.how = own->second.how;
    return raise;
  }
  for (const auto& [member, text] : server.failures) {
    auto arranged = server.raises.find(member);
    if (text != message || arranged == server.raises.end()) continue;
    raise.code = arranged->second.code;
    raise.how = arranged->second.how;
    break;
  }
  return raise;
}

}  // namespace

FakeObject::FakeObject(FakeServer* server, const wchar_t* kind)
    : server_(server), kind_(Narrow(kind)) {
  object_ = ScriptedObject::Make(server->log, kind, server->source);
  if (server->logs_locale) object_->LogsLocale();
}

ScriptedObject::Member FakeObject::Guard(const std::string& member, Getter get) {
  FakeServer* server = server_;
  return [server, member, get](const FakeArgs& args) {
    try {
      return get(args);
    } catch (const std::exception& e) {
      throw RaiseOf(*server, member, e.what());
    }
  };
}

ScriptedObject::Setter FakeObject::Guard(const std::string& member, ScriptedObject::Setter put) {
  if (!put) return nullptr;
  Getter get = Guard(member + "=", [put](const FakeArgs& args) {
    put(args.at(0));
    return Variant();
  });
  return [get](const Variant& value) { get({value}); };
}

FakeObject& FakeObject::Get(const wchar_t* name, Getter get, ScriptedObject::Setter put) {
  std::string member = kind_ + "." + Narrow(name);
  object_->On(name, Guard(member, std::move(get)), Guard(member, std::move(put)));
  return *this;
}

FakeObject& FakeObject::GetId(DISPID id, const wchar_t* name, Getter get,
                              ScriptedObject::Setter put) {
  std::string member = kind_ + "." + Narrow(name);
  object_->OnId(id, name, Guard(member, std::move(get)), Guard(member, std::move(put)));
  return *this;
}

FakeObject& FakeObject::Default(Getter get) {
  object_->Default(Guard(kind_ + ".Value", std::move(get)));
  return *this;
}

FakeObject& FakeObject::Implements(const IID& iid) {
  object_->Implements(iid);
  return *this;
}

int32_t FakeIndex(const FakeArgs& args) { return args.at(0).AsInteger(); }

}  // namespace tessaly
