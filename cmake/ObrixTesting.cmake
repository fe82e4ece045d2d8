# Every test is registered through obrix_register_test so that all of them run offscreen, in a
# fixed locale, with a timeout, and with sanitizer reports that fail the test.
if(OBRIX_GTEST_SOURCE_DIR)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${OBRIX_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
if(OBRIX_WITH_QT)
    find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
endif()

set(OBRIX_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen"
    "LC_ALL=C.UTF-8"
    "LANG=C.UTF-8"
    "TZ=UTC"
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "OBRIX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")

function(obrix_register_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${OBRIX_TEST_ENVIRONMENT}")
endfunction()

# obrix_add_gtest(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>])
function(obrix_add_gtest name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main ${ARG_LIBS})
    obrix_register_test(${name} TIMEOUT ${ARG_TIMEOUT})
endfunction()

# obrix_add_qtest(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>])
# A Qt Test executable (QTEST_MAIN in the source); moc runs on it.
function(obrix_add_qtest name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    obrix_register_test(${name} TIMEOUT ${ARG_TIMEOUT})
endfunction()
