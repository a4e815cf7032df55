#include "printing/default_printer.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/exception.h"
#include "platform/code_page.h"
#include "platform/printers.h"
#include "platform/sleeper.h"

namespace tessaly {

const char kNoDefaultPrinterMessage[] = "There is no default printer currently selected";

namespace {

// One character as the case-blind comparison sees it: a character of the
// ANSI code page as its upper-case form there, any other as itself.
std::pair<bool, unsigned> Folded(const CodePage& code_page, wchar_t c) {
  std::string ansi = code_page.ToAnsi(std::wstring(1, c));
  if (ansi.size() == 1 && (ansi[0] != '?' || c == L'?')) {
    return {true, code_page.UpperTable()[static_cast<unsigned char>(ansi[0])]};
  }
  return {false, static_cast<unsigned>(c)};
}

bool SameIgnoringCase(const CodePage& code_page, const std::wstring& a, const std::wstring& b) {
  auto same = [&](wchar_t x, wchar_t y) {
    return x == y || Folded(code_page, x) == Folded(code_page, y);
  };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), same);
}

}  // namespace

std::wstring CurrentDefaultPrinter(const Env& env) {
  std::wstring name = env.printers->DefaultQueue();
  if (name.empty()) {
    // The entry is "queue,driver port"; the queue name is all it needs.
    name = env.printers->ReadDeviceEntry();
    name = name.substr(0, name.find(L','));
  }
  for (const std::wstring& queue : env.printers->List()) {
    if (SameIgnoringCase(*env.code_page, queue, name)) return queue;
  }
  throw Exception(kNoDefaultPrinterMessage);
}

bool IsPrinterListed(const Env& env, const std::wstring& name) {
  std::vector<std::wstring> queues = env.printers->List();
  return std::find(queues.begin(), queues.end(), name) != queues.end();
}

bool MakeDefaultPrinter(const Env& env, const std::wstring& name) {
  if (!IsPrinterListed(env, name)) return false;
  // Device name, a comma, then the driver and port strings, which are
  // empty for a listed queue.
  env.printers->WriteDeviceEntry(name + L",");
  env.printers->BroadcastSettingsChange();
  return true;
}

DefaultPrinterSwitch::DefaultPrinterSwitch(const Env& env, std::wstring printer_name)
    : env_(env), printer_name_(std::move(printer_name)) {}

bool DefaultPrinterSwitch::SetAsDefault() {
  saved_default_ = CurrentDefaultPrinter(env_);
  return MakeDefaultPrinter(env_, printer_name_);
}

bool DefaultPrinterSwitch::Restore() {
  // Gives the printing program time to hand its job to the queue.
  env_.sleeper->SleepMs(1000);
  return MakeDefaultPrinter(env_, saved_default_);
}

}  // namespace tessaly
