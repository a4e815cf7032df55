# 64-bit Windows: the same sources built as the DLL for 64-bit hosts. Both
# widths ship; where the kernel cannot execute 32-bit programs (and so cannot
# run 32-bit Wine) the Windows tests run on this build under 64-bit Wine.
set(TQ_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
