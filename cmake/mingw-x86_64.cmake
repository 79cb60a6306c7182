# 64-bit Windows with the MinGW-w64 cross compiler: the shipped programs are
# 32-bit, but a machine whose kernel cannot run 32-bit x86 code cannot run
# 32-bit Wine either, and tests the same code built for 64-bit Windows.
set(KIRIMO_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
