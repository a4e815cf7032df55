// TessalySDK.dll as COM clients meet it: registered with regsvr32 in the
// throwaway prefix, created by CLSID and by ProgID, its class object and
// DllCanUnloadNow, registration and unregistration twice, the short path of
// a copy in a folder with a blank, and registration beside the DLL of the
// other width.

#include <windows.h>

#include <ocidl.h>

#include <gtest/gtest.h>

#include "com/com_ptr.h"
#include "com/class_info.h"
#include "com/com_text.h"
#include "server/registration.h"
#include "tests/server/server_test_support.h"
#include "typelib/TessalySDK.h"

namespace tessaly {
namespace {

const wchar_t kClsidKey[] = L"CLSID\\{F0D64DBE-D348-41CF-BD43-F87BC3D44B68}";

std::wstring LongPath(const std::wstring& path) {
  wchar_t out[MAX_PATH] = {0};
  return GetLongPathNameW(path.c_str(), out, MAX_PATH) ? out : path;
}

void ExpectRegistered(const std::wstring& inproc_path) {
  const std::wstring clsid = kClsidKey;
  EXPECT_EQ(ReadClassesRootValue(clsid, L""), L"Orvane Tessaly SDK");
  EXPECT_EQ(ReadClassesRootValue(clsid + L"\\InprocServer32", L""), inproc_path);
  EXPECT_EQ(ReadClassesRootValue(clsid + L"\\InprocServer32", L"ThreadingModel"), L"Both");
  EXPECT_EQ(ReadClassesRootValue(clsid + L"\\ProgID", L""), L"TessalySDK.qvTessaly");
  EXPECT_EQ(ReadClassesRootValue(clsid + L"\\Version", L""), L"1.0");
  EXPECT_EQ(ReadClassesRootValue(clsid + L"\\TypeLib", L""),
            L"{43F3BC4A-5256-4A18-A684-1473885FD957}");
  EXPECT_EQ(ReadClassesRootValue(L"TessalySDK.qvTessaly", L""), L"Orvane Tessaly SDK");
  EXPECT_EQ(ReadClassesRootValue(L"TessalySDK.qvTessaly\\Clsid", L""),
            L"{F0D64DBE-D348-41CF-BD43-F87BC3D44B68}");
}

class ServerDllTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(RunRegsvr32(ServerDllPath()), 0u); }
  ComApartment apartment_;
};

TEST_F(ServerDllTest, RegistersTwiceAndUnregistersTwice) {
  ASSERT_EQ(RunRegsvr32(ServerDllPath()), 0u) << "a second registration";
  ExpectRegistered(ServerDllPath());
  ComPtr<ITypeLib> library;
  EXPECT_EQ(LoadRegTypeLib(LIBID_TessalySDK, 1, 0, 0x0409, library.Out()), S_OK);
  library.Reset();

  EXPECT_EQ(RunRegsvr32(ServerDllPath(), true), 0u);
  EXPECT_EQ(RunRegsvr32(ServerDllPath(), true), 0u) << "unregistering what is gone succeeds";
  EXPECT_FALSE(ClassesRootKeyExists(kClsidKey));
  EXPECT_FALSE(ClassesRootKeyExists(L"TessalySDK.qvTessaly"));
  EXPECT_NE(LoadRegTypeLib(LIBID_TessalySDK, 1, 0, 0x0409, library.Out()), S_OK);
  CLSID clsid;
  EXPECT_NE(CLSIDFromProgID(L"TessalySDK.qvTessaly", &clsid), S_OK);

  ASSERT_EQ(RunRegsvr32(ServerDllPath()), 0u);
  ExpectRegistered(ServerDllPath());
}

TEST_F(ServerDllTest, CopyInAFolderWithABlankRegistersItsShortPath) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"tessaly dll test";
  std::wstring copy = folder + L"\\TessalySDK.dll";
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(ServerDllPath().c_str(), copy.c_str(), FALSE));

  ASSERT_EQ(RunRegsvr32(copy), 0u);
  std::wstring inproc =
      ReadClassesRootValue(std::wstring(kClsidKey) + L"\\InprocServer32", L"");
  EXPECT_EQ(inproc.find(L' '), std::wstring::npos);
  EXPECT_EQ(LongPath(inproc), LongPath(copy));
  ExpectRegistered(inproc);
  BSTR library_path = nullptr;
  ASSERT_EQ(QueryPathOfRegTypeLib(LIBID_TessalySDK, 1, 0, 0x0409, &library_path), S_OK);
  EXPECT_EQ(FromBstr(library_path), LongPath(copy)) << "the type library's path is the long one";
  SysFreeString(library_path);

  ASSERT_EQ(RunRegsvr32(ServerDllPath()), 0u);
  DeleteFileW(copy.c_str());
  RemoveDirectoryW(folder.c_str());
}

// The DLL loaded directly, as COM loads it.
class LoadedServer {
 public:
  LoadedServer() : module_(LoadLibraryW(ServerDllPath().c_str())) {
    get_class_object = reinterpret_cast<decltype(get_class_object)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    can_unload_now = reinterpret_cast<decltype(can_unload_now)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
  }
  ~LoadedServer() { FreeLibrary(module_); }
  LoadedServer(const LoadedServer&) = delete;
  LoadedServer& operator=(const LoadedServer&) = delete;

  HRESULT(STDAPICALLTYPE* get_class_object)(REFCLSID, REFIID, void**) = nullptr;
  HRESULT(STDAPICALLTYPE* can_unload_now)() = nullptr;

 private:
  HMODULE module_;
};

TEST_F(ServerDllTest, ClassObjectAndUnloading) {
  ScopedInstallFolder install;
  LoadedServer server;
  ASSERT_NE(server.get_class_object, nullptr);
  ASSERT_NE(server.can_unload_now, nullptr);

  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(server.get_class_object(CLSID_qvProfileSettingsX, IID_IClassFactory, &out),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(server.get_class_object(CLSID_qvTessaly, IID_IClassFactory,
                                    reinterpret_cast<void**>(factory.Out())),
            S_OK);
  EXPECT_EQ(server.get_class_object(CLSID_qvTessaly, IID_IDispatch, &out), E_NOINTERFACE);

  EXPECT_EQ(server.can_unload_now(), S_OK);
  factory->LockServer(TRUE);
  EXPECT_EQ(server.can_unload_now(), S_FALSE);
  factory->LockServer(FALSE);
  EXPECT_EQ(server.can_unload_now(), S_OK);

  ComPtr<IqvTessaly> tessaly;
  HRESULT hr = factory->CreateInstance(nullptr, IID_IqvTessaly,
                                       reinterpret_cast<void**>(tessaly.Out()));
  if (hr == E_NOTIMPL) GTEST_SKIP() << "the main object is not part of this build";
  ASSERT_EQ(hr, S_OK);
  EXPECT_EQ(server.can_unload_now(), S_FALSE);
  ComPtr<IqvProfileSettingsX> settings;
  ASSERT_EQ(tessaly->get_CurrentProfile(settings.Out()), S_OK);
  tessaly.Reset();
  // A settings object alone still runs the DLL's code.
  EXPECT_EQ(server.can_unload_now(), S_FALSE);
  settings.Reset();
  EXPECT_EQ(server.can_unload_now(), S_OK);

  ComPtr<IUnknown> aggregated;
  EXPECT_EQ(factory->CreateInstance(factory.Get(), IID_IDispatch,
                                    reinterpret_cast<void**>(aggregated.Out())),
            CLASS_E_NOAGGREGATION);
}

TEST_F(ServerDllTest, CreatedByClsidAndByProgId) {
  ScopedInstallFolder install;
  ComPtr<IqvTessaly> by_clsid;
  HRESULT hr = CoCreateInstance(CLSID_qvTessaly, nullptr, CLSCTX_INPROC_SERVER, IID_IqvTessaly,
                                reinterpret_cast<void**>(by_clsid.Out()));
  if (hr == E_NOTIMPL) GTEST_SKIP() << "the main object is not part of this build";
  ASSERT_EQ(hr, S_OK);

  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID(L"TessalySDK.qvTessaly", &clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_qvTessaly));
  ComPtr<IDispatch> by_prog_id;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(by_prog_id.Out())),
            S_OK);

  // Names and calls through the type information.
  LPOLESTR name[] = {const_cast<LPOLESTR>(L"PrinterName")};
  DISPID id = 0;
  ASSERT_EQ(by_prog_id->GetIDsOfNames(IID_NULL, name, 1, 0, &id), S_OK);
  EXPECT_EQ(id, 211);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(by_prog_id->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                               nullptr),
            S_OK);
  EXPECT_EQ(FromBstr(V_BSTR(&result)), L"Orvane Tessaly");
  VariantClear(&result);

  // The main object's errors name their source and interface.
  BSTR missing = SysAllocString(L"No such profile");
  VARIANT_BOOL deleted = 5;
  EXPECT_EQ(by_clsid->DeleteProfile(missing, &deleted), static_cast<HRESULT>(0x80041B00));
  SysFreeString(missing);
  EXPECT_EQ(deleted, 5) << "not written on failure";
  ErrorObject error = TakeErrorObject();
  EXPECT_TRUE(IsEqualGUID(error.guid, IID_IqvTessaly));
  EXPECT_EQ(error.source, L"TessalySDK.qvTessaly");
  EXPECT_EQ(error.help_context, 6400u);
  EXPECT_EQ(error.description, L"The profile by specified name does not exists.");

  ComPtr<IProvideClassInfo> provide;
  ASSERT_EQ(by_clsid.As(&provide), S_OK);
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(provide->GetClassInfo(coclass.Out()), S_OK);
  TYPEATTR* attr = nullptr;
  coclass->GetTypeAttr(&attr);
  EXPECT_TRUE(IsEqualGUID(attr->guid, CLSID_qvTessaly));
  coclass->ReleaseTypeAttr(attr);
  ComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(by_clsid.As(&support), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IqvTessaly), S_OK);
}

// The 64-bit DLL registered by regsvr32 beside the class of the 32-bit DLL
// in the 32-bit view: unregistering either leaves the other registered, and
// the class is created by ProgID in this process's view.
TEST_F(ServerDllTest, SideBySideWithThe32BitView) {
  if (sizeof(void*) != 8) GTEST_SKIP() << "a 64-bit program sees both views";
  ScopedInstallFolder install;
  ComPtr<ITypeLib> library;
  ASSERT_EQ(LoadTypeLibEx(ServerDllPath().c_str(), REGKIND_NONE, library.Out()), S_OK);
  ClassInfo info32 = ReadClassInfo(library.Get(), CLSID_qvTessaly, "TqvTessaly");
  info32.syskind = SYS_WIN32;
  const std::wstring path32 = L"C:\\Program Files (x86)\\Tessaly\\TessalySDK.dll";
  Win32ServerRegistry registry;
  auto register32 = [&] {
    for (const RegistryValue& value : ClassRegistryValues(info32, path32)) {
      registry.SetValue(RegistryView::k32, value);
    }
  };

  register32();
  ASSERT_EQ(RunRegsvr32(ServerDllPath(), true), 0u);
  for (const RegistryValue& value : ClassRegistryValues(info32, path32)) {
    EXPECT_TRUE(registry.KeyExists(RegistryView::k32, value.key))
        << std::string(value.key.begin(), value.key.end());
  }
  EXPECT_FALSE(registry.KeyExists(RegistryView::k64, std::wstring(kClsidKey)));

  ASSERT_EQ(RunRegsvr32(ServerDllPath()), 0u);
  UnregisterServer(info32, registry);
  EXPECT_FALSE(registry.KeyExists(RegistryView::k32, std::wstring(kClsidKey)));
  ExpectRegistered(ServerDllPath());
  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID(L"TessalySDK.qvTessaly", &clsid), S_OK);
  ComPtr<IDispatch> created;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(created.Out()));
  if (hr == E_NOTIMPL) GTEST_SKIP() << "the main object is not part of this build";
  EXPECT_EQ(hr, S_OK);
  created.Reset();

  // Wine keeps a ProgID of each view apart: with neither class left, the
  // second unregistration takes the 32-bit view's copy too.
  ASSERT_EQ(RunRegsvr32(ServerDllPath(), true), 0u);
  UnregisterServer(info32, registry);
  EXPECT_FALSE(registry.KeyExists(RegistryView::k32, L"TessalySDK.qvTessaly"));
  ASSERT_EQ(RunRegsvr32(ServerDllPath()), 0u);
}

}  // namespace
}  // namespace tessaly
