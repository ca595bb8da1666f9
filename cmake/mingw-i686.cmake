# Cross-compiles for 32-bit Windows (the released build) with Debian's MinGW-w64, Win32 thread model (a single-threaded program then links no threading library).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TARNWICK_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
