# Helpers that build a test executable and register it with ctest.
#   kelvo_add_gtest(NAME SOURCES src... LIBS lib...)  Qt-free GoogleTest
#   kelvo_add_qtest(NAME SOURCES src... LIBS lib...)  QtTest, run on the offscreen platform
include_guard(GLOBAL)

function(kelvo_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    find_package(GTest REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    # Tests that make valid inputs leave copies here as seeds for the fuzzers.
    target_compile_definitions(${name} PRIVATE KELVO_FUZZ_SEED_DIR="${CMAKE_BINARY_DIR}/fuzz-seeds")
    include(GoogleTest)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

function(kelvo_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE KELVO_FUZZ_SEED_DIR="${CMAKE_BINARY_DIR}/fuzz-seeds")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;KELVO_SOURCE_DATA=${PROJECT_SOURCE_DIR}/data/;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}-config")
endfunction()
