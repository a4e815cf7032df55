# Run after linking TessalySDK.dll: the DLL must export exactly the four
# server entry points, undecorated, and import only system DLLs (the C++
# runtime is linked in statically), so that it can be shipped on its own.
# Usage: cmake -DOBJDUMP=... -DDLL=... -P check_dll.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

set(system_dlls ADVAPI32.dll KERNEL32.dll msvcrt.dll ole32.dll OLEAUT32.dll USER32.dll GDI32.dll
    SHELL32.dll WINSPOOL.DRV)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" name "${line}")
  string(STRIP "${name}" name)
  string(TOUPPER "${name}" upper)
  set(known FALSE)
  foreach(system IN LISTS system_dlls)
    string(TOUPPER "${system}" system_upper)
    if(upper STREQUAL system_upper)
      set(known TRUE)
    endif()
  endforeach()
  if(NOT known)
    message(FATAL_ERROR "${DLL} imports ${name}, which is no system DLL")
  endif()
endforeach()

# The names follow the heading "[Ordinal/Name Pointer] Table", up to the
# first empty line.
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" at)
if(at LESS 0)
  message(FATAL_ERROR "${DLL} exports nothing")
endif()
string(SUBSTRING "${dump}" ${at} -1 table)
string(FIND "${table}" "\n\n" end)
string(SUBSTRING "${table}" 0 ${end} table)
string(REGEX MATCHALL "\\[ *[0-9]+\\] [A-Za-z_@0-9]+\n" exports "${table}\n")
set(names "")
foreach(line IN LISTS exports)
  string(REGEX REPLACE "\\[ *[0-9]+\\] ([A-Za-z_@0-9]+)\n" "\\1" name "${line}")
  list(APPEND names ${name})
endforeach()
list(SORT names)
set(expected DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "${DLL} exports '${names}'; expected '${expected}'")
endif()
