# Shared helpers for the project's targets.

include(GoogleTest)
include(VantiqPrecompiled)
include(VantiqUnity)

# Strict warnings, applied per target. They become errors only with
# VANTIQ_WERROR, which the presets and CI turn on: a packager's plain build must
# not fail on a newer compiler's new warning.
function(vantiq_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(VANTIQ_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The tests' own code is built for a short build rather than for a debugger:
# line tables only (-g1), which is all a failure's file and line or a
# sanitizer's stack needs, and -O1 where the build optimises. The code under
# test keeps the build's flags.
function(vantiq_test_code target)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Debug,RelWithDebInfo>:-g1>
                                             $<$<CONFIG:RelWithDebInfo,Release,MinSizeRel>:-O1>)
endfunction()

# Builds one test executable and registers each of its cases with CTest.
#   vantiq_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [GUI])
# GUI tests run on Qt's offscreen platform. Cases are listed when CTest runs,
# so a build never runs a test program.
function(vantiq_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    vantiq_target_warnings(${name})
    vantiq_unity(${name})
    vantiq_test_code(${name})
    if(ARG_GUI AND "vantiq_gui_test_support" IN_LIST ARG_LIBS)
        vantiq_precompile(${name} std gtest gui widgets qttest)
    elseif(ARG_GUI)
        vantiq_precompile(${name} std gtest gui)
    else()
        vantiq_precompile(${name} std gtest)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(${name} PRIVATE
        VANTIQ_SAMPLE_BASE=::vantiq::test::SampleBaseCopy\(\))
    set(properties TIMEOUT 600)
    if(ARG_GUI)
        list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    if(CMAKE_CROSSCOMPILING)
        # Each process starts under an emulator (wine64 for Windows), which
        # costs seconds: the whole program is one test there.
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ${properties})
        return()
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES
                         PROPERTIES ${properties})
endfunction()
