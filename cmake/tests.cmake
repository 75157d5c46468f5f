# Tests: unit tests against the core, library tests against the real Stats library, and on
# Windows the side-by-side tests against the system's own implementations, all under Wine.
enable_testing()

if(WIN32)
    # Debian ships GoogleTest as sources; build them with the cross compiler.
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

set(TESTS ${PROJECT_SOURCE_DIR}/tests)
set(TEST_RUN ${PROJECT_BINARY_DIR}/test-run)

if(WIN32)
    # One Wine prefix per build tree and one wineserver and display for the whole run.
    add_executable(desktop_keeper ${TESTS}/wine/desktop_keeper.cpp)
    target_link_options(desktop_keeper PRIVATE -static)
    add_test(NAME wine_start
             COMMAND sh ${CMAKE_CROSSCOMPILING_EMULATOR} --start $<TARGET_FILE:desktop_keeper>)
    add_test(NAME wine_stop COMMAND sh ${CMAKE_CROSSCOMPILING_EMULATOR} --stop)
    set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine SKIP_RETURN_CODE 77)
    set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
    # Making the prefix takes a minute or so on a loaded machine; nothing here may hang a run.
    set_tests_properties(wine_start wine_stop PROPERTIES TIMEOUT 300
                         ENVIRONMENT "STATS_WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix")
    set(TEST_FIXTURES test_folders wine)
else()
    set(TEST_FIXTURES test_folders)
endif()

# Every test runs in a working folder of its own, test-run/NAME, with the host's Plugins
# folder, and each GoogleTest case one inside it (tests/support/case_folder.cpp). The folders
# are made afresh by the first test of each run (see the end of this
# file), so deleting them never breaks the next run.
# Natively the tests run in a session of their own, with no controlling terminal, as a host
# started headless would: the header form must not wait for an operator at the terminal.
if(WIN32)
    set(TEST_SESSION)
else()
    set(TEST_SESSION ${PROJECT_SOURCE_DIR}/cmake/run-headless.sh)
endif()

function(stats_add_test name)
    add_test(NAME ${name} COMMAND ${TEST_SESSION} ${ARGN} WORKING_DIRECTORY ${TEST_RUN}/${name})
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED "${TEST_FIXTURES}"
        # A window nobody closes must not hold up the run for long.
        TIMEOUT 120
        # The Windows programs are skipped where the machine cannot run 32-bit code.
        SKIP_RETURN_CODE 77
        ENVIRONMENT "STATS_WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix;STATS_LIBRARY=$<TARGET_FILE:Stats>")
    set_property(GLOBAL APPEND PROPERTY STATS_TEST_FOLDERS ${name})
endfunction()

# A GoogleTest program. Natively every case is a ctest entry of its own, run by RUNNER
# (headless by default) in the program's folder; under Wine, where each process start costs
# about 0.2 s, the program is one entry.
include(GoogleTest)
function(stats_test name)
    cmake_parse_arguments(T "" "RUNNER" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${TESTS}/support/case_folder.cpp)
    target_include_directories(${name} PRIVATE ${TESTS})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
    target_link_options(${name} PRIVATE ${EXE_LINK_OPTIONS})
    if(WIN32)
        # The target's name, which ctest runs through the cross-compiling emulator.
        stats_add_test(${name} ${name} --gtest_brief=1)
    else()
        if(NOT T_RUNNER)
            set(T_RUNNER ${TEST_SESSION})
        endif()
        set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${T_RUNNER})
        # Listed in the build folder, as the test folders are made only when ctest runs; each
        # case then gets the program's folder and the fixtures.
        gtest_discover_tests(${name} TEST_PREFIX ${name}. TEST_LIST ${name}_CASES)
        set(properties ${PROJECT_BINARY_DIR}/${name}_cases.cmake)
        file(GENERATE OUTPUT ${properties} CONTENT "foreach(case IN LISTS ${name}_CASES)
    set_tests_properties(\"\${case}\" PROPERTIES WORKING_DIRECTORY ${TEST_RUN}/${name}
        FIXTURES_REQUIRED test_folders TIMEOUT 120 ENVIRONMENT STATS_LIBRARY=$<TARGET_FILE:Stats>)
endforeach()
")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties})
        set_property(GLOBAL APPEND PROPERTY STATS_TEST_FOLDERS ${name})
    endif()
endfunction()

set(UNIT_TEST_SOURCES
    ${TESTS}/unit/band_order_test.cpp
    ${TESTS}/unit/band_plan_test.cpp
    ${TESTS}/unit/band_tallies_test.cpp
    ${TESTS}/unit/cabrillo_log_test.cpp
    ${TESTS}/unit/contact_array_test.cpp
    ${TESTS}/unit/contact_store_test.cpp
    ${TESTS}/unit/entry_points_test.cpp
    ${TESTS}/unit/exchange_points_test.cpp
    ${TESTS}/unit/file_output_test.cpp
    ${TESTS}/unit/host_version_test.cpp
    ${TESTS}/unit/header_setup_test.cpp
    ${TESTS}/unit/ole_date_test.cpp
    ${TESTS}/unit/platform_settings_test.cpp
    ${TESTS}/unit/repeat_rule_test.cpp
    ${TESTS}/unit/repeat_warning_test.cpp
    ${TESTS}/unit/score_summary_test.cpp)
if(NOT WIN32)
    # The settings engine of the POSIX build; under Wine it is compared with Windows' own.
    list(APPEND UNIT_TEST_SOURCES ${TESTS}/unit/profile_file_test.cpp)
    # The PE reader of the POSIX build; under Wine it is compared with Windows' own.
    list(APPEND UNIT_TEST_SOURCES ${TESTS}/unit/pe_version_test.cpp)
    # An independent reader of the Cabrillo files: tlf, a Debian package.
    list(APPEND UNIT_TEST_SOURCES ${TESTS}/unit/tlf_import_test.cpp)
    # The host client on the native running-object table; under Wine the library tests run the
    # set-up against COM.
    list(APPEND UNIT_TEST_SOURCES ${TESTS}/unit/host_application_test.cpp)
    # The header form on a pseudo-terminal (forkpty).
    list(APPEND UNIT_TEST_SOURCES ${TESTS}/unit/header_form_posix_test.cpp)
    set(UNIT_TEST_LIBS util)
endif()
stats_test(unit_tests SOURCES ${UNIT_TEST_SOURCES} LIBS stats_core ${UNIT_TEST_LIBS})

# The real library loaded by file name, as the host loads it; the export reports and any header
# dialog are answered as an operator would (report_boxes_*).
set(LIBRARY_TEST_SOURCES
    ${TESTS}/library/cabrillo_export_test.cpp
    ${TESTS}/library/entry_points_test.cpp
    ${TESTS}/library/host_automation_test.cpp)
set(LIBRARY_TEST_LIBS plugin_loader)
if(WIN32)
    list(APPEND LIBRARY_TEST_SOURCES
        ${TESTS}/library/header_dialog_win32_test.cpp
        ${TESTS}/library/message_box_win32_test.cpp
        ${TESTS}/library/version_resource_win32_test.cpp)
    list(APPEND LIBRARY_TEST_LIBS report_boxes fake_host_object version)
else()
    list(APPEND LIBRARY_TEST_SOURCES
        ${TESTS}/library/fake_host_object_posix.cpp
        ${TESTS}/library/report_boxes_posix.cpp)
endif()
stats_test(library_tests SOURCES ${LIBRARY_TEST_SOURCES} LIBS ${LIBRARY_TEST_LIBS})
add_dependencies(library_tests Stats)

# The repeat rule through the library at instants the test sets, natively under libfaketime;
# elsewhere only its real-clock case runs.
stats_test(check_call_tests SOURCES ${TESTS}/library/check_call_test.cpp LIBS plugin_loader
    RUNNER ${PROJECT_SOURCE_DIR}/cmake/run-clock-settable.sh)
add_dependencies(check_call_tests Stats)

if(WIN32)
    stats_test(wine_tests SOURCES
        ${TESTS}/wine/ole_date_vs_oleaut32_test.cpp
        ${TESTS}/wine/profile_file_vs_kernel32_test.cpp
        ${SRC}/platform/posix/profile_file.cpp
        ${TESTS}/wine/pe_version_vs_version_dll_test.cpp
        ${SRC}/platform/posix/pe_version.cpp
        LIBS stats_core oleaut32)
    # Stand-ins for the host's executables, with the versions the Cabrillo file names.
    add_library(tiny_main OBJECT ${TESTS}/wine/version_exes/tiny_main.cpp)
    foreach(version 2_20 3_1_4 3_0_0)
        add_executable(host_${version} $<TARGET_OBJECTS:tiny_main>
                       ${TESTS}/wine/version_exes/host_${version}.rc)
        target_link_options(host_${version} PRIVATE -static)
        add_dependencies(wine_tests host_${version})
        target_compile_definitions(wine_tests PRIVATE
                                   HOST_EXE_${version}="$<TARGET_FILE:host_${version}>")
    endforeach()

    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        # The tables of the DLL the host loads; the 64-bit build only carries the tests.
        add_test(NAME dll_tables
                 COMMAND sh ${TESTS}/check_dll_tables.sh
                         $<TARGET_FILE:Stats> ${TESTS}/golden/exports.txt ${CMAKE_OBJDUMP})
        add_test(NAME dialog_template
                 COMMAND sh ${TESTS}/check_dialog_template.sh $<TARGET_FILE:Stats>
                         ${CMAKE_RC_COMPILER} ${TESTS}/golden/header_dialog_template.rc)
        add_test(NAME dialog_controls
                 COMMAND sh ${TESTS}/check_dialog_controls.sh $<TARGET_FILE:Stats>
                         ${CMAKE_RC_COMPILER} ${SRC}/cabrillo/header_fields.cpp
                         ${SRC}/cabrillo/header_dialog_ids.h)
    endif()
else()
    add_test(NAME library_exports
             COMMAND sh ${TESTS}/check_library_exports.sh
                     $<TARGET_FILE:Stats> ${TESTS}/golden/exports.txt)
endif()

# The host driver: its pieces, then the real program end to end on the sample log.
if(WIN32 OR CMAKE_CXX_FLAGS MATCHES "-fsanitize=address")
    # Reads the memory glibc gives back from /proc: Wine would show its own process there, and
    # AddressSanitizer's allocator keeps freed blocks aside on purpose.
    set(DRIVER_PLATFORM_TESTS)
else()
    set(DRIVER_PLATFORM_TESTS ${TESTS}/driver/freed_memory_test.cpp)
endif()
stats_test(driver_tests SOURCES
    ${TESTS}/driver/adif_log_test.cpp
    ${TESTS}/driver/export_read_back_test.cpp
    ${DRIVER_PLATFORM_TESTS}
    ${TESTS}/driver/lint_rules_test.cpp
    ${TESTS}/driver/log_audit_test.cpp
    ${TESTS}/driver/packed_contacts_test.cpp
    ${TESTS}/driver/qso_reading_test.cpp
    LIBS driver_lint export_checks crosscheck_input)

if(WIN32)
    set(DRIVER_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})
else()
    set(DRIVER_EMULATOR "")
endif()
set(SAMPLE_LOG ${PROJECT_SOURCE_DIR}/examples/vsc-sample.adi)
stats_add_test(vscscore_sample sh ${TESTS}/driver/vscscore_sample.sh
    $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${SAMPLE_LOG} ${DRIVER_EMULATOR})
stats_add_test(vscscore_export sh ${TESTS}/driver/vscscore_export.sh
    $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${SAMPLE_LOG} ${DRIVER_EMULATOR})
stats_add_test(vscscore_inputs sh ${TESTS}/driver/vscscore_inputs.sh
    $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${DRIVER_EMULATOR})
stats_add_test(vscscore_lint sh ${TESTS}/driver/vscscore_lint.sh
    $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${SAMPLE_LOG} ${DRIVER_EMULATOR})
if(WIN32)
    # The native build of the same tree, where there is one, must write the same file.
    set(NATIVE_BUILD ${PROJECT_SOURCE_DIR}/build/native)
    if(EXISTS ${NATIVE_BUILD}/vscscore)
        set_property(TEST vscscore_export APPEND PROPERTY ENVIRONMENT
            "STATS_REFERENCE_DRIVER=${NATIVE_BUILD}/vscscore"
            "STATS_REFERENCE_LIBRARY=${NATIVE_BUILD}/libStats.so")
    endif()
endif()

# vscscore report: its time figures, the sample's text and page, and the page in a browser.
stats_test(report_tests SOURCES ${TESTS}/driver/log_report_test.cpp LIBS driver_page)
stats_add_test(vscscore_report sh ${TESTS}/driver/vscscore_report.sh
    $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${SAMPLE_LOG}
    ${TESTS}/golden/vsc-sample-report.txt ${DRIVER_EMULATOR})
if(WIN32)
    if(EXISTS ${NATIVE_BUILD}/vscscore)
        set_property(TEST vscscore_report APPEND PROPERTY ENVIRONMENT
            "STATS_REFERENCE_DRIVER=${NATIVE_BUILD}/vscscore"
            "STATS_REFERENCE_LIBRARY=${NATIVE_BUILD}/libStats.so")
    endif()
else()
    stats_add_test(report_in_chromium sh ${TESTS}/driver/report_in_chromium.sh
        $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${SAMPLE_LOG}
        ${TESTS}/driver/png_colours.py)
endif()

# vscrobot's pages in headless Chromium through puppeteer-core, which npm installs into the
# build folder; the first run's install gets more time. Native only, as the robot is.
if(NOT WIN32 AND TARGET vscrobot)
    stats_add_test(robot_in_chromium sh ${TESTS}/robot/browser/robot_in_chromium.sh
        $<TARGET_FILE:vscrobot> $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${SAMPLE_LOG}
        ${PROJECT_BINARY_DIR}/robot-browser)
    set_tests_properties(robot_in_chromium PROPERTIES TIMEOUT 600)
endif()

# The cross-check: a simulated contest, its accuracy against the truth, and hand-made cases.
set(CROSSCHECK_TESTS ${TESTS}/crosscheck)
add_library(contest_simulator STATIC ${CROSSCHECK_TESTS}/contest_simulator.cpp)
target_include_directories(contest_simulator PUBLIC ${CROSSCHECK_TESTS})
target_link_libraries(contest_simulator PUBLIC crosscheck_engine)
stats_test(crosscheck_tests SOURCES
    ${CROSSCHECK_TESTS}/crosscheck_accuracy_test.cpp
    ${CROSSCHECK_TESTS}/crosscheck_cases_test.cpp
    ${CROSSCHECK_TESTS}/crosscheck_outputs_test.cpp
    LIBS contest_simulator crosscheck_output driver_lint)

# The cross-check's benchmark contest and lint's time on it (see bench/crosscheck_bench.sh).
add_executable(crosscheck_contest ${PROJECT_SOURCE_DIR}/bench/crosscheck_contest.cpp)
target_link_libraries(crosscheck_contest PRIVATE contest_simulator crosscheck_output driver_lint)
target_link_options(crosscheck_contest PRIVATE ${EXE_LINK_OPTIONS})

stats_add_test(vscscore_crosscheck sh ${TESTS}/driver/vscscore_crosscheck.sh
    $<TARGET_FILE:vscscore> $<TARGET_FILE:Stats> ${SAMPLE_LOG} $<TARGET_FILE:crosscheck_contest>
    ${DRIVER_EMULATOR})
if(WIN32 AND EXISTS ${NATIVE_BUILD}/vscscore)
    set_property(TEST vscscore_crosscheck APPEND PROPERTY ENVIRONMENT
        "STATS_REFERENCE_DRIVER=${NATIVE_BUILD}/vscscore")
endif()

# The results site: text never markup, every link written, the pages drawn in Chromium; under
# Wine the native build's bytes.
stats_add_test(crosscheck_site sh ${TESTS}/driver/crosscheck_site.sh
    $<TARGET_FILE:vscscore> $<TARGET_FILE:crosscheck_contest> ${TESTS}/driver/png_colours.py
    ${DRIVER_EMULATOR})
if(WIN32 AND EXISTS ${NATIVE_BUILD}/vscscore)
    set_property(TEST crosscheck_site APPEND PROPERTY ENVIRONMENT
        "STATS_REFERENCE_DRIVER=${NATIVE_BUILD}/vscscore")
endif()

# What a sponsor's mailbox holds: links, ties, FIFOs, control bytes, huge files, odd calls.
stats_add_test(crosscheck_mailbox sh ${TESTS}/driver/crosscheck_mailbox.sh
    $<TARGET_FILE:vscscore> ${DRIVER_EMULATOR})

if(NOT WIN32)
    include(${PROJECT_SOURCE_DIR}/cmake/robot_tests.cmake)
endif()

if(WIN32)
    # The plug-in finds the host's object in the running object table, which every program of
    # the run's wineserver shares. While library_tests has its stand-in host registered there,
    # no other test may run the plug-in: its texts would reach that stand-in. Each of those
    # takes one of the table's two slots (cmake/wine-resources.json, named by the test
    # presets), library_tests both; the tests that never run the plug-in take none.
    set_tests_properties(library_tests PROPERTIES RESOURCE_GROUPS "host_object:2")
    set_tests_properties(unit_tests wine_tests check_call_tests vscscore_sample vscscore_export
                         vscscore_inputs vscscore_lint vscscore_report vscscore_crosscheck
                         PROPERTIES RESOURCE_GROUPS "host_object:1")
endif()

get_property(TEST_FOLDERS GLOBAL PROPERTY STATS_TEST_FOLDERS)
list(JOIN TEST_FOLDERS "|" TEST_FOLDERS)
add_test(NAME test_folders
         COMMAND ${CMAKE_COMMAND} -DTEST_RUN=${TEST_RUN} -DFOLDERS=${TEST_FOLDERS}
                 -P ${PROJECT_SOURCE_DIR}/cmake/make-test-folders.cmake)
set_tests_properties(test_folders PROPERTIES FIXTURES_SETUP test_folders)


