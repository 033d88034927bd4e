set(CMAKE_SYSTEM_PROCESSOR i686)
set(ARVENLO_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# 32-bit Windows programs cannot run on these machines: build and link only.
