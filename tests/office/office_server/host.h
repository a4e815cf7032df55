#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ini_file.h"
#include "tests/office/office_server/fake_server.h"

namespace tessaly {

// A fake application as a server hosts it: what it runs on and its
// Application object.
struct HostedFake {
  std::unique_ptr<FakeServer> server;
  ComPtr<ScriptedObject> application;
};

// One class of the fake Office server, registered under `prog_id`. The
// tests tell each fake what to serve under HKEY_CURRENT_USER\<FakeKey>:
// "Documents" (the path of its description) and "Log" (the path of a file
// each call is appended to, one line each).
struct FakeClass {
  const wchar_t* name;  // "Word": also the program's argument for this class
  const wchar_t* prog_id;
  CLSID clsid;
  HostedFake (*host)();
};

// {5C1D3A4E-8B7F-4E21-9A63-2F0D7C5B91E4}, E5, E6.
constexpr CLSID kFakeWordClsid = {
    0x5c1d3a4e, 0x8b7f, 0x4e21, {0x9a, 0x63, 0x2f, 0x0d, 0x7c, 0x5b, 0x91, 0xe4}};
constexpr CLSID kFakePowerPointClsid = {
    0x5c1d3a4e, 0x8b7f, 0x4e21, {0x9a, 0x63, 0x2f, 0x0d, 0x7c, 0x5b, 0x91, 0xe5}};
constexpr CLSID kFakeExcelClsid = {
    0x5c1d3a4e, 0x8b7f, 0x4e21, {0x9a, 0x63, 0x2f, 0x0d, 0x7c, 0x5b, 0x91, 0xe6}};

// Word, PowerPoint and Excel (classes.cc).
const std::vector<FakeClass>& FakeClasses();
// nullptr for a class or name not among them.
const FakeClass* FakeClassOf(REFCLSID clsid);
const FakeClass* FakeClassNamed(const std::wstring& name);

// "Software\Tessaly Tests\Fake <name>".
std::wstring FakeKey(const wchar_t* name);
// The description and the log the fake `name`'s key names.
std::unique_ptr<IniFile> FakeDescription(const wchar_t* name);
ScriptedObject::Log FakeLog(const wchar_t* name);
// Logs what a print-out saw beside its printer: "PrintOut.Device=" (the
// "device" entry of section "windows") and "PrintOut.PlugIn: " before each
// line of the PlugIn store's text as it is on disk.
void LogPrintOutSurroundings(const ScriptedObject::Log& log);

// A class factory that hands out `make()`'s object.
ComPtr<IClassFactory> FakeFactory(std::function<ComPtr<IDispatch>()> make);

}  // namespace tessaly
