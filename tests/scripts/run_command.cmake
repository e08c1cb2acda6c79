# Runs one zqfctl command (not a script) in a fresh working folder and judges
# its exit status and, where the files exist, its standard output
# (NAME.stdout) and standard error (NAME.stderr), byte for byte.
#
#   ZQFCTL  the zqfctl executable     WORK  the working folder to make
#   ARGS    the arguments, blank-separated; @SETTINGS@ stands for the folder
#           of the scripts and their settings files
#   EXPECTED  NAME without its endings
#   EXIT    the exit status it must end with
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(settings "${EXPECTED}" DIRECTORY)
string(REPLACE "@SETTINGS@" "${settings}" ARGS "${ARGS}")
separate_arguments(arguments UNIX_COMMAND "${ARGS}")
execute_process(COMMAND "${ZQFCTL}" ${arguments} WORKING_DIRECTORY "${WORK}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "${settings}" "@SETTINGS@" err "${err}")
get_filename_component(program_dir "${ZQFCTL}" DIRECTORY)
get_filename_component(program_dir "${program_dir}" REALPATH)
string(REPLACE "${program_dir}" "@PROGRAM_DIR@" out "${out}")
if(NOT status STREQUAL EXIT)
    message(FATAL_ERROR "zqfctl ${ARGS} ended with ${status}, not ${EXIT}\n"
                        "--- stdout\n${out}--- stderr\n${err}")
endif()
foreach(stream stdout stderr)
    if(NOT EXISTS "${EXPECTED}.${stream}")
        continue()
    endif()
    file(READ "${EXPECTED}.${stream}" expected)
    set(actual "${out}")
    if(stream STREQUAL "stderr")
        set(actual "${err}")
    endif()
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${stream} differs from ${EXPECTED}.${stream}\n"
                            "--- expected\n${expected}--- actual\n${actual}")
    endif()
endforeach()
