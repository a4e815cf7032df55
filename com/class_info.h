#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>

namespace tessaly {

// What the server knows of its creatable class, read from the coclass entry
// of its type library.
struct ClassInfo {
  CLSID clsid;
  std::wstring class_name;      // "qvTessaly"
  std::wstring description;     // "Orvane Tessaly SDK"
  std::wstring prog_id;         // library name, a dot, class name
  std::wstring threading_model; // "Both"
  IID error_iid;                // the coclass's default dispatch interface
  GUID libid;
  WORD major_version;
  WORD minor_version;
  LCID lcid;
  SYSKIND syskind;
};

// Reads the entry of `clsid` from `library`. Throws Exception with "Type
// information missing for class %s", "Incorrect type information for class
// %s" or "Dispatch interface missing from class %s" (`implementing_class`
// in the placeholder) when the library does not describe a dispatchable
// class.
ClassInfo ReadClassInfo(ITypeLib* library, REFCLSID clsid, const std::string& implementing_class);

}  // namespace tessaly
