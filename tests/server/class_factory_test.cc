// The class factory's rules and the registration entries, in process, with
// object creators and a registry that record what happens.

#include <set>

#include <gtest/gtest.h>

#include "com/class_info.h"
#include "platform/fake/fake_services.h"
#include "sdk/server_state.h"
#include "server/class_factory.h"
#include "server/registration.h"
#include "tests/server/server_test_support.h"
#include "tests/server/test_objects.h"

namespace tessaly {
namespace {

// What the creators below saw and do.
IUnknown* g_outer_seen = nullptr;
const char* g_failure = nullptr;

HRESULT CreateProperties(IUnknown* outer, IUnknown** object) {
  g_outer_seen = outer;
  auto* created = new TestProperties(nullptr, outer);
  *object = created->InnerUnknown();
  return S_OK;
}

// A main object whose construction fails after its base is built.
class FailingObject : public TestProperties {
 public:
  FailingObject() { throw Exception(g_failure); }
};

HRESULT CreateFailing(IUnknown*, IUnknown** object) {
  *object = (new FailingObject)->InnerUnknown();
  return S_OK;
}

HRESULT CreateNothing(IUnknown*, IUnknown** object) {
  *object = nullptr;
  return E_NOTIMPL;
}

class ClassFactoryTest : public ::testing::Test {
 protected:
  ComApartment apartment_;
  RecordingMessageBoxes boxes_;
};

TEST_F(ClassFactoryTest, CreatesObjectsAndKeepsTheAggregationRule) {
  ClassFactory factory(CreateProperties, &boxes_);
  long before = LiveObjectCount();
  EXPECT_EQ(factory.CreateInstance(nullptr, IID_IDispatch, nullptr), E_POINTER);

  ComPtr<IqvDocumentPropertiesX> object;
  ASSERT_EQ(factory.CreateInstance(nullptr, IID_IqvDocumentPropertiesX,
                                   reinterpret_cast<void**>(object.Out())),
            S_OK);
  EXPECT_EQ(LiveObjectCount(), before + 1);
  object.Reset();
  EXPECT_EQ(LiveObjectCount(), before);

  // Under an outer object only IUnknown may be asked for.
  ComPtr<TestProperties> outer_object = MakeAutomationObject<TestProperties>();
  ComPtr<IUnknown> outer;
  ASSERT_EQ(outer_object.As(&outer), S_OK);
  outer_object.Reset();
  void* out = reinterpret_cast<void*>(1);
  g_outer_seen = nullptr;
  EXPECT_EQ(factory.CreateInstance(outer.Get(), IID_IDispatch, &out), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(g_outer_seen, nullptr) << "nothing was constructed";
  ComPtr<IUnknown> inner;
  ASSERT_EQ(factory.CreateInstance(outer.Get(), IID_IUnknown,
                                   reinterpret_cast<void**>(inner.Out())),
            S_OK);
  EXPECT_EQ(g_outer_seen, outer.Get());
  inner.Reset();
  outer.Reset();
  EXPECT_EQ(LiveObjectCount(), before);

  // An interface the object lacks: the object is destroyed again.
  ComPtr<IqvTessaly> missing;
  EXPECT_EQ(factory.CreateInstance(nullptr, IID_IqvTessaly,
                                   reinterpret_cast<void**>(missing.Out())),
            E_NOINTERFACE);
  EXPECT_FALSE(missing);
  EXPECT_EQ(LiveObjectCount(), before);
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(ClassFactoryTest, FailedConstructionShowsTheDaxErrorBox) {
  ClassFactory factory(CreateFailing, &boxes_);
  long before = LiveObjectCount();
  struct Case {
    const char* message;
    const char* shown;
  };
  // "." is appended when the last character sorts above "."; "-" and ")"
  // sort below it.
  const Case cases[] = {{"Cannot open Profiles.qvf", "Cannot open Profiles.qvf."},
                        {"Stopped.", "Stopped."},
                        {"Failed (5)", "Failed (5)"},
                        {"Code -", "Code -"},
                        {"", ""}};
  for (const Case& c : cases) {
    g_failure = c.message;
    boxes_.shown.clear();
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory.CreateInstance(nullptr, IID_IUnknown, &out), E_UNEXPECTED);
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, c.shown);
    EXPECT_EQ(boxes_.shown[0].caption, "DAX Error");
    EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::kError);
    EXPECT_EQ(LiveObjectCount(), before) << "no object is left alive";
  }

  ClassFactory refusing(CreateNothing, &boxes_);
  boxes_.shown.clear();
  void* out = nullptr;
  EXPECT_EQ(refusing.CreateInstance(nullptr, IID_IUnknown, &out), E_NOTIMPL);
  EXPECT_TRUE(boxes_.shown.empty()) << "an HRESULT failure is no construction error";
}

TEST_F(ClassFactoryTest, LocksAndLiveObjectsKeepTheServer) {
  ClassFactory factory(CreateProperties, &boxes_);
  ASSERT_TRUE(ServerCanUnload());
  EXPECT_EQ(factory.LockServer(TRUE), S_OK);
  EXPECT_FALSE(ServerCanUnload());
  EXPECT_EQ(factory.LockServer(FALSE), S_OK);
  EXPECT_TRUE(ServerCanUnload());
  // Every object the server hands out counts, not only main objects: a
  // wrapper alone keeps the code it runs loaded.
  ComPtr<TestProperties> wrapper = MakeAutomationObject<TestProperties>();
  EXPECT_FALSE(ServerCanUnload());
  wrapper.Reset();
  EXPECT_TRUE(ServerCanUnload());
}

TEST(ClassInfoTest, ReadFromTheCoclassEntry) {
  ComApartment apartment;
  ClassInfo info = ReadClassInfo(ServerTypeLibrary(), CLSID_qvTessaly, "TqvTessaly");
  EXPECT_EQ(info.class_name, L"qvTessaly");
  EXPECT_EQ(info.description, L"Orvane Tessaly SDK");
  EXPECT_EQ(info.prog_id, L"TessalySDK.qvTessaly");
  EXPECT_EQ(info.threading_model, L"Both");
  EXPECT_TRUE(IsEqualIID(info.error_iid, IID_IqvTessaly));
  EXPECT_EQ(info.major_version, 1);
  EXPECT_EQ(info.minor_version, 0);

  try {
    ReadClassInfo(ServerTypeLibrary(), IID_IqvTessaly, "TqvOther");
    FAIL() << "an interface is no class";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Incorrect type information for class TqvOther");
  }
  const GUID unknown = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
  try {
    ReadClassInfo(ServerTypeLibrary(), unknown, "TqvOther");
    FAIL() << "unknown class";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Type information missing for class TqvOther");
  }
}

// Records registration steps and keeps the keys written, per view the way
// 64-bit Windows keeps them: CLSID and Interface keys apart in each view,
// every other key shared. Fails the step numbered `fail_at` (1 = the type
// library).
class RecordingRegistry : public ServerRegistry {
 public:
  void RegisterTypeLibrary(ITypeLib*, const std::wstring& path,
                           const std::wstring& help_directory) override {
    Step(L"typelib " + path + L" " + help_directory);
  }
  void SetValue(RegistryView view, const RegistryValue& value) override {
    Step(value.key + L" [" + value.name + L"] = " + value.value);
    keys.insert(Stored(view, value.key));
  }
  void UnregisterTypeLibrary(const ClassInfo&) override { steps.push_back(L"untypelib"); }
  void DeleteKey(RegistryView view, const std::wstring& key) override {
    steps.push_back(L"delete " + key);
    keys.erase(Stored(view, key));
  }
  bool KeyExists(RegistryView view, const std::wstring& key) override {
    return keys.count(Stored(view, key)) > 0;
  }

  std::vector<std::wstring> steps;
  std::set<std::wstring> keys;  // "32:" or "64:" before a key of one view
  size_t fail_at = 0;

 private:
  static std::wstring Stored(RegistryView view, const std::wstring& key) {
    bool apart = key.rfind(L"CLSID\\", 0) == 0 || key.rfind(L"Interface\\", 0) == 0;
    if (!apart) return key;
    return (view == RegistryView::k32 ? L"32:" : L"64:") + key;
  }
  void Step(const std::wstring& text) {
    if (steps.size() + 1 == fail_at) throw Exception("Error creating system registry entry");
    steps.push_back(text);
  }
};

TEST(RegistrationTest, WritesTheKeysInOrderAndStopsAtAFailure) {
  ComApartment apartment;
  ClassInfo info = ReadClassInfo(ServerTypeLibrary(), CLSID_qvTessaly, "TqvTessaly");
  const std::wstring clsid = L"CLSID\\{F0D64DBE-D348-41CF-BD43-F87BC3D44B68}";
  const std::vector<std::wstring> expected = {
      L"typelib C:\\windows\\system32\\kernel32.dll C:\\windows\\system32",
      clsid + L" [] = Orvane Tessaly SDK",
      clsid + L"\\InprocServer32 [] = C:\\windows\\system32\\kernel32.dll",
      clsid + L"\\InprocServer32 [ThreadingModel] = Both",
      L"TessalySDK.qvTessaly [] = Orvane Tessaly SDK",
      L"TessalySDK.qvTessaly\\Clsid [] = {F0D64DBE-D348-41CF-BD43-F87BC3D44B68}",
      clsid + L"\\ProgID [] = TessalySDK.qvTessaly",
      clsid + L"\\Version [] = 1.0",
      clsid + L"\\TypeLib [] = {43F3BC4A-5256-4A18-A684-1473885FD957}",
  };
  RecordingRegistry registry;
  RegisterServer(info, ServerTypeLibrary(), L"C:\\windows\\system32\\kernel32.dll", registry);
  EXPECT_EQ(registry.steps, expected);

  for (size_t fail_at : {1u, 4u, 9u}) {
    RecordingRegistry failing;
    failing.fail_at = fail_at;
    EXPECT_THROW(RegisterServer(info, ServerTypeLibrary(), L"C:\\windows\\system32\\kernel32.dll",
                                failing),
                 Exception);
    EXPECT_EQ(failing.steps,
              std::vector<std::wstring>(expected.begin(), expected.begin() + (fail_at - 1)))
        << "steps before the failure stay done";
  }
}

TEST(RegistrationTest, UnregistrationDeletesSubkeysFirst) {
  ComApartment apartment;
  ClassInfo info = ReadClassInfo(ServerTypeLibrary(), CLSID_qvTessaly, "TqvTessaly");
  const std::wstring clsid = L"CLSID\\{F0D64DBE-D348-41CF-BD43-F87BC3D44B68}";
  RecordingRegistry registry;
  UnregisterServer(info, registry);
  const std::vector<std::wstring> expected = {
      L"untypelib",
      L"delete " + clsid + L"\\TypeLib",
      L"delete " + clsid + L"\\Version",
      L"delete " + clsid + L"\\ProgID",
      L"delete TessalySDK.qvTessaly\\Clsid",
      L"delete TessalySDK.qvTessaly",
      L"delete " + clsid + L"\\InprocServer32",
      L"delete " + clsid,
  };
  EXPECT_EQ(registry.steps, expected);
}

// Both DLLs registered side by side on 64-bit Windows: unregistering either
// leaves every key the other reads; unregistering the second leaves nothing.
TEST(RegistrationTest, EachViewKeepsWhatTheOtherNeeds) {
  ComApartment apartment;
  ClassInfo info64 = ReadClassInfo(ServerTypeLibrary(), CLSID_qvTessaly, "TqvTessaly");
  ClassInfo info32 = info64;
  info32.syskind = SYS_WIN32;
  info64.syskind = SYS_WIN64;
  const std::wstring path32 = L"C:\\Program Files (x86)\\TessalySDK.dll";
  const std::wstring path64 = L"C:\\Program Files\\TessalySDK.dll";
  struct Case {
    const ClassInfo& gone;
    const ClassInfo& kept;
    RegistryView gone_view;
    RegistryView kept_view;
  };
  const Case cases[] = {{info32, info64, RegistryView::k32, RegistryView::k64},
                        {info64, info32, RegistryView::k64, RegistryView::k32}};
  for (const Case& c : cases) {
    RecordingRegistry registry;
    RegisterServer(info32, ServerTypeLibrary(), path32, registry);
    RegisterServer(info64, ServerTypeLibrary(), path64, registry);
    UnregisterServer(c.gone, registry);
    for (const RegistryValue& value : ClassRegistryValues(c.kept, L"")) {
      EXPECT_TRUE(registry.KeyExists(c.kept_view, value.key)) << std::string(
          value.key.begin(), value.key.end());
    }
    EXPECT_FALSE(registry.KeyExists(c.gone_view, ClassRegistryKeys(c.gone).back()));
    UnregisterServer(c.kept, registry);
    EXPECT_TRUE(registry.keys.empty()) << "the second unregistration removes the shared keys";
  }
}

TEST(RegistrationTest, PathsWithABlankGoInShortForm) {
  EXPECT_EQ(InprocServerPath(L"C:\\windows\\system32\\kernel32.dll"),
            L"C:\\windows\\system32\\kernel32.dll");

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"tessaly server test";
  CreateDirectoryW(folder.c_str(), nullptr);
  std::wstring file = folder + L"\\Tessaly Server.dll";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);

  std::wstring inproc = InprocServerPath(file);
  EXPECT_EQ(inproc.find(L' '), std::wstring::npos) << std::string(inproc.begin(), inproc.end());
  wchar_t long_form[MAX_PATH];
  ASSERT_NE(GetLongPathNameW(inproc.c_str(), long_form, MAX_PATH), 0u);
  wchar_t expected[MAX_PATH];
  GetLongPathNameW(file.c_str(), expected, MAX_PATH);
  EXPECT_EQ(std::wstring(long_form), std::wstring(expected)) << "the same file";

  DeleteFileW(file.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace tessaly
