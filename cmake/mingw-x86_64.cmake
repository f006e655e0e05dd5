# The 64-bit twin that runs the Windows tests on hosts that cannot execute 32-bit code.
set(_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
