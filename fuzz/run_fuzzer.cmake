# Runs one libFuzzer target for $ENV{ZQF_FUZZ_SECONDS} seconds (15 unless set)
# from its seed corpus, and fails when it finds a crash, a leak, a sanitizer
# report or a timeout. New inputs go to WORK/corpus, never into the seeds;
# a finding is kept as WORK/crash-..., to become a regression test.
#
#   FUZZER  the target   SEEDS  its seed corpus   DICT  its dictionary, if any
#   WORK    a folder of its own

set(seconds 15)
if(DEFINED ENV{ZQF_FUZZ_SECONDS})
    set(seconds $ENV{ZQF_FUZZ_SECONDS})
endif()
file(MAKE_DIRECTORY "${WORK}/corpus")
set(options -max_total_time=${seconds} -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
            -artifact_prefix=${WORK}/)
if(EXISTS "${DICT}")
    list(APPEND options -dict=${DICT})
endif()
execute_process(COMMAND "${FUZZER}" ${options} "${WORK}/corpus" "${SEEDS}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(REGEX MATCH "stat::number_of_executed_units: *[0-9]+" runs "${out}")
message(STATUS "${runs}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the fuzzer found a fault (status ${status}):\n${out}")
endif()
