// TessalySDK.dll against a hostile caller: every member of every object the
// main object hands out is invoked through IDispatch with wrong argument
// counts and wrong VARIANTs, from a fixed seed and a fixed number of calls,
// in an installation folder of its own. Every answer must be an HRESULT
// (with the exception filled where the member raised one), and the store
// files must still decode afterwards. The print members and the default
// printer's are left out: they would print or change the printer. The
// annotation lists and the document properties, which no member hands out,
// are made in this process over the same installation, as the main object
// makes its own, and called the same way.

#include <windows.h>

#include <oaidl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "common/store_codec.h"
#include "main_object/tessaly.h"
#include "platform/env.h"
#include "sdk/annotation_x.h"
#include "tests/server/server_test_support.h"
#include "typelib/TessalySDK.h"

namespace tessaly {
namespace {

constexpr int kCalls = 4000;
constexpr size_t kHugeBstrChars = 8u << 20;  // 16 MiB

struct Member {
  std::wstring name;
  DISPID id = 0;
  WORD flags = 0;
  UINT arguments = 0;  // without the [out, retval] one
  std::vector<VARTYPE> types;
};

struct Object {
  ComPtr<IDispatch> dispatch;
  std::wstring interface_name;
  std::vector<Member> members;
};

bool Skipped(const std::wstring& name) {
  return name.rfind(L"Print", 0) == 0 || name == L"SetAsDefaultPrinter" ||
         name == L"RestoreDefaultPrinter";
}

// An IDispatch of no interest to the server: what a caller passes by mistake.
class ForeignObject : public IDispatch {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch)) return E_NOINTERFACE;
    *out = this;
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};

std::wstring InterfaceName(IDispatch* dispatch) {
  ComPtr<ITypeInfo> info;
  BSTR name = nullptr;
  if (FAILED(dispatch->GetTypeInfo(0, 0, info.Out())) ||
      FAILED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)))
    return L"";
  std::wstring text(name, SysStringLen(name));
  SysFreeString(name);
  return text;
}

std::vector<Member> MembersOf(IDispatch* dispatch) {
  std::vector<Member> members;
  ComPtr<ITypeInfo> info;
  if (FAILED(dispatch->GetTypeInfo(0, 0, info.Out()))) return members;
  TYPEATTR* attributes = nullptr;
  info->GetTypeAttr(&attributes);
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    FUNCDESC* function = nullptr;
    if (FAILED(info->GetFuncDesc(i, &function))) continue;
    BSTR name = nullptr;
    UINT names = 0;
    info->GetNames(function->memid, &name, 1, &names);
    Member member;
    member.name.assign(name, SysStringLen(name));
    SysFreeString(name);
    member.id = function->memid;
    member.flags = static_cast<WORD>(function->invkind);
    for (SHORT p = 0; p < function->cParams; ++p) {
      const ELEMDESC& parameter = function->lprgelemdescParam[p];
      if (parameter.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) continue;
      member.types.push_back(parameter.tdesc.vt);
    }
    member.arguments = static_cast<UINT>(member.types.size());
    info->ReleaseFuncDesc(function);
    // IDispatch's own members are the base's, not the server's.
    if (member.id < 0 || member.id >= 0x60000000 || Skipped(member.name)) continue;
    members.push_back(member);
  }
  info->ReleaseTypeAttr(attributes);
  return members;
}

// A VARIANT a polite caller would pass for a parameter of type `vt`.
VARIANT PoliteArgument(VARTYPE vt) {
  VARIANT v;
  VariantInit(&v);
  if (vt == VT_BSTR) {
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(L"Hostile");
  } else if (vt == VT_BOOL) {
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = VARIANT_FALSE;
  } else if (vt == VT_R8 || vt == VT_R4) {
    V_VT(&v) = VT_R8;
    V_R8(&v) = 1;
  } else if (vt != VT_VARIANT) {
    V_VT(&v) = VT_I4;
    V_I4(&v) = 0;
  }
  return v;
}

HRESULT Call(IDispatch* dispatch, const Member& member, WORD flags, std::vector<VARIANT>* args,
             VARIANT* result, EXCEPINFO* exception) {
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{args->empty() ? nullptr : args->data(), nullptr,
                    static_cast<UINT>(args->size()), 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF) && !args->empty()) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  UINT bad_argument = 0;
  return dispatch->Invoke(member.id, IID_NULL, 0, flags, &params, result, exception,
                          &bad_argument);
}

void ClearException(EXCEPINFO* exception) {
  SysFreeString(exception->bstrSource);
  SysFreeString(exception->bstrDescription);
  SysFreeString(exception->bstrHelpFile);
  *exception = EXCEPINFO{};
}

// The objects the main object hands out: every member that is not a put,
// called politely once, whose result is an object of an interface of the
// library (`interfaces`; a font is not the server's) not yet reached.
std::vector<Object> ReachObjects(IDispatch* main, const std::set<std::wstring>& interfaces) {
  std::vector<Object> objects;
  std::set<std::wstring> reached;
  objects.push_back({ComPtr<IDispatch>::Share(main), InterfaceName(main), MembersOf(main)});
  reached.insert(objects[0].interface_name);
  for (size_t o = 0; o < objects.size(); ++o) {
    for (const Member& member : std::vector<Member>(objects[o].members)) {
      if (member.flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) continue;
      std::vector<VARIANT> args;
      for (auto t = member.types.rbegin(); t != member.types.rend(); ++t)
        args.push_back(PoliteArgument(*t));
      VARIANT result;
      VariantInit(&result);
      EXCEPINFO exception{};
      Call(objects[o].dispatch.Get(), member, member.flags, &args, &result, &exception);
      ClearException(&exception);
      for (VARIANT& arg : args) VariantClear(&arg);
      if (V_VT(&result) == VT_DISPATCH && V_DISPATCH(&result)) {
        std::wstring name = InterfaceName(V_DISPATCH(&result));
        if (interfaces.count(name) && reached.insert(name).second)
          objects.push_back({ComPtr<IDispatch>::Share(V_DISPATCH(&result)), name,
                             MembersOf(V_DISPATCH(&result))});
      }
      VariantClear(&result);
    }
  }
  return objects;
}

// The wrong VARIANTs, made anew for each call (Invoke may coerce them).
class HostileArguments {
 public:
  HostileArguments() : huge_(SysAllocStringLen(nullptr, kHugeBstrChars)) {
    for (size_t i = 0; i < kHugeBstrChars; ++i) huge_[i] = L'A' + i % 26;
  }
  ~HostileArguments() { SysFreeString(huge_); }
  HostileArguments(const HostileArguments&) = delete;
  HostileArguments& operator=(const HostileArguments&) = delete;

  VARIANT Make(std::mt19937& random) {
    VARIANT v;
    VariantInit(&v);
    switch (random() % 14) {
      case 0: break;  // VT_EMPTY
      case 1: V_VT(&v) = VT_NULL; break;
      case 2: V_VT(&v) = VT_ERROR; V_ERROR(&v) = DISP_E_PARAMNOTFOUND; break;
      case 3:
        V_VT(&v) = VT_DISPATCH;
        V_DISPATCH(&v) = &foreign_;
        break;
      case 4: {
        SAFEARRAYBOUND bound{3, 0};
        V_VT(&v) = VT_ARRAY | VT_VARIANT;
        V_ARRAY(&v) = SafeArrayCreate(VT_VARIANT, 1, &bound);
        break;
      }
      case 5: {
        SAFEARRAYBOUND bound{2, static_cast<LONG>(-5)};
        V_VT(&v) = VT_ARRAY | VT_BSTR;
        V_ARRAY(&v) = SafeArrayCreate(VT_BSTR, 1, &bound);
        break;
      }
      case 6:
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = SysAllocStringLen(L"a\0b\0[General Settings]\r\nx=1", 27);
        break;
      case 7:
        // The huge text only now and then: each one is copied by coercion.
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = random() % 8 == 0 ? SysAllocStringLen(huge_, kHugeBstrChars)
                                       : SysAllocString(L"");
        break;
      case 8: V_VT(&v) = VT_I4; V_I4(&v) = -1; break;
      case 9: V_VT(&v) = VT_I4; V_I4(&v) = INT32_MIN; break;
      case 10: V_VT(&v) = VT_I4; V_I4(&v) = INT32_MAX; break;
      case 11: V_VT(&v) = VT_R8; V_R8(&v) = 1e300; break;
      case 12: V_VT(&v) = VT_I4; V_I4(&v) = static_cast<LONG>(random() % 5); break;
      default: V_VT(&v) = VT_BSTR; V_BSTR(&v) = SysAllocString(L"PDF - Best Quality"); break;
    }
    return v;
  }

 private:
  BSTR huge_;
  ForeignObject foreign_;
};

std::string FileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

class HostileCallerTest : public ::testing::Test {
 protected:
  ComApartment apartment_;
  ScopedInstallFolder install_;
};

TEST_F(HostileCallerTest, EveryMemberAnswersWrongArgumentsWithAnHresult) {
  ComPtr<ITypeLib> library;
  ASSERT_EQ(LoadTypeLibEx(ServerDllPath().c_str(), REGKIND_NONE, library.Out()), S_OK);
  HMODULE dll = LoadLibraryW(ServerDllPath().c_str());
  ASSERT_NE(dll, nullptr);
  auto get_class_object = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
  ASSERT_NE(get_class_object, nullptr);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(get_class_object(CLSID_qvTessaly, IID_IClassFactory,
                             reinterpret_cast<void**>(factory.Out())),
            S_OK);
  ComPtr<IDispatch> main;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(main.Out())),
            S_OK);

  // A NULL out pointer through the vtable.
  ComPtr<IqvTessaly> tessaly;
  ASSERT_EQ(main->QueryInterface(IID_IqvTessaly, reinterpret_cast<void**>(tessaly.Out())), S_OK);
  EXPECT_EQ(tessaly->get_PrinterName(nullptr), E_POINTER);
  EXPECT_EQ(tessaly->get_ShowPreview(nullptr), E_POINTER);
  EXPECT_EQ(tessaly->GetProfilesList(nullptr), E_POINTER);
  EXPECT_EQ(tessaly->CreateNewProfile(nullptr, nullptr), E_POINTER);

  std::set<std::wstring> interfaces;
  for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    BSTR name = nullptr;
    library->GetTypeInfoType(i, &kind);
    library->GetDocumentation(static_cast<INT>(i), &name, nullptr, nullptr, nullptr);
    if (kind == TKIND_DISPATCH) interfaces.insert(std::wstring(name, SysStringLen(name)));
    SysFreeString(name);
  }
  std::vector<Object> objects = ReachObjects(main.Get(), interfaces);
  auto core = std::make_unique<TqvTessaly>(DefaultEnv());
  TqvAnnotationObjectsX annotations =
      CreateAnnotationObjectsX(core->manager(), core->owner(), *DefaultEnv().code_page);
  for (IDispatch* unreached :
       std::initializer_list<IDispatch*>{annotations.bookmarks.Get(), annotations.hyperlinks.Get(),
                                         annotations.notes.Get(),
                                         annotations.document_properties.Get()}) {
    objects.push_back({ComPtr<IDispatch>::Share(unreached), InterfaceName(unreached),
                       MembersOf(unreached)});
  }
  std::set<std::wstring> missing = interfaces;
  for (const Object& object : objects) missing.erase(object.interface_name);
  // No object is only a watermark: its members come with the text and the
  // image watermarks, which derive from it.
  missing.erase(L"IqvWatermarkX");
  for (const std::wstring& name : missing) ADD_FAILURE() << std::string(name.begin(), name.end());
  for (const Object& object : objects) ASSERT_FALSE(object.members.empty());

  std::mt19937 random(20240611);
  HostileArguments hostile;
  std::map<HRESULT, int> answers;
  for (int call = 0; call < kCalls; ++call) {
    Object& object = objects[random() % objects.size()];
    const Member& member = object.members[random() % object.members.size()];
    UINT count = member.arguments;
    switch (random() % 4) {
      case 0: count = member.arguments + 1 + random() % 2; break;
      case 1: count = member.arguments > 0 ? member.arguments - 1 : 3; break;
      default: break;
    }
    std::vector<VARIANT> args;
    for (UINT i = 0; i < count; ++i) args.push_back(hostile.Make(random));
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    const HRESULT hr = Call(object.dispatch.Get(), member, member.flags, &args, &result,
                            &exception);
    ++answers[hr];
    // Success, or a failure code.
    EXPECT_TRUE(hr == S_OK || FAILED(hr))
        << std::hex << hr << " from " << std::string(member.name.begin(), member.name.end());
    if (hr == DISP_E_EXCEPTION) {
      // The member's error object, as the dispatcher hands it over.
      EXPECT_TRUE(FAILED(exception.scode) && SysStringLen(exception.bstrDescription) > 0)
          << std::string(member.name.begin(), member.name.end());
    }
    ClearException(&exception);
    TakeErrorObject();
    VariantClear(&result);
    for (VARIANT& arg : args) VariantClear(&arg);
  }
  std::string summary;
  for (const auto& [hr, times] : answers) {
    char line[48];
    snprintf(line, sizeof line, " %08lx:%d", static_cast<unsigned long>(hr), times);
    summary += line;
  }
  std::string reached;
  for (const Object& object : objects)
    reached += " " + std::string(object.interface_name.begin(), object.interface_name.end());
  std::printf("hostile calls: %d over%s; answers%s\n", kCalls, reached.c_str(), summary.c_str());

  // The process is alive; the stores written at the end still decode.
  tessaly.Reset();
  objects.clear();
  annotations = TqvAnnotationObjectsX{};
  core.reset();
  main.Reset();
  factory.Reset();
  for (const wchar_t* file : {L"\\Profiles\\Profiles.qvf", L"\\Profiles\\PlugIn.qvf"}) {
    const std::string bytes = FileBytes(install_.path() + file);
    EXPECT_FALSE(bytes.empty());
    EXPECT_NO_THROW(DecodeStore(bytes));
  }
}

}  // namespace
}  // namespace tessaly
