// The registered type library against its contract: identity, the order of
// its types, every enumeration value, interface, class and member with its
// dispatch id and parameter types, and the rules that widl does not check
// (one dispatch id per member, names unique without regard to case).

#include <windows.h>

#include <oaidl.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "addin/addin_members.h"
#include "com/com_ptr.h"
#include "profiles/general_settings.h"
#include "profiles/profile_keys.h"
#include "tests/server/server_test_support.h"
#include "tests/server/type_library_expected.h"
#include "typelib/TessalySDK.h"

namespace tessaly {
namespace {

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text && *text; ++text) out += static_cast<char>(*text);
  return out;
}

std::string GuidString(const GUID& guid) {
  wchar_t text[40] = {0};
  StringFromGUID2(guid, text, 40);
  return Narrow(text);
}

std::string NameOf(ITypeInfo* info, MEMBERID member = MEMBERID_NIL,
                   std::string* help_string = nullptr) {
  BSTR name = nullptr, doc = nullptr;
  info->GetDocumentation(member, &name, &doc, nullptr, nullptr);
  std::string out = Narrow(name);
  if (help_string) *help_string = Narrow(doc);
  SysFreeString(name);
  SysFreeString(doc);
  return out;
}

std::string LibraryNameOf(ITypeInfo* info) {
  ComPtr<ITypeLib> library;
  UINT index = 0;
  if (FAILED(info->GetContainingTypeLib(library.Out(), &index))) return "?";
  BSTR name = nullptr;
  library->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
  std::string out = Narrow(name);
  SysFreeString(name);
  return out;
}

// A type as the contract writes it; types of other libraries carry their
// library's name ("stdole.OLE_COLOR").
std::string TypeText(ITypeInfo* owner, const TYPEDESC& type) {
  switch (type.vt) {
    case VT_BSTR: return "BSTR";
    case VT_BOOL: return "VARIANT_BOOL";
    case VT_I4: return "long";
    case VT_R8: return "double";
    case VT_VARIANT: return "VARIANT";
    case VT_DISPATCH: return "IDispatch*";
    case VT_UNKNOWN: return "IUnknown*";
    case VT_PTR: return TypeText(owner, *type.lptdesc) + "*";
    case VT_USERDEFINED: {
      ComPtr<ITypeInfo> ref;
      if (FAILED(owner->GetRefTypeInfo(type.hreftype, ref.Out()))) return "?";
      std::string library = LibraryNameOf(ref.Get());
      return (library == "TessalySDK" ? "" : library + ".") + NameOf(ref.Get());
    }
    default: return "vt" + std::to_string(type.vt);
  }
}

struct Member {
  std::string line;  // "dispid kind Name(parameters) result"
  std::string name;
  MEMBERID dispid;
  INVOKEKIND kind;
  SHORT vtable_offset;
  std::string retval_name;
  bool parameters_in = true;  // every parameter but the result is [in]
};

// The members of a vtable interface in vtable order.
std::vector<Member> MembersOf(ITypeInfo* info) {
  std::vector<Member> out;
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return out;
  WORD count = attr->cFuncs;
  info->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    FUNCDESC* func = nullptr;
    if (FAILED(info->GetFuncDesc(i, &func))) continue;
    Member m;
    m.name = NameOf(info, func->memid);
    m.dispid = func->memid;
    m.kind = func->invkind;
    m.vtable_offset = func->oVft;
    BSTR names[32] = {nullptr};
    UINT named = 0;
    info->GetNames(func->memid, names, 32, &named);
    std::string parameters, result;
    for (SHORT p = 0; p < func->cParams; ++p) {
      const ELEMDESC& param = func->lprgelemdescParam[p];
      USHORT flags = param.paramdesc.wParamFlags;
      if (flags & PARAMFLAG_FRETVAL) {
        result = " " + TypeText(info, *param.tdesc.lptdesc);
        m.retval_name = static_cast<UINT>(p + 1) < named ? Narrow(names[p + 1]) : "";
        continue;
      }
      if (!(flags & PARAMFLAG_FIN) || (flags & PARAMFLAG_FOUT)) m.parameters_in = false;
      if (!parameters.empty()) parameters += ", ";
      parameters += TypeText(info, param.tdesc);
      // GetNames answers with the first member of a dispatch id: the get of
      // a property, whose names do not describe the put.
      if (func->invkind != INVOKE_PROPERTYPUT && static_cast<UINT>(p + 1) < named) {
        parameters += " " + Narrow(names[p + 1]);
      }
    }
    for (UINT n = 0; n < named; ++n) SysFreeString(names[n]);
    const char* kind = func->invkind == INVOKE_PROPERTYGET      ? "get"
                       : func->invkind == INVOKE_PROPERTYPUT    ? "put"
                       : func->invkind == INVOKE_PROPERTYPUTREF ? "putref"
                                                                : "func";
    m.line = std::to_string(func->memid) + " " + kind + " " + m.name + "(" + parameters + ")" +
             result;
    info->ReleaseFuncDesc(func);
    out.push_back(m);
  }
  return out;
}

// The vtable information of a dual interface found by name.
ComPtr<ITypeInfo> VtableInfo(ITypeLib* library, const std::string& name) {
  for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
    ComPtr<ITypeInfo> info;
    library->GetTypeInfo(i, info.Out());
    if (NameOf(info.Get()) != name) continue;
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> vtable;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)) &&
        SUCCEEDED(info->GetRefTypeInfo(ref, vtable.Out()))) {
      return vtable;
    }
  }
  return ComPtr<ITypeInfo>();
}

// The rules every interface keeps, whatever its members: each member has
// one dispatch id of its own (a property's get and put share theirs), a get
// comes before its put, no two names differ only in letter case, results
// are [out, retval] Value, and the vtable has no gaps.
std::vector<std::string> RuleBreaches(const std::string& interface_name,
                                      const std::vector<Member>& members, SHORT first_offset) {
  std::vector<std::string> out;
  std::map<MEMBERID, std::string> name_of_id;
  std::map<std::string, std::string> spelling;  // lower case -> first spelling
  std::set<std::string> got;
  SHORT offset = first_offset;
  for (const Member& m : members) {
    std::string where = interface_name + "." + m.name + ": ";
    auto id = name_of_id.emplace(m.dispid, m.name);
    if (!id.second && id.first->second != m.name) {
      out.push_back(where + "dispatch id " + std::to_string(m.dispid) + " is also " +
                    id.first->second + "'s");
    }
    std::string lower = m.name;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    auto first = spelling.emplace(lower, m.name);
    if (!first.second && first.first->second != m.name) {
      out.push_back(where + "differs from " + first.first->second + " only in letter case");
    }
    for (const Member& other : members) {
      if (&other != &m && other.name == m.name && other.dispid != m.dispid) {
        out.push_back(where + "two members of this name have different dispatch ids");
        break;
      }
    }
    if (m.kind == INVOKE_PROPERTYGET) got.insert(m.name);
    if (m.kind == INVOKE_PROPERTYPUT && !got.count(m.name)) out.push_back(where + "put before get");
    if (m.kind != INVOKE_PROPERTYPUT && m.line.back() != ')' && m.retval_name != "Value") {
      out.push_back(where + "result is named '" + m.retval_name + "'");
    }
    if (!m.parameters_in) out.push_back(where + "a parameter is not [in]");
    if (m.vtable_offset != offset) out.push_back(where + "vtable slot out of order");
    offset = static_cast<SHORT>(offset + sizeof(void*));
  }
  return out;
}

// Lists compared line by line, so that a failure names the first
// difference instead of a truncated print of both lists.
void ExpectSameLines(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected, const std::string& what) {
  for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
    std::string a = i < actual.size() ? actual[i] : "(none)";
    std::string e = i < expected.size() ? expected[i] : "(none)";
    if (a != e) {
      ADD_FAILURE() << what << ", line " << i + 1 << ":\n  actual:   " << a
                    << "\n  expected: " << e;
      return;
    }
  }
}

class TypeLibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    registered_ = RunRegsvr32(ServerDllPath()) == 0;
    if (registered_) LoadRegTypeLib(LIBID_TessalySDK, 1, 0, 0x0409, &library_);
  }
  static void TearDownTestSuite() {
    if (library_) library_->Release();
    library_ = nullptr;
    CoUninitialize();
  }
  void SetUp() override {
    ASSERT_TRUE(registered_) << "regsvr32 failed";
    ASSERT_NE(library_, nullptr) << "the registered type library does not load";
  }

  static bool registered_;
  static ITypeLib* library_;
};
bool TypeLibraryTest::registered_ = false;
ITypeLib* TypeLibraryTest::library_ = nullptr;

TEST_F(TypeLibraryTest, IdentityAndRegisteredPath) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(library_->GetLibAttr(&attr), S_OK);
  EXPECT_EQ(GuidString(attr->guid), "{43F3BC4A-5256-4A18-A684-1473885FD957}");
  EXPECT_EQ(attr->wMajorVerNum, 1);
  EXPECT_EQ(attr->wMinorVerNum, 0);
  EXPECT_EQ(attr->lcid, 0x0409u);
  EXPECT_EQ(attr->syskind, sizeof(void*) == 4 ? SYS_WIN32 : SYS_WIN64);
  library_->ReleaseTLibAttr(attr);

  BSTR name = nullptr, doc = nullptr, help_file = nullptr;
  library_->GetDocumentation(-1, &name, &doc, nullptr, &help_file);
  EXPECT_EQ(Narrow(name), "TessalySDK");
  EXPECT_EQ(Narrow(doc), "Orvane Tessaly SDK");
  EXPECT_EQ(Narrow(help_file), "");
  SysFreeString(name);
  SysFreeString(doc);
  SysFreeString(help_file);

  BSTR path = nullptr;
  ASSERT_EQ(QueryPathOfRegTypeLib(LIBID_TessalySDK, 1, 0, 0x0409, &path), S_OK);
  EXPECT_EQ(Narrow(path), Narrow(ServerDllPath().c_str()));
  SysFreeString(path);
}

TEST_F(TypeLibraryTest, TypesComeInLibraryOrder) {
  auto name_of = [](const std::string& line, bool guid_first) {
    size_t start = guid_first ? line.find(' ') + 1 : 0;
    return line.substr(start, line.find(' ', start) - start);
  };
  std::vector<std::string> expected;
  for (const auto& e : kExpectedEnumerations) expected.push_back("enum " + name_of(e, false));
  for (const auto& i : kExpectedInterfaces) expected.push_back("dispatch " + name_of(i, true));
  for (const auto& c : kExpectedClasses) expected.push_back("coclass " + name_of(c, true));

  std::vector<std::string> actual;
  for (UINT i = 0; i < library_->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    library_->GetTypeInfoType(i, &kind);
    ComPtr<ITypeInfo> info;
    library_->GetTypeInfo(i, info.Out());
    const char* kinds[] = {"enum",     "record", "module", "interface",
                           "dispatch", "coclass", "alias", "union"};
    actual.push_back(std::string(kind < 8 ? kinds[kind] : "?") + " " + NameOf(info.Get()));
  }
  ExpectSameLines(actual, expected, "types");
}

TEST_F(TypeLibraryTest, EnumerationsHoldTheirValues) {
  std::vector<std::string> actual;
  for (UINT i = 0; i < library_->GetTypeInfoCount(); ++i) {
    ComPtr<ITypeInfo> info;
    library_->GetTypeInfo(i, info.Out());
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    if (attr->typekind != TKIND_ENUM) {
      info->ReleaseTypeAttr(attr);
      continue;
    }
    std::string line = NameOf(info.Get()) + " " + GuidString(attr->guid);
    EXPECT_EQ(attr->wMajorVerNum, 1) << line;
    for (WORD v = 0; v < attr->cVars; ++v) {
      VARDESC* var = nullptr;
      info->GetVarDesc(v, &var);
      EXPECT_EQ(var->varkind, VAR_CONST);
      EXPECT_EQ(V_VT(var->lpvarValue), VT_I4) << line << ": values are 32-bit";
      line += " " + NameOf(info.Get(), var->memid) + "=" + std::to_string(V_I4(var->lpvarValue));
      info->ReleaseVarDesc(var);
    }
    info->ReleaseTypeAttr(attr);
    actual.push_back(line);
  }
  EXPECT_EQ(actual.size(), 43u);
  ExpectSameLines(actual, kExpectedEnumerations, "enumerations");
}

TEST_F(TypeLibraryTest, InterfacesAreDualAndDispatchable) {
  std::vector<std::string> actual;
  for (UINT i = 0; i < library_->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    library_->GetTypeInfoType(i, &kind);
    if (kind != TKIND_DISPATCH) continue;
    ComPtr<ITypeInfo> info;
    library_->GetTypeInfo(i, info.Out());
    std::string help;
    std::string name = NameOf(info.Get(), MEMBERID_NIL, &help);
    ComPtr<ITypeInfo> vtable = VtableInfo(library_, name);
    ASSERT_TRUE(vtable) << name << " is not dual";
    TYPEATTR* attr = nullptr;
    vtable->GetTypeAttr(&attr);
    WORD wanted = TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE;
    EXPECT_EQ(attr->wTypeFlags & wanted, wanted) << name;
    std::string line = GuidString(attr->guid) + " " + name;
    vtable->ReleaseTypeAttr(attr);
    HREFTYPE base_ref = 0;
    ComPtr<ITypeInfo> base;
    vtable->GetRefTypeOfImplType(0, &base_ref);
    vtable->GetRefTypeInfo(base_ref, base.Out());
    line += " : " + NameOf(base.Get());
    if (!help.empty()) line += " [" + help + "]";
    actual.push_back(line);
  }
  ExpectSameLines(actual, kExpectedInterfaces, "interfaces");
}

TEST_F(TypeLibraryTest, ClassesAreCreatableWithTheirDefaultInterface) {
  std::vector<std::string> actual;
  for (UINT i = 0; i < library_->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    library_->GetTypeInfoType(i, &kind);
    if (kind != TKIND_COCLASS) continue;
    ComPtr<ITypeInfo> info;
    library_->GetTypeInfo(i, info.Out());
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    std::string help;
    std::string line = GuidString(attr->guid) + " " + NameOf(info.Get(), MEMBERID_NIL, &help);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCANCREATE) << line;
    EXPECT_EQ(attr->cImplTypes, 1) << line;
    info->ReleaseTypeAttr(attr);
    INT flags = 0;
    info->GetImplTypeFlags(0, &flags);
    EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT) << line;
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> default_interface;
    info->GetRefTypeOfImplType(0, &ref);
    info->GetRefTypeInfo(ref, default_interface.Out());
    line += " : " + NameOf(default_interface.Get());
    if (!help.empty()) line += " [" + help + "]";
    actual.push_back(line);
  }
  ExpectSameLines(actual, kExpectedClasses, "classes");
}

void ExpectMembers(ITypeLib* library, const std::string& interface_name,
                   const std::vector<std::string>& expected) {
  ComPtr<ITypeInfo> vtable = VtableInfo(library, interface_name);
  ASSERT_TRUE(vtable) << interface_name;
  std::vector<std::string> actual;
  for (const Member& m : MembersOf(vtable.Get())) actual.push_back(m.line);
  ExpectSameLines(actual, expected, interface_name + " slots");
}

TEST_F(TypeLibraryTest, MembersFollowTheContract) {
  for (const ExpectedMembers& e : kExpectedMembers) {
    ExpectMembers(library_, e.interface_name, e.members);
  }
}

// The automation type that a row of a key table stands for: its kind's, or
// for enumerations the row's own.
std::string TypeOfKind(ProfileKind kind, const char* enumeration) {
  switch (kind) {
    case ProfileKind::kString:
    case ProfileKind::kWatermarkName: return "BSTR";
    case ProfileKind::kBool: return "VARIANT_BOOL";
    case ProfileKind::kInteger: return "long";
    case ProfileKind::kEnum:
    case ProfileKind::kTextOptimization: return enumeration;
    case ProfileKind::kColor: return "stdole.OLE_COLOR";
    case ProfileKind::kFloat: return "double";
    case ProfileKind::kList: return "VARIANT";
    case ProfileKind::kFont: return "stdole.IFontDisp*";
  }
  return "?";
}

// A property's get and put as MembersOf writes them.
void AddProperty(std::vector<std::string>* lines, int32_t dispid, const std::string& name,
                 const std::string& type) {
  std::string id = std::to_string(dispid) + " ";
  lines->push_back(id + "get " + name + "() " + type);
  lines->push_back(id + "put " + name + "(" + type + ")");
}

// IqvProfileSettingsX is the profile key table: Name, then a get and a put
// per row, with the row's dispatch id and the type its kind stands for.
TEST_F(TypeLibraryTest, ProfileSettingsFollowTheProfileKeyTable) {
  std::vector<std::string> expected = {"201 get Name() BSTR"};
  for (const ProfileKey& key : kProfileKeys) {
    AddProperty(&expected, key.dispid, key.name, TypeOfKind(key.kind, key.type));
  }
  EXPECT_EQ(expected.size(), 455u);
  ExpectMembers(library_, "IqvProfileSettingsX", expected);
}

// The global settings of IqvTessaly are the general settings table: a get
// and a put per property row, in the table's order, with the row's
// dispatch id and the type its kind stands for.
TEST_F(TypeLibraryTest, MainObjectSettingsFollowTheGeneralSettingsTable) {
  std::vector<std::string> expected;
  std::set<std::string> names;
  for (const GeneralKey& key : kGeneralKeys) {
    if (key.dispid == 0) continue;
    AddProperty(&expected, key.dispid, key.name, TypeOfKind(key.kind, key.type));
    names.insert(key.name);
  }
  EXPECT_EQ(expected.size(), 18u);
  ComPtr<ITypeInfo> vtable = VtableInfo(library_, "IqvTessaly");
  ASSERT_TRUE(vtable);
  std::vector<std::string> actual;
  for (const Member& m : MembersOf(vtable.Get())) {
    if (names.count(m.name)) actual.push_back(m.line);
  }
  ExpectSameLines(actual, expected, "IqvTessaly global settings");
}

// The interfaces over the PlugIn store are their member tables: a get and a
// put per row, with the row's dispatch id and the type of its kind (the
// tables name no enumeration, so any enumeration stands for kEnum).
TEST_F(TypeLibraryTest, AddinInterfacesFollowTheAddinMemberTables) {
  auto type_of = [](AddinValueKind kind) -> std::string {
    switch (kind) {
      case AddinValueKind::kBool: return "VARIANT_BOOL";
      case AddinValueKind::kInt: return "long";
      case AddinValueKind::kColor: return "stdole.OLE_COLOR";
      case AddinValueKind::kEnum: return "enum";
      case AddinValueKind::kString: return "BSTR";
      case AddinValueKind::kVariant: return "VARIANT";
    }
    return "?";
  };
  auto any_enumeration = [](std::string line) {
    size_t at;
    while ((at = line.find("Txqv")) != std::string::npos) {
      size_t end = line.find_first_of("()", at);
      line.replace(at, end - at, "enum");
    }
    return line;
  };
  const std::pair<const char*, const std::vector<AddinMember>&> interfaces[] = {
      {"IqvOfficeAddinSettingsX", OfficeAddinSettingsMembers()},
      {"IqvAddinPDFBookmarkX", BookmarkMembers()},
      {"IqvAddinPDFHyperlinkX", HyperlinkMembers()},
      {"IqvAddinPDFNotesX", NotesMembers()},
      {"IqvDocumentPropertiesX", DocumentPropertiesMembers()},
  };
  for (const auto& [interface_name, table] : interfaces) {
    std::vector<std::string> expected;
    for (const AddinMember& m : table) {
      std::string id = std::to_string(m.dispid) + " ";
      expected.push_back(id + "get " + m.name + "() " + type_of(m.kind));
      expected.push_back(id + "put " + m.name + "(" + type_of(m.kind) + ")");
    }
    ComPtr<ITypeInfo> vtable = VtableInfo(library_, interface_name);
    ASSERT_TRUE(vtable) << interface_name;
    std::vector<std::string> actual;
    for (const Member& m : MembersOf(vtable.Get())) actual.push_back(any_enumeration(m.line));
    ExpectSameLines(actual, expected, std::string(interface_name) + " slots");
  }
}

TEST_F(TypeLibraryTest, EveryInterfaceKeepsTheMemberRules) {
  std::map<std::string, SHORT> first_offset;
  for (const auto& line : kExpectedInterfaces) {
    std::string name = line.substr(line.find(' ') + 1);
    name = name.substr(0, name.find(' '));
    // After the seven IUnknown and IDispatch slots, and after the twelve
    // members of IqvWatermarkX for the interfaces derived from it.
    int base_slots = line.find(": IqvWatermarkX") != std::string::npos ? 7 + 12 : 7;
    ComPtr<ITypeInfo> vtable = VtableInfo(library_, name);
    ASSERT_TRUE(vtable) << name;
    std::vector<std::string> breaches = RuleBreaches(
        name, MembersOf(vtable.Get()), static_cast<SHORT>(base_slots * sizeof(void*)));
    EXPECT_TRUE(breaches.empty()) << ::testing::PrintToString(breaches);
  }
}

// The rules above catch what widl lets through: two members with one
// dispatch id, and two names that differ only in letter case (widl folds
// them to the first spelling, which the contract comparison then shows).
TEST(MemberRulesTest, CatchDuplicateIdsAndCaseFoldedNames) {
  auto member = [](const std::string& name, MEMBERID id, INVOKEKIND kind, SHORT slot) {
    Member m;
    m.name = name;
    m.dispid = id;
    m.kind = kind;
    m.vtable_offset = static_cast<SHORT>(slot * sizeof(void*));
    m.line = std::to_string(id) + " " + name + "() long";
    m.retval_name = "Value";
    return m;
  };
  std::vector<Member> good = {member("Count", 201, INVOKE_PROPERTYGET, 7),
                              member("Count", 201, INVOKE_PROPERTYPUT, 8),
                              member("Number", 202, INVOKE_PROPERTYGET, 9)};
  EXPECT_TRUE(RuleBreaches("I", good, 7 * sizeof(void*)).empty());

  std::vector<Member> same_id = good;
  same_id[2].dispid = 201;
  EXPECT_FALSE(RuleBreaches("I", same_id, 7 * sizeof(void*)).empty());

  std::vector<Member> folded = good;
  folded[2].name = "count";
  EXPECT_FALSE(RuleBreaches("I", folded, 7 * sizeof(void*)).empty());

  std::vector<Member> put_first = {good[1], good[0]};
  put_first[0].vtable_offset = 7 * sizeof(void*);
  put_first[1].vtable_offset = 8 * sizeof(void*);
  EXPECT_FALSE(RuleBreaches("I", put_first, 7 * sizeof(void*)).empty());
}

}  // namespace
}  // namespace tessaly
