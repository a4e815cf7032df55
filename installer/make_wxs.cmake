# Writes the WiX source of one Windows Installer package of the SDK.
#   cmake -DIDL=typelib/TessalySDK.idl -DARCH=x64|x86 -DVERSION=1.0.0
#         -DDLL32=... [-DDLL64=...] -DOUT=TessalySDK-x64.wxs -P make_wxs.cmake
# x64: both DLLs, the x86 one under the 32-bit Program Files and registered
# in the 32-bit view, the x64 one in the 64-bit view; only on 64-bit Windows.
# x86: the x86 DLL alone, for 32-bit Windows.
#
# The package registers the server through its own Registry table, with the
# keys and values that DllRegisterServer writes (server/registration.cc and
# the system's type-library registration): the identities come from the
# IDL, and tests/installer/msi-test.sh compares the installed keys with the
# registration code's table. wixl has no TypeLib, Class or ProgId elements
# (and so no TypeLib, Class or ProgId tables), nor self-registration: plain
# registry entries stand in for all three, which is also what keeps the
# package from running the DLL's code to install it.

foreach(var IDL ARCH VERSION DLL32 OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_wxs.cmake: ${var} is not set")
  endif()
endforeach()
file(READ ${IDL} idl)
# Square brackets would group CMake list items: the attribute blocks are
# read without them.
string(REPLACE "[" " " idl "${idl}")
string(REPLACE "]" " " idl "${idl}")

# uuid(...) of the entry whose attribute block ends right before `what`.
function(idl_uuid what out)
  if(NOT idl MATCHES "uuid\\(([0-9A-Fa-f-]+)\\)[^;{}]*${what}")
    message(FATAL_ERROR "make_wxs.cmake: no uuid for '${what}' in ${IDL}")
  endif()
  string(TOUPPER "{${CMAKE_MATCH_1}}" guid)
  set(${out} ${guid} PARENT_SCOPE)
endfunction()

idl_uuid("library TessalySDK" libid)
idl_uuid("coclass qvTessaly" clsid)
if(NOT idl MATCHES "helpstring\\(\"([^\"]*)\"\\)[^;{}]*coclass qvTessaly")
  message(FATAL_ERROR "make_wxs.cmake: no helpstring for qvTessaly")
endif()
set(description "${CMAKE_MATCH_1}")
if(NOT idl MATCHES "version\\(([0-9]+\\.[0-9]+)\\)[^;{}]*library TessalySDK")
  message(FATAL_ERROR "make_wxs.cmake: no version for the library")
endif()
set(tlb_version ${CMAKE_MATCH_1})
set(prog_id TessalySDK.qvTessaly)
# The system's standard automation marshaler (oleaut32's PSOAInterface).
set(automation_proxy "{00020424-0000-0000-C000-000000000046}")

string(REGEX MATCHALL "uuid\\([0-9A-Fa-f-]+\\)[^;{}]*interface [A-Za-z0-9_]+"
       interface_blocks "${idl}")

# The text is collected in the global property `wxs`: functions, not
# macros, so that the backslashes of the keys are never evaluated twice.
set_property(GLOBAL PROPERTY wxs "")
function(emit line)
  set_property(GLOBAL APPEND_STRING PROPERTY wxs "${line}\n")
endfunction()
function(reg key name value)
  set(named "")
  if(NOT name STREQUAL "")
    set(named " Name=\"${name}\"")
  endif()
  emit("        <RegistryValue Root=\"HKCR\" Key=\"${key}\"${named} Type=\"string\"")
  emit("                       Value=\"${value}\"/>")
endfunction()

# The keys of one view: the class, its ProgID, its type library path and the
# interfaces. The ProgID keys are shared by both views on 64-bit Windows,
# where the x64 package's two components then write the same values (and
# remove them together); Wine keeps a copy in each view, which both get.
# [!file] is the file's short path, as the DLL writes it into InprocServer32
# when its path has a blank; the type library path is the long one.
function(view_entries file syskind)
  set(c "CLSID\\${clsid}")
  reg("${c}" "" "${description}")
  reg("${c}\\InprocServer32" "" "[!${file}]")
  reg("${c}\\InprocServer32" "ThreadingModel" "Both")
  reg("${c}\\ProgID" "" "${prog_id}")
  reg("${c}\\Version" "" "${tlb_version}")
  reg("${c}\\TypeLib" "" "${libid}")
  reg("${prog_id}" "" "${description}")
  reg("${prog_id}\\Clsid" "" "${clsid}")
  reg("TypeLib\\${libid}\\${tlb_version}\\409\\${syskind}" "" "[#${file}]")
  foreach(block IN LISTS interface_blocks)
    string(REGEX MATCH "uuid\\(([0-9A-Fa-f-]+)\\)" _ "${block}")
    string(TOUPPER "{${CMAKE_MATCH_1}}" iid)
    string(REGEX MATCH "interface ([A-Za-z0-9_]+)$" _ "${block}")
    set(name ${CMAKE_MATCH_1})
    reg("Interface\\${iid}" "" "${name}")
    reg("Interface\\${iid}\\ProxyStubClsid" "" "${automation_proxy}")
    reg("Interface\\${iid}\\ProxyStubClsid32" "" "${automation_proxy}")
    reg("Interface\\${iid}\\TypeLib" "" "${libid}")
    reg("Interface\\${iid}\\TypeLib" "Version" "${tlb_version}")
  endforeach()
endfunction()

# The type library's version key, which both views share: its help
# folder is the one of the package's own width.
function(shared_entries help_dir)
  reg("TypeLib\\${libid}\\${tlb_version}" "" "${description}")
  reg("TypeLib\\${libid}\\${tlb_version}\\FLAGS" "" "0")
  reg("TypeLib\\${libid}\\${tlb_version}\\HELPDIR" "" "[${help_dir}]")
endfunction()

# Stable codes: the upgrade code lets a newer package of the same platform
# replace an older one; component codes stay with their contents.
if(ARCH STREQUAL "x64")
  set(upgrade_code 4A7BE14F-6944-4815-9E74-315BB4B2FE03)
  set(shared_guid D61EE313-CF31-4CE0-8BEE-8E3DC7039B28)
  set(condition "VersionNT64")
  set(condition_text "This package is for 64-bit Windows; use the x86 package.")
  set(help_dir INSTALLDIR64)
elseif(ARCH STREQUAL "x86")
  set(upgrade_code C6C1D2C2-7C27-45D8-AB70-EB407369E0E5)
  set(shared_guid 32E3129A-6D47-4666-ACDA-90E84BEE1EC3)
  set(condition "NOT VersionNT64")
  set(condition_text "This package is for 32-bit Windows; use the x64 package.")
  set(help_dir INSTALLDIR32)
else()
  message(FATAL_ERROR "make_wxs.cmake: ARCH is x64 or x86, not ${ARCH}")
endif()

emit("<?xml version=\"1.0\" encoding=\"utf-8\"?>")
emit("<!-- Generated by installer/make_wxs.cmake from typelib/TessalySDK.idl. -->")
emit("<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">")
emit("  <Product Id=\"*\" Name=\"Orvane Tessaly SDK\" Language=\"1033\" Version=\"${VERSION}\"")
emit("           Manufacturer=\"Orvane\" UpgradeCode=\"${upgrade_code}\">")
# The platform is wixl's --arch, given by scripts/package.sh.
emit("    <Package InstallerVersion=\"200\" Compressed=\"yes\" InstallScope=\"perMachine\"")
emit("             Description=\"Orvane Tessaly SDK ${VERSION}\"/>")
emit("    <Media Id=\"1\" Cabinet=\"TessalySDK.cab\" EmbedCab=\"yes\"/>")
emit("    <MajorUpgrade DowngradeErrorMessage=\"A newer Orvane Tessaly SDK is installed.\"/>")
emit("    <Condition Message=\"${condition_text}\">${condition}</Condition>")
emit("    <Directory Id=\"TARGETDIR\" Name=\"SourceDir\">")
emit("      <Directory Id=\"ProgramFilesFolder\">")
emit("        <Directory Id=\"Orvane32\" Name=\"Orvane\">")
emit("          <Directory Id=\"INSTALLDIR32\" Name=\"Tessaly SDK\"/>")
emit("        </Directory>")
emit("      </Directory>")
if(ARCH STREQUAL "x64")
  emit("      <Directory Id=\"ProgramFiles64Folder\">")
  emit("        <Directory Id=\"Orvane64\" Name=\"Orvane\">")
  emit("          <Directory Id=\"INSTALLDIR64\" Name=\"Tessaly SDK\"/>")
  emit("        </Directory>")
  emit("      </Directory>")
endif()
emit("    </Directory>")

emit("    <DirectoryRef Id=\"INSTALLDIR32\">")
emit("      <Component Id=\"Server32\" Guid=\"4D5FA715-0B6D-4E02-A9BD-55BE3D6DFCB7\" Win64=\"no\">")
emit("        <File Id=\"TessalySDK32.dll\" Name=\"TessalySDK.dll\" KeyPath=\"yes\"")
emit("              Source=\"${DLL32}\"/>")
view_entries(TessalySDK32.dll win32)
emit("      </Component>")
if(ARCH STREQUAL "x86")
  emit("      <Component Id=\"Shared\" Guid=\"${shared_guid}\" Win64=\"no\">")
  shared_entries(${help_dir})
  emit("      </Component>")
endif()
emit("    </DirectoryRef>")
if(ARCH STREQUAL "x64")
  emit("    <DirectoryRef Id=\"INSTALLDIR64\">")
  set(server64_guid C40763C3-B936-41CE-BE00-63D49E7B1094)
  emit("      <Component Id=\"Server64\" Guid=\"${server64_guid}\" Win64=\"yes\">")
  emit("        <File Id=\"TessalySDK64.dll\" Name=\"TessalySDK.dll\" KeyPath=\"yes\"")
  emit("              Source=\"${DLL64}\"/>")
  view_entries(TessalySDK64.dll win64)
  emit("      </Component>")
  emit("      <Component Id=\"Shared\" Guid=\"${shared_guid}\" Win64=\"yes\">")
  shared_entries(${help_dir})
  emit("      </Component>")
  emit("    </DirectoryRef>")
endif()

emit("    <Feature Id=\"Server\" Level=\"1\" Title=\"Orvane Tessaly SDK\">")
emit("      <ComponentRef Id=\"Server32\"/>")
if(ARCH STREQUAL "x64")
  emit("      <ComponentRef Id=\"Server64\"/>")
endif()
emit("      <ComponentRef Id=\"Shared\"/>")
emit("    </Feature>")
emit("  </Product>")
emit("</Wix>")
get_property(wxs GLOBAL PROPERTY wxs)
file(WRITE ${OUT} "${wxs}")
