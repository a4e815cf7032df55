# 64-bit Windows build of the same sources. It exists to run the Windows
# tests under 64-bit Wine on hosts whose kernel cannot execute 32-bit
# programs (and so cannot run 32-bit Wine); the shipped DLL is the i686 one.
set(TQ_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
