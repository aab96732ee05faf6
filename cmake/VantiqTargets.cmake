# Shared helpers for the project's targets.

# Strict warnings, applied per target.
function(vantiq_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Registers one test executable with CTest.
#   vantiq_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [GUI])
# GUI tests run on Qt's offscreen platform.
function(vantiq_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    vantiq_target_warnings(${name})
    find_package(GTest REQUIRED)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(${name} PRIVATE
        VANTIQ_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        VANTIQ_SAMPLE_BASE="${PROJECT_BINARY_DIR}/data/Base.tmb")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 1200)
    if(ARG_GUI)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
