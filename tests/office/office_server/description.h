#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>

#include "common/ini_file.h"
#include "tests/office/office_server/fake_server.h"

namespace tessaly {

// One section of a fake's description (INI form, ANSI).
class DescriptionSection {
 public:
  DescriptionSection(const IniFile& ini, std::string section)
      : ini_(ini), section_(std::move(section)) {}

  bool Has(const std::string& key) const { return ini_.ValueExists(section_, key); }
  std::wstring Text(const std::string& key, const std::wstring& fallback = L"") const;
  int32_t Integer(const std::string& key, int32_t fallback) const {
    return ini_.ReadInteger(section_, key, fallback);
  }
  double Float(const std::string& key, double fallback) const {
    return ini_.ReadFloat(section_, key, fallback);
  }
  // The text with each "\r" in it made a carriage return.
  std::wstring TextWithMarks(const std::string& key) const;
  std::string Raw(const std::string& key) const { return ini_.ReadString(section_, key, ""); }
  // Property<index>=...: built-in document properties by index.
  std::map<int32_t, std::wstring> Properties() const;

  // Calls `read` with the key of each item <kind>1, <kind>2, ... that has
  // a value under one of `probes` (".Text", ".Name").
  template <class F>
  void Items(const std::string& kind, std::initializer_list<const char*> probes, F read) const {
    for (int i = 1;; ++i) {
      std::string key = kind + std::to_string(i);
      bool found = false;
      for (const char* probe : probes) found = found || Has(key + probe);
      if (!found) return;
      read(key);
    }
  }

 private:
  const IniFile& ini_;
  std::string section_;
};

// A failure code as [Failure Codes] gives it; `fallback` until read.
ScriptedRaise RaiseOfCode(HRESULT fallback, const std::string& code);

// The sections every description may have:
//   [Failures]      <Member>=<message>: the in-memory application's failures
//   [Failure Codes] <Member>=<hex code>, or "wcode <hex>" for EXCEPINFO.wCode,
//                   or "returned <hex>" for a failure returned by Invoke
// Fills the server's and the application's `failures` and the raises.
template <class Failures>
void ArrangeFailures(const IniFile& description, FakeServer* server, Failures* failures) {
  for (const auto& [member, message] : description.SectionValues("Failures")) {
    (*failures)[member] = message;
    server->failures[member] = message;
  }
  for (const auto& [member, code] : description.SectionValues("Failure Codes")) {
    server->raises[member] = RaiseOfCode(server->error, code);
  }
}

}  // namespace tessaly
