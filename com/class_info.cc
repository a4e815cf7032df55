#include "com/class_info.h"

#include "com/com_ptr.h"
#include "com/com_text.h"
#include "common/exception.h"

namespace tessaly {
namespace {

std::wstring NameOf(ITypeLib* library, int index, std::wstring* doc_string) {
  BSTR name = nullptr, doc = nullptr;
  library->GetDocumentation(index, &name, &doc, nullptr, nullptr);
  std::wstring out = FromBstr(name);
  if (doc_string) *doc_string = FromBstr(doc);
  SysFreeString(name);
  SysFreeString(doc);
  return out;
}

// The default interface of a coclass, when it is a dual interface.
bool DefaultDispatchInterface(ITypeInfo* coclass, UINT count, IID* iid) {
  for (UINT i = 0; i < count; ++i) {
    INT flags = 0;
    if (FAILED(coclass->GetImplTypeFlags(i, &flags)) || !(flags & IMPLTYPEFLAG_FDEFAULT) ||
        (flags & IMPLTYPEFLAG_FSOURCE)) {
      continue;
    }
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> type;
    if (FAILED(coclass->GetRefTypeOfImplType(i, &ref)) ||
        FAILED(coclass->GetRefTypeInfo(ref, type.Out()))) {
      return false;
    }
    TYPEATTR* attr = nullptr;
    if (FAILED(type->GetTypeAttr(&attr))) return false;
    bool dispatchable = attr->typekind == TKIND_DISPATCH ||
                        (attr->wTypeFlags & TYPEFLAG_FDISPATCHABLE) != 0;
    *iid = attr->guid;
    type->ReleaseTypeAttr(attr);
    return dispatchable;
  }
  return false;
}

}  // namespace

ClassInfo ReadClassInfo(ITypeLib* library, REFCLSID clsid,
                        const std::string& implementing_class) {
  ComPtr<ITypeInfo> coclass;
  if (FAILED(library->GetTypeInfoOfGuid(clsid, coclass.Out()))) {
    throw Exception(FormatMessage1("Type information missing for class %s", implementing_class));
  }
  TYPEATTR* attr = nullptr;
  if (FAILED(coclass->GetTypeAttr(&attr)) || attr->typekind != TKIND_COCLASS) {
    if (attr) coclass->ReleaseTypeAttr(attr);
    throw Exception(
        FormatMessage1("Incorrect type information for class %s", implementing_class));
  }
  UINT implemented = attr->cImplTypes;
  coclass->ReleaseTypeAttr(attr);

  ClassInfo info{};
  info.clsid = clsid;
  UINT index = 0;
  ComPtr<ITypeLib> owner;
  coclass->GetContainingTypeLib(owner.Out(), &index);
  info.class_name = NameOf(library, static_cast<int>(index), &info.description);
  if (implemented == 0) {
    throw Exception(
        FormatMessage1("Incorrect type information for class %s", implementing_class));
  }
  if (!DefaultDispatchInterface(coclass.Get(), implemented, &info.error_iid)) {
    throw Exception(
        FormatMessage1("Dispatch interface missing from class %s", implementing_class));
  }
  std::wstring library_name = NameOf(library, -1, nullptr);
  info.prog_id = library_name + L"." + info.class_name;
  info.threading_model = L"Both";

  TLIBATTR* library_attr = nullptr;
  if (FAILED(library->GetLibAttr(&library_attr))) {
    throw Exception(
        FormatMessage1("Incorrect type information for class %s", implementing_class));
  }
  info.libid = library_attr->guid;
  info.major_version = library_attr->wMajorVerNum;
  info.minor_version = library_attr->wMinorVerNum;
  info.lcid = library_attr->lcid;
  info.syskind = library_attr->syskind;
  library->ReleaseTLibAttr(library_attr);
  return info;
}

}  // namespace tessaly
