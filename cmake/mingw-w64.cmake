# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the POSIX thread
# model, which std::thread needs). Programs are linked statically, so they run
# under wine64, or on Windows, without the compiler's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTIQ_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTIQ_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTIQ_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTIQ_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VANTIQ_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests and test discovery run the Windows programs through wine64.
find_program(VANTIQ_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VANTIQ_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VANTIQ_WINE64})
endif()
