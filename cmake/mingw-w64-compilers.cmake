# Debian's mingw-w64 compilers for 64-bit Windows, the POSIX thread model
# (which std::thread needs). Qt's Windows build is configured with this file
# alone and keeps a copy of it beside itself, since the toolchain file it
# installs names this one by its path.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTIQ_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTIQ_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTIQ_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTIQ_MINGW}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VANTIQ_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
