# The benchmark: the same cases natively under Google Benchmark with the entry points linked
# in, and on Windows against Stats.dll with a steady-clock runner. Not a test: it prints
# figures and never fails on speed.
set(BENCH ${PROJECT_SOURCE_DIR}/bench)
set(BENCH_SOURCES ${BENCH}/bench_cases.cpp ${BENCH}/bench_log.cpp)
if(WIN32)
    # Answers the export's report box, and stands in for the host's automation object; the
    # library tests use both too.
    add_library(report_boxes STATIC ${PROJECT_SOURCE_DIR}/tests/library/report_boxes_win32.cpp)
    add_library(fake_host_object STATIC
        ${PROJECT_SOURCE_DIR}/tests/library/fake_host_object_win32.cpp)
    target_link_libraries(fake_host_object PUBLIC plugin_loader ole32 oleaut32 uuid advapi32)
    add_executable(bench ${BENCH_SOURCES} ${BENCH}/bench_main_steady.cpp
        ${BENCH}/bench_target_win32.cpp ${BENCH}/heap_usage_win32.cpp)
    target_include_directories(bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(bench PRIVATE plugin_loader report_boxes fake_host_object psapi)
    target_link_options(bench PRIVATE ${EXE_LINK_OPTIONS})
    add_dependencies(bench Stats)
else()
    find_package(benchmark REQUIRED)
    add_executable(bench ${BENCH_SOURCES} ${BENCH}/bench_main_gbench.cpp
        ${BENCH}/bench_target_native.cpp ${BENCH}/heap_usage_posix.cpp)
    target_link_libraries(bench PRIVATE stats_core plugin_loader benchmark::benchmark)
endif()
