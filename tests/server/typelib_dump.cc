// Prints the type library embedded in a DLL (or a .tlb file) as plain text:
// the library's identity and SYSKIND, then every type with its members and
// their dispatch ids. Loading needs no registration, so a 64-bit program can
// read the library of the 32-bit DLL, and two builds' dumps can be compared
// line by line.
//
// Usage: tq_typelib_dump <dll-or-tlb>   (exit 1 when the library cannot be
// loaded)

#include <windows.h>

#include <oaidl.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

namespace {

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text && *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
  return out;
}

std::string GuidText(const GUID& guid) {
  wchar_t text[40] = {0};
  StringFromGUID2(guid, text, 40);
  return Narrow(text);
}

std::string Name(ITypeInfo* info, MEMBERID member) {
  BSTR name = nullptr;
  info->GetDocumentation(member, &name, nullptr, nullptr, nullptr);
  std::string out = Narrow(name);
  SysFreeString(name);
  return out;
}

const char* SysKindText(SYSKIND kind) {
  switch (kind) {
    case SYS_WIN16: return "SYS_WIN16";
    case SYS_WIN32: return "SYS_WIN32";
    case SYS_MAC: return "SYS_MAC";
    case SYS_WIN64: return "SYS_WIN64";
  }
  return "SYS_?";
}

const char* TypeKindText(TYPEKIND kind) {
  switch (kind) {
    case TKIND_ENUM: return "enum";
    case TKIND_RECORD: return "record";
    case TKIND_MODULE: return "module";
    case TKIND_INTERFACE: return "interface";
    case TKIND_DISPATCH: return "dispatch";
    case TKIND_COCLASS: return "coclass";
    case TKIND_ALIAS: return "alias";
    case TKIND_UNION: return "union";
    default: return "?";
  }
}

void DumpType(ITypeInfo* info, UINT index) {
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) {
    std::printf("type %u: no attributes\n", index);
    return;
  }
  std::printf("type %u %s %s %s flags 0x%x\n", index, TypeKindText(attr->typekind),
              Name(info, MEMBERID_NIL).c_str(), GuidText(attr->guid).c_str(),
              static_cast<unsigned>(attr->wTypeFlags));
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* func = nullptr;
    if (FAILED(info->GetFuncDesc(i, &func))) continue;
    std::printf("  func 0x%08lx invkind %d params %d %s\n",
                static_cast<unsigned long>(func->memid), static_cast<int>(func->invkind),
                func->cParams, Name(info, func->memid).c_str());
    info->ReleaseFuncDesc(func);
  }
  for (UINT i = 0; i < attr->cVars; ++i) {
    VARDESC* var = nullptr;
    if (FAILED(info->GetVarDesc(i, &var))) continue;
    long value = 0;
    if (var->varkind == VAR_CONST && var->lpvarValue) {
      VARIANT as_long;
      VariantInit(&as_long);
      if (SUCCEEDED(VariantChangeType(&as_long, var->lpvarValue, 0, VT_I4)))
        value = V_I4(&as_long);
    }
    std::printf("  var 0x%08lx %s = %ld\n", static_cast<unsigned long>(var->memid),
                Name(info, var->memid).c_str(), value);
    info->ReleaseVarDesc(var);
  }
  for (UINT i = 0; i < attr->cImplTypes; ++i) {
    HREFTYPE ref = 0;
    ITypeInfo* base = nullptr;
    if (SUCCEEDED(info->GetRefTypeOfImplType(i, &ref)) &&
        SUCCEEDED(info->GetRefTypeInfo(ref, &base))) {
      std::printf("  implements %s\n", Name(base, MEMBERID_NIL).c_str());
      base->Release();
    }
  }
  info->ReleaseTypeAttr(attr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tq_typelib_dump <dll-or-tlb>\n");
    return 2;
  }
  ITypeLib* library = nullptr;
  HRESULT hr = LoadTypeLibEx(argv[1], REGKIND_NONE, &library);
  if (FAILED(hr)) {
    std::fprintf(stderr, "tq_typelib_dump: LoadTypeLibEx failed with 0x%08lx\n",
                 static_cast<unsigned long>(hr));
    return 1;
  }
  TLIBATTR* attr = nullptr;
  if (FAILED(library->GetLibAttr(&attr))) {
    library->Release();
    return 1;
  }
  BSTR name = nullptr;
  library->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
  std::printf("library %s %s %u.%u lcid %lu\n", Narrow(name).c_str(),
              GuidText(attr->guid).c_str(), attr->wMajorVerNum, attr->wMinorVerNum,
              static_cast<unsigned long>(attr->lcid));
  std::printf("syskind %s\n", SysKindText(attr->syskind));
  SysFreeString(name);
  library->ReleaseTLibAttr(attr);
  UINT count = library->GetTypeInfoCount();
  for (UINT i = 0; i < count; ++i) {
    ITypeInfo* info = nullptr;
    if (FAILED(library->GetTypeInfo(i, &info))) {
      std::printf("type %u: not loadable\n", i);
      continue;
    }
    DumpType(info, i);
    info->Release();
  }
  library->Release();
  return 0;
}
