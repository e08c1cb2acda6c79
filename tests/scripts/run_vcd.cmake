# Records one bench script's bus traffic twice with zqfctl and judges the
# recordings: both runs end well, the two files are the same byte for byte, no
# temporary file is left beside them, and sigrok's SPI decoder reads from the
# file exactly the words the trace says were sent, in order.
#
#   ZQFCTL  the zqfctl executable       SIGROK    the sigrok-cli executable
#   SCRIPT  the script (NAME.zqf)       WORK      the working folder to make
#   LINK    par or usb (preselected)    WORDSIZE  24 or 32

function(record run out_var)
    set(folder "${WORK}/${run}")
    file(MAKE_DIRECTORY "${folder}")
    file(WRITE "${folder}/comms_option.txt" "${LINK}\r\n")
    execute_process(COMMAND "${ZQFCTL}" run --trace --vcd bus.vcd "${SCRIPT}"
                    WORKING_DIRECTORY "${folder}"
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    if(NOT status STREQUAL 0)
        message(FATAL_ERROR "zqfctl ended with ${status}\n--- stdout\n${out}--- stderr\n${err}")
    endif()
    file(GLOB left_over "${folder}/.*")
    if(left_over)
        message(FATAL_ERROR "temporary files left beside the recording: ${left_over}")
    endif()
    set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

# Hex words without leading zeros, one list entry each.
function(words_of text pattern out_var)
    string(REGEX MATCHALL "${pattern}" lines "${text}")
    set(words)
    foreach(line ${lines})
        string(REGEX REPLACE "${pattern}" "\\1" word "${line}")
        string(REGEX REPLACE "^0+([0-9A-F])" "\\1" word "${word}")
        list(APPEND words "${word}")
    endforeach()
    set(${out_var} "${words}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK}")
record(first trace)
record(second ignored)

set(file "${WORK}/first/bus.vcd")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${file}" "${WORK}/second/bus.vcd"
                RESULT_VARIABLE differ)
if(differ)
    message(FATAL_ERROR "the two recordings differ")
endif()

if(LINK STREQUAL "par")
    set(wires clk=D0_clock:mosi=D1_data:cs=D2_load_enable)
else()
    set(wires clk=clock:mosi=data:cs=load_enable)
endif()
execute_process(COMMAND "${SIGROK}" -I vcd -i "${file}"
                        -P spi:${wires}:cs_polarity=active-low:wordsize=${WORDSIZE}
                        -A spi=mosi-data
                OUTPUT_VARIABLE decoded ERROR_VARIABLE decode_errors RESULT_VARIABLE status)
if(NOT status STREQUAL 0)
    message(FATAL_ERROR "sigrok-cli ended with ${status}\n${decode_errors}")
endif()

words_of("${trace}" "send R[0-7] ([0-9A-F]+)\n" sent)
words_of("${decoded}" "spi-1: ([0-9A-F]+)\n" read_back)
if(NOT sent)
    message(FATAL_ERROR "the script sent no words")
endif()
if(NOT sent STREQUAL read_back)
    message(FATAL_ERROR "decoded words differ from the words sent\n"
                        "sent:    ${sent}\ndecoded: ${read_back}")
endif()
