# Shared by both MinGW toolchain files; TARNWICK_TRIPLE names the target.
set(CMAKE_C_COMPILER ${TARNWICK_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TARNWICK_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${TARNWICK_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARNWICK_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime: the executables then import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
