# The 32-bit release build of Vemora.exe.
set(_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
