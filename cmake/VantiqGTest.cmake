# GoogleTest for the tests. A native build uses the installed library; a
# cross build compiles it with the same toolchain from the sources Debian's
# googletest package ships, since the installed one is for the build machine.
set(VANTIQ_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(CMAKE_CROSSCOMPILING)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${VANTIQ_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()
