# Shared part of the two mingw-w64 toolchains. The -posix compiler variants are
# used because the -win32 ones have no std::thread/std::mutex with this GCC.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${ARVENLO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ARVENLO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${ARVENLO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ARVENLO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime: the binaries must run under Wine with nothing beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
