#include "tools/reference/type_library_text.h"

#include <oleauto.h>

#include <cstdio>
#include <vector>

namespace tessaly {

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

struct Documentation {
  std::string name;
  std::string help;
};

Documentation Document(ITypeInfo* info, MEMBERID member) {
  BSTR name = nullptr;
  BSTR help = nullptr;
  info->GetDocumentation(member, &name, &help, nullptr, nullptr);
  Documentation out{Narrow(name), Narrow(help)};
  SysFreeString(name);
  SysFreeString(help);
  return out;
}

std::string Quoted(const std::string& help) { return help.empty() ? "" : "\"" + help + "\""; }

std::string TypeText(ITypeInfo* info, const TYPEDESC& type) {
  switch (type.vt) {
    case VT_PTR: return TypeText(info, *type.lptdesc) + "*";
    case VT_USERDEFINED: {
      ITypeInfo* ref = nullptr;
      if (FAILED(info->GetRefTypeInfo(type.hreftype, &ref))) return "?";
      std::string name = Document(ref, MEMBERID_NIL).name;
      ref->Release();
      return name;
    }
    case VT_BSTR: return "BSTR";
    case VT_BOOL: return "VARIANT_BOOL";
    case VT_I2: return "short";
    case VT_I4: return "long";
    case VT_R4: return "float";
    case VT_R8: return "double";
    case VT_DATE: return "DATE";
    case VT_VARIANT: return "VARIANT";
    case VT_DISPATCH: return "IDispatch*";
    case VT_UNKNOWN: return "IUnknown*";
    case VT_HRESULT: return "HRESULT";
    default: return "VT_" + std::to_string(type.vt);
  }
}

const char* KindText(INVOKEKIND kind) {
  switch (kind) {
    case INVOKE_PROPERTYGET: return "get";
    case INVOKE_PROPERTYPUT: return "put";
    case INVOKE_PROPERTYPUTREF: return "putref";
    default: return "method";
  }
}

// "[in] BSTR ProfileName, [in] long Level" and the retval's type apart.
void ParameterTexts(ITypeInfo* info, const FUNCDESC& func, std::string* parameters,
                    std::string* result) {
  std::vector<BSTR> names(func.cParams + 1, nullptr);
  UINT count = 0;
  info->GetNames(func.memid, names.data(), static_cast<UINT>(names.size()), &count);
  // A put's value has no name: GetNames gives the member's name only.
  if (func.invkind != INVOKE_FUNC) count = 1;
  for (SHORT i = 0; i < func.cParams; ++i) {
    const ELEMDESC& param = func.lprgelemdescParam[i];
    USHORT flags = param.paramdesc.wParamFlags;
    std::string type = TypeText(info, param.tdesc);
    if (flags & PARAMFLAG_FRETVAL) {
      *result = type.substr(0, type.size() - 1);
      continue;
    }
    std::string text = (flags & PARAMFLAG_FOUT) ? "[in, out] " : "[in] ";
    if (flags & PARAMFLAG_FOPT) text.insert(text.size() - 2, ", optional");
    text += type;
    if (static_cast<UINT>(i + 1) < count) text += " " + Narrow(names[i + 1]);
    *parameters += (parameters->empty() ? "" : ", ") + text;
  }
  for (BSTR name : names) SysFreeString(name);
}

void AppendInterface(ITypeInfo* info, const TYPEATTR& attr, std::string* out) {
  Documentation doc = Document(info, MEMBERID_NIL);
  std::string base = "IUnknown";
  HREFTYPE ref = 0;
  ITypeInfo* base_info = nullptr;
  if (attr.cImplTypes > 0 && SUCCEEDED(info->GetRefTypeOfImplType(0, &ref)) &&
      SUCCEEDED(info->GetRefTypeInfo(ref, &base_info))) {
    base = Document(base_info, MEMBERID_NIL).name;
    base_info->Release();
  }
  *out += "### " + doc.name + "\n\n";
  *out += "IID `" + GuidText(attr.guid) + "`, " +
          ((attr.wTypeFlags & TYPEFLAG_FDUAL) ? "dual, " : "") + "derives from `" + base +
          "`" + (doc.help.empty() ? "" : ", help string " + Quoted(doc.help)) + ".\n\n";
  *out += "| Dispatch id | Member | Kind | Vtable slot | Parameters | Result | Help string |\n";
  *out += "|---|---|---|---|---|---|---|\n";
  for (UINT i = 0; i < attr.cFuncs; ++i) {
    FUNCDESC* func = nullptr;
    if (FAILED(info->GetFuncDesc(i, &func))) continue;
    Documentation member = Document(info, func->memid);
    std::string parameters;
    std::string result;
    ParameterTexts(info, *func, &parameters, &result);
    *out += "| " + std::to_string(func->memid) + " | `" + member.name + "` | " +
            KindText(func->invkind) + " | " +
            std::to_string(func->oVft / static_cast<int>(sizeof(void*))) + " | " + parameters +
            " | " + result + " | " + Quoted(member.help) + " |\n";
    info->ReleaseFuncDesc(func);
  }
  *out += "\n";
}

void AppendEnum(ITypeInfo* info, const TYPEATTR& attr, std::string* out) {
  Documentation doc = Document(info, MEMBERID_NIL);
  *out += "### " + doc.name + "\n\n";
  std::string values;
  for (UINT i = 0; i < attr.cVars; ++i) {
    VARDESC* var = nullptr;
    if (FAILED(info->GetVarDesc(i, &var))) continue;
    VARIANT value;
    VariantInit(&value);
    VariantChangeType(&value, var->lpvarValue, 0, VT_I4);
    values += (values.empty() ? "" : ", ") + ("`" + Document(info, var->memid).name) +
              " = " + std::to_string(V_I4(&value)) + "`";
    info->ReleaseVarDesc(var);
  }
  *out += values + (doc.help.empty() ? "" : "; help string " + Quoted(doc.help)) + "\n\n";
}

void AppendClass(ITypeInfo* info, const TYPEATTR& attr, std::string* out) {
  Documentation doc = Document(info, MEMBERID_NIL);
  std::string default_name;
  HREFTYPE ref = 0;
  ITypeInfo* default_info = nullptr;
  if (attr.cImplTypes > 0 && SUCCEEDED(info->GetRefTypeOfImplType(0, &ref)) &&
      SUCCEEDED(info->GetRefTypeInfo(ref, &default_info))) {
    default_name = Document(default_info, MEMBERID_NIL).name;
    default_info->Release();
  }
  *out += "| `" + doc.name + "` | `" + GuidText(attr.guid) + "` | `" + default_name + "` | " +
          Quoted(doc.help) + " |\n";
}

// Calls `append` for each type of the given kind. A dual interface is
// entered as a dispatch interface; its vtable half holds the members.
template <class Append>
void ForEachType(ITypeLib* library, TYPEKIND kind, Append append) {
  for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
    ITypeInfo* info = nullptr;
    if (FAILED(library->GetTypeInfo(i, &info))) continue;
    TYPEATTR* attr = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attr))) {
      ITypeInfo* vtable = nullptr;
      HREFTYPE ref = 0;
      if (kind == TKIND_INTERFACE && attr->typekind == TKIND_DISPATCH &&
          SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)) &&
          SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) {
        TYPEATTR* vtable_attr = nullptr;
        if (SUCCEEDED(vtable->GetTypeAttr(&vtable_attr))) {
          append(vtable, *vtable_attr);
          vtable->ReleaseTypeAttr(vtable_attr);
        }
        vtable->Release();
      } else if (attr->typekind == kind) {
        append(info, *attr);
      }
      info->ReleaseTypeAttr(attr);
    }
    info->Release();
  }
}

}  // namespace

std::string TypeLibraryMarkdown(ITypeLib* library) {
  std::string out;
  TLIBATTR* attr = nullptr;
  BSTR name = nullptr;
  BSTR help = nullptr;
  library->GetDocumentation(-1, &name, &help, nullptr, nullptr);
  if (SUCCEEDED(library->GetLibAttr(&attr))) {
    out += "Type library `" + Narrow(name) + "` `" + GuidText(attr->guid) + "`, version " +
           std::to_string(attr->wMajorVerNum) + "." + std::to_string(attr->wMinorVerNum) +
           ", help string " + Quoted(Narrow(help)) + ".\n\n";
    library->ReleaseTLibAttr(attr);
  }
  SysFreeString(name);
  SysFreeString(help);

  out += "## Classes\n\n| Class | CLSID | Default interface | Help string |\n|---|---|---|---|\n";
  ForEachType(library, TKIND_COCLASS,
              [&](ITypeInfo* info, const TYPEATTR& type) { AppendClass(info, type, &out); });
  out += "\n## Interfaces\n\n";
  out += "Members stand in vtable order; slots 0 to 6 are those of IUnknown and IDispatch. A ";
  out += "property's get and put share one dispatch id.\n\n";
  ForEachType(library, TKIND_INTERFACE,
              [&](ITypeInfo* info, const TYPEATTR& type) { AppendInterface(info, type, &out); });
  out += "## Enumerations\n\n";
  ForEachType(library, TKIND_ENUM,
              [&](ITypeInfo* info, const TYPEATTR& type) { AppendEnum(info, type, &out); });
  return out;
}

}  // namespace tessaly
