# Tests: unit tests against the core, library tests against the real Stats library, and on
# Windows the side-by-side tests against the system's own implementations, all under Wine.
enable_testing()

if(WIN32)
    # Debian ships GoogleTest as sources; build them with the cross compiler.
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(GTEST_LIBS GTest::gtest_main)
    set(TEST_LINK_OPTIONS -static)
else()
    find_package(GTest REQUIRED)
    set(GTEST_LIBS GTest::gtest_main)
    set(TEST_LINK_OPTIONS)
endif()

function(stats_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${GTEST_LIBS})
    target_compile_options(${name} PRIVATE -Wall -Wextra)
    target_link_options(${name} PRIVATE ${TEST_LINK_OPTIONS})
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/test-run/${name})
    # A window nobody closes would otherwise hang the run.
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-run/${name}/Plugins)
endfunction()

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*_test.cpp)
stats_test(unit_tests SOURCES ${UNIT_TEST_SOURCES} LIBS stats_core)

file(GLOB LIBRARY_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/library/*_test.cpp)
if(NOT WIN32)
    list(FILTER LIBRARY_TEST_SOURCES EXCLUDE REGEX "_win32_test\\.cpp$")
endif()
if(WIN32)
    set(LIBRARY_TEST_LIBS plugin_loader version)
else()
    set(LIBRARY_TEST_LIBS plugin_loader)
endif()
stats_test(library_tests SOURCES ${LIBRARY_TEST_SOURCES} LIBS ${LIBRARY_TEST_LIBS})
add_dependencies(library_tests Stats)
set_tests_properties(library_tests PROPERTIES ENVIRONMENT "STATS_LIBRARY=$<TARGET_FILE:Stats>")

if(WIN32)
    file(GLOB WINE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
    stats_test(wine_tests SOURCES ${WINE_TEST_SOURCES} LIBS stats_core oleaut32)

    add_test(NAME dll_tables
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/check_dll_tables.sh
                     $<TARGET_FILE:Stats> ${STATS_DEF} ${CMAKE_OBJDUMP})
else()
    add_test(NAME library_exports
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/check_library_exports.sh
                     $<TARGET_FILE:Stats> ${STATS_DEF})
endif()

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-run/driver_sample/Plugins)
add_test(NAME driver_sample COMMAND stats_driver $<TARGET_FILE:Stats>
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/test-run/driver_sample)
string(CONCAT DRIVER_EXPECTED
       "CheckCall0 Q4DD  CW 80  -> 0 \n"
       "CheckCall0 Q4DD  CW 40  -> 0 QSO c Q4DD ЕЩЕ РАНО ПРОВОДИТЬ ! ЖДЕМ ЕЩЕ [67] МИНУТ\n"
       "CheckCall0 Q1AA  CW 80  -> 1 \n"
       "GetResult0 -> 13\n.*"
       "Total\t 5\t 13\n\nScore:  13\nCreated by Gremik 2014.")
set_tests_properties(driver_sample PROPERTIES PASS_REGULAR_EXPRESSION "${DRIVER_EXPECTED}")
