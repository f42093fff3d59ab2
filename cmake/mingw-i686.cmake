# Cross toolchain for the shipped 32-bit build. The win32 thread model keeps
# winpthreads (and its Vista-only imports) out of a static exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
