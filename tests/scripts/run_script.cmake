# Runs one bench script with zqfctl in a fresh working folder and judges it:
# the exit status, and where the files beside the script exist, standard
# output (NAME.expected) and standard error (NAME.stderr), byte for byte.
#
#   ZQFCTL   the zqfctl executable        SCRIPT  the script (NAME.zqf)
#   WORK     the working folder to make   ARGS    options, blank-separated
#   EXIT     the exit status it must end with (0 unless given)
#   BEFORE   comms_option.txt before the run (\r and \n as written)
#   AFTER    comms_option.txt after the run, byte for byte; NO_FILE_AFTER: none
#   EXPECTED NAME.expected and NAME.stderr without their endings
#   STDIN    a file to give the run as standard input
#   FILES    files to copy into the working folder, blank-separated
#   SAVED    a file the run writes in the working folder, equal to NAME.saved
# The folder of zqfctl shows as @PROGRAM_DIR@ in the expected output, the
# script's folder as @SCRIPT_DIR@ in the expected errors.

function(unescape out text)
    string(REPLACE "\\r" "\r" text "${text}")
    string(REPLACE "\\n" "\n" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(compare what expected_file actual)
    if(NOT EXISTS "${expected_file}")
        return()
    endif()
    file(READ "${expected_file}" expected)
    if(NOT actual STREQUAL expected)
        file(WRITE "${WORK}/${what}.actual" "${actual}")
        message(FATAL_ERROR "${what} differs from ${expected_file}\n"
                            "--- expected\n${expected}--- actual\n${actual}")
    endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
if(DEFINED BEFORE)
    unescape(content "${BEFORE}")
    file(WRITE "${WORK}/comms_option.txt" "${content}")
endif()
separate_arguments(files UNIX_COMMAND "${FILES}")
foreach(source ${files})
    file(COPY "${source}" DESTINATION "${WORK}")
endforeach()
if(NOT DEFINED EXIT)
    set(EXIT 0)
endif()

separate_arguments(options UNIX_COMMAND "${ARGS}")
set(input)
if(DEFINED STDIN)
    set(input INPUT_FILE "${STDIN}")
endif()
execute_process(COMMAND "${ZQFCTL}" run ${options} "${SCRIPT}"
                WORKING_DIRECTORY "${WORK}" ${input}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
get_filename_component(program_dir "${ZQFCTL}" DIRECTORY)
get_filename_component(program_dir "${program_dir}" REALPATH)
string(REPLACE "${program_dir}" "@PROGRAM_DIR@" out "${out}")
get_filename_component(script_dir "${EXPECTED}" DIRECTORY)
string(REPLACE "${script_dir}" "@SCRIPT_DIR@" err "${err}")

if(NOT status STREQUAL EXIT)
    message(FATAL_ERROR "zqfctl ended with ${status}, not ${EXIT}\n"
                        "--- stdout\n${out}--- stderr\n${err}")
endif()
compare(stdout "${EXPECTED}.expected" "${out}")
compare(stderr "${EXPECTED}.stderr" "${err}")

set(file "${WORK}/comms_option.txt")
if(NO_FILE_AFTER AND EXISTS "${file}")
    message(FATAL_ERROR "comms_option.txt was written, though the link was not prepared")
endif()
if(DEFINED AFTER)
    unescape(expected "${AFTER}")
    string(HEX "${expected}" expected_hex)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "comms_option.txt is missing after the run")
    endif()
    file(READ "${file}" actual_hex HEX)
    if(NOT actual_hex STREQUAL expected_hex)
        message(FATAL_ERROR "comms_option.txt holds bytes ${actual_hex}, not ${expected_hex}")
    endif()
endif()

if(DEFINED SAVED)
    set(saved "${WORK}/${SAVED}")
    if(NOT EXISTS "${saved}")
        message(FATAL_ERROR "${SAVED} was not written")
    endif()
    file(READ "${saved}" actual_hex HEX)
    file(READ "${EXPECTED}.saved" expected_hex HEX)
    if(NOT actual_hex STREQUAL expected_hex)
        file(READ "${saved}" actual)
        message(FATAL_ERROR "${SAVED} differs from ${EXPECTED}.saved\n--- actual\n${actual}")
    endif()
    file(GLOB left_over "${WORK}/.*")
    if(left_over)
        message(FATAL_ERROR "temporary files left beside ${SAVED}: ${left_over}")
    endif()
endif()
