// Prints the member reference of TessalySDK.dll, docs/reference.md: the
// DLL's type library and the SDK's table of error codes, so that neither is
// written twice.
//
// Usage: tq_reference <dll> <markdown>           writes the file
//        tq_reference --check <dll> <markdown>   exit 1 when the file differs
#include <windows.h>

#include <oleauto.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "common/sdk_error.h"
#include "main_object/sdk_error_list.h"
#include "tools/reference/type_library_text.h"

namespace {

std::string Hex(int32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
  return text;
}

// A message in a table cell: pipes escaped, the carriage return that some
// messages hold for a line break shown by name.
std::string Cell(const std::string& message) {
  std::string out;
  for (char c : message) {
    if (c == '|') out += "\\|";
    else if (c == '\r') out += " *(carriage return)* ";
    else out += c;
  }
  return "\"" + out + "\"";
}

std::string ErrorMarkdown() {
  std::string out = "## Error codes\n\n";
  out += "A member that fails returns an HRESULT and sets an error object (IErrorInfo; in ";
  out += "scripts `Err.Number` and `Err.Description`). The SDK's own failures return ";
  out += "0x80040200 + the help context; every other failure returns E_UNEXPECTED ";
  out += "(0x8000FFFF) with the failure's text as the description.\n\n";
  out += "| Help context | HRESULT | Meaning | Messages |\n|---|---|---|---|\n";
  for (const tessaly::SdkErrorEntry& entry : tessaly::SdkErrorList()) {
    std::string messages;
    for (const std::string& message : entry.messages) {
      messages += (messages.empty() ? "" : "<br>") + Cell(message);
    }
    out += "| " + std::to_string(entry.help_context) + " | " +
           Hex(tessaly::SdkErrorCode(entry.help_context)) + " | " + entry.meaning + " | " +
           messages + " |\n";
  }
  return out;
}

bool ReadFile(const wchar_t* path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  *text = content.str();
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  bool check = argc == 4 && std::wstring(argv[1]) == L"--check";
  if (argc != 3 && !check) {
    std::fprintf(stderr, "usage: tq_reference [--check] <dll> <markdown>\n");
    return 2;
  }
  const wchar_t* dll = argv[argc - 2];
  const wchar_t* markdown = argv[argc - 1];
  ITypeLib* library = nullptr;
  HRESULT hr = LoadTypeLibEx(dll, REGKIND_NONE, &library);
  if (FAILED(hr)) {
    std::fprintf(stderr, "tq_reference: LoadTypeLibEx failed with 0x%08lx\n",
                 static_cast<unsigned long>(hr));
    return 2;
  }
  std::string text = "# TessalySDK member reference\n\n";
  text += "Printed by `scripts/reference.sh` from the type library of TessalySDK.dll and ";
  text += "the SDK's table of error codes; the Windows tests fail when it is out of date.\n\n";
  text += tessaly::TypeLibraryMarkdown(library) + ErrorMarkdown();
  library->Release();

  if (check) {
    std::string stored;
    if (ReadFile(markdown, &stored) && stored == text) return 0;
    std::fprintf(stderr, "tq_reference: %ls is out of date: run scripts/reference.sh\n",
                 markdown);
    return 1;
  }
  std::ofstream out(markdown, std::ios::binary | std::ios::trunc);
  out << text;
  return out.good() ? 0 : 2;
}
