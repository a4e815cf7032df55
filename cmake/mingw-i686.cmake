# 32-bit Windows: the shipped DLL.
set(TQ_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
