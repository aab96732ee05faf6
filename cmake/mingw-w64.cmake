# Cross-compiles for 64-bit Windows with Debian's mingw-w64. Programs are
# linked statically, so they run under wine64, or on Windows, without the
# compiler's DLLs beside them.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests and test discovery run the Windows programs through wine64.
find_program(VANTIQ_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VANTIQ_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VANTIQ_WINE64})
endif()
