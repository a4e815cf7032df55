# 32-bit Windows: the reference build, and the DLL for 32-bit hosts (and for
# 32-bit programs on 64-bit Windows). Both widths ship.
set(TQ_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
