# libFuzzer targets (preset fuzz, clang only): each links the code it feeds directly.
# scripts/fuzz.sh runs them in a scratch folder with their seed corpora from fuzz/.
set(FUZZ ${PROJECT_SOURCE_DIR}/fuzz)
add_custom_target(fuzzers)

function(stats_fuzzer name)
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers ${name})
endfunction()

stats_fuzzer(fuzz_entry_calls SOURCES ${FUZZ}/entry_calls/fuzz_entry_calls.cpp LIBS stats_core)
stats_fuzzer(fuzz_profile_file SOURCES ${FUZZ}/profile_file/fuzz_profile_file.cpp
             LIBS stats_core)
stats_fuzzer(fuzz_adif_reader SOURCES ${FUZZ}/adif_reader/fuzz_adif_reader.cpp
             LIBS driver_input)
stats_fuzzer(fuzz_ole_date SOURCES ${FUZZ}/ole_date/fuzz_ole_date.cpp LIBS stats_core)
