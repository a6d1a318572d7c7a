set(CMAKE_SYSTEM_PROCESSOR i686)
set(SCRUBWELL_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw.cmake)
# Doubles on SSE2, so that only long double uses the x87 unit.
string(APPEND CMAKE_C_FLAGS_INIT " -msse2 -mfpmath=sse")
string(APPEND CMAKE_CXX_FLAGS_INIT " -msse2 -mfpmath=sse")
