# Cross compilation for Windows with mingw-w64, shared by the toolchain files
# mingw-i686.cmake and mingw-x86_64.cmake, which set TQ_MINGW_ARCH. The
# -posix flavour of the compiler is used because its C++ runtime has
# std::mutex and std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TQ_MINGW_ARCH})
set(TOOLCHAIN_PREFIX ${TQ_MINGW_ARCH}-w64-mingw32)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under the Wine of the same width; the scripts prepare
# its prefix (scripts/wine-env.sh).
if(TQ_MINGW_ARCH STREQUAL "i686")
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
