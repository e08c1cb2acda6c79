# The register words of one settings file, every way the programs give them,
# must be the same words in the same order:
#   - `zqfctl export --format hex`;
#   - what `zqfctl run` sends when the file is loaded through File > Get
#     Settings and the main window's send-all is clicked (the last words sent);
#   - the array of the C header, compiled into a small C program that prints it;
#   - the fields of the CSV table and of the JSON document, re-assembled;
#   - the fields `zqfctl decode --json` gives each word, re-assembled.
# The header and the JSON document name the file they come from, whatever
# that name holds: the header must still compile, the document must still be
# valid JSON in UTF-8.
#
#   ZQFCTL    the zqfctl executable     SETTINGS  the settings file
#   DEVICE    the device it names       OPTION    its start-window option
#   SEND_ALL  the main window's send-all switch for the device
#   CC        a C compiler              WORK      the working folder to make
#   PYTHON    a Python 3, to judge JSON on its own

function(run_zqfctl out)
    execute_process(COMMAND "${ZQFCTL}" ${ARGN} WORKING_DIRECTORY "${WORK}"
                    OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "zqfctl ${ARGN} ended with ${status}:\n${stderr}")
    endif()
    set(${out} "${stdout}" PARENT_SCOPE)
endfunction()

# A hexadecimal text ("0x00AF00" or "AF00") as a decimal number.
function(hex_value out text)
    string(REGEX REPLACE "^0x" "" digits "${text}")
    math(EXPR value "0x${digits}" OUTPUT_FORMAT DECIMAL)
    set(${out} ${value} PARENT_SCOPE)
endfunction()

function(expect_words what actual)
    if(NOT actual STREQUAL expected_words)
        message(FATAL_ERROR "${what} gives the words\n  ${actual}\nthe hex export\n  ${expected_words}")
    endif()
endfunction()

cmake_policy(SET CMP0007 NEW)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# The hex export: "R<k>\t0x<word>" a line; the reference for the rest.
run_zqfctl(hex export "${SETTINGS}" --format hex)
string(REGEX MATCHALL "[^\n]+" hex_lines "${hex}")
set(expected_words)
set(expected_registers)
foreach(line IN LISTS hex_lines)
    if(NOT line MATCHES "^R([0-7])\t(0x[0-9A-F]+)$")
        message(FATAL_ERROR "not a line of the hex export: '${line}'")
    endif()
    list(APPEND expected_registers ${CMAKE_MATCH_1})
    hex_value(word ${CMAKE_MATCH_2})
    list(APPEND expected_words "R${CMAKE_MATCH_1}=${word}")
endforeach()

# The desktop program's road: load the file, click send-all, and take the
# words sent last.
file(WRITE "${WORK}/send_all.zqf"
     "click deviceform.${OPTION}\nclick deviceform.option_par\nclick deviceform.Command1\n"
     "file ${SETTINGS}\nclick Main.mnuGet\nclick Main.${SEND_ALL}\n")
run_zqfctl(trace run --trace send_all.zqf)
string(REGEX MATCHALL "send R[0-7] [0-9A-F]+" sends "${trace}")
list(LENGTH expected_words count)
list(LENGTH sends sent_count)
if(sent_count LESS count)
    message(FATAL_ERROR "send-all sent ${sent_count} words, the export lists ${count}:\n${trace}")
endif()
math(EXPR first "${sent_count} - ${count}")
list(SUBLIST sends ${first} ${count} sends)
set(sent_words)
foreach(send IN LISTS sends)
    string(REGEX MATCH "send R([0-7]) ([0-9A-F]+)" match "${send}")
    hex_value(word ${CMAKE_MATCH_2})
    list(APPEND sent_words "R${CMAKE_MATCH_1}=${word}")
endforeach()
expect_words("zqfctl run, Get Settings and ${SEND_ALL}" "${sent_words}")

# The settings under odd names: "*/" and "/*" would end the header's comment
# early or open another; C0 80 and C1 BF are overlong forms, no UTF-8.
file(MAKE_DIRECTORY "${WORK}/odd*")
set(c_source "odd*/*settings.txt")
string(ASCII 192 128 193 191 overlong)
set(json_source "odd*/settings${overlong}.txt")
file(COPY_FILE "${SETTINGS}" "${WORK}/${c_source}")
file(COPY_FILE "${SETTINGS}" "${WORK}/${json_source}")

# The C header in a C program that prints its array.
run_zqfctl(ignored export "${c_source}" --format c -o "${WORK}/registers.h")
string(TOLOWER "${DEVICE}" lower)
file(WRITE "${WORK}/print_words.c"
     "#include <inttypes.h>\n#include <stdio.h>\n#include \"registers.h\"\n"
     "int main(void) {\n"
     "    for (int i = 0; i < ${DEVICE}_REGISTER_COUNT; ++i) {\n"
     "        printf(\"%\" PRIu32 \"\\n\", ${lower}_registers[i]);\n"
     "    }\n    return 0;\n}\n")
execute_process(COMMAND "${CC}" -std=c99 -Wall -Wextra -pedantic -Werror -o print_words print_words.c
                WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the C header does not compile:\n${errors}")
endif()
execute_process(COMMAND "${WORK}/print_words" OUTPUT_VARIABLE printed RESULT_VARIABLE status)
string(REGEX MATCHALL "[0-9]+" printed "${printed}")
set(c_words)
foreach(word register IN ZIP_LISTS printed expected_registers)
    list(APPEND c_words "R${register}=${word}")
endforeach()
expect_words("the C header's array" "${c_words}")

# The CSV table: each field column names its bits, key[high:low] or key[bit].
run_zqfctl(csv export "${SETTINGS}" --format csv)
string(REGEX MATCHALL "[^\n]+" csv_lines "${csv}")
list(POP_FRONT csv_lines header)
string(REPLACE "," ";" columns "${header}")
set(csv_words)
foreach(line IN LISTS csv_lines)
    string(REPLACE "," ";" cells "${line}")
    # An empty cell at the end of a line is no list element; pad.
    list(LENGTH columns width)
    list(LENGTH cells present)
    while(present LESS width)
        list(APPEND cells "")
        math(EXPR present "${present} + 1")
    endwhile()
    list(GET cells 0 register)
    list(GET cells 1 word_text)
    set(assembled 0)
    math(EXPR last "${width} - 1")
    foreach(i RANGE 3 ${last})
        list(GET columns ${i} column)
        list(GET cells ${i} cell)
        if(cell STREQUAL "")
            continue()
        endif()
        if(NOT column MATCHES "^[a-z0-9_]+\\[([0-9]+)(:([0-9]+))?\\]$")
            message(FATAL_ERROR "not a field column: ${column}")
        endif()
        set(low ${CMAKE_MATCH_1})
        if(CMAKE_MATCH_3 OR CMAKE_MATCH_3 STREQUAL "0")
            set(low ${CMAKE_MATCH_3})
        endif()
        math(EXPR assembled "${assembled} + (${cell} << ${low})")
    endforeach()
    hex_value(word ${word_text})
    if(NOT assembled EQUAL word)
        message(FATAL_ERROR "CSV row ${register}: fields give ${assembled}, the word is ${word}")
    endif()
    list(APPEND csv_words "${register}=${assembled}")
endforeach()
expect_words("the CSV table" "${csv_words}")

# A JSON document's registers, each re-assembled from its fields.
function(json_words out json)
    string(JSON count LENGTH "${json}" registers)
    math(EXPR last "${count} - 1")
    set(words)
    foreach(r RANGE ${last})
        string(JSON index GET "${json}" registers ${r} index)
        string(JSON word_text GET "${json}" registers ${r} word)
        string(JSON field_count LENGTH "${json}" registers ${r} fields)
        math(EXPR last_field "${field_count} - 1")
        set(assembled 0)
        foreach(f RANGE ${last_field})
            string(JSON low GET "${json}" registers ${r} fields ${f} low)
            string(JSON value GET "${json}" registers ${r} fields ${f} value)
            math(EXPR assembled "${assembled} + (${value} << ${low})")
        endforeach()
        hex_value(word ${word_text})
        if(NOT assembled EQUAL word)
            message(FATAL_ERROR "JSON R${index}: fields give ${assembled}, the word is ${word}")
        endif()
        list(APPEND words "R${index}=${assembled}")
    endforeach()
    set(${out} "${words}" PARENT_SCOPE)
endfunction()

run_zqfctl(ignored export "${json_source}" --format json -o "${WORK}/odd.json")
execute_process(
    COMMAND "${PYTHON}" -c [=[
import json, sys
document = json.loads(open(sys.argv[1], "rb").read().decode("utf-8"))
sys.exit(document["source"] != "odd*/settings\ufffd\ufffd\ufffd\ufffd.txt")
]=] odd.json
    WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the JSON export of ${json_source} is no valid JSON in UTF-8 with each "
                        "stray byte as U+FFFD:\n${errors}")
endif()
run_zqfctl(json export "${SETTINGS}" --format json)
string(JSON device GET "${json}" device)
if(NOT device STREQUAL DEVICE)
    message(FATAL_ERROR "the JSON document names ${device}, not ${DEVICE}")
endif()
json_words(words "${json}")
expect_words("the JSON document" "${words}")

# Every word of the export decoded on its own register, given in hex and in
# decimal by turns.
set(word_texts)
set(decimal FALSE)
foreach(line IN LISTS hex_lines)
    string(REGEX REPLACE "^R[0-7]\t" "" word_text "${line}")
    if(decimal)
        hex_value(word_text ${word_text})
    endif()
    list(APPEND word_texts ${word_text})
    if(decimal)
        set(decimal FALSE)
    else()
        set(decimal TRUE)
    endif()
endforeach()
run_zqfctl(decoded decode --device ${DEVICE} --json ${word_texts})
json_words(words "${decoded}")
expect_words("zqfctl decode" "${words}")
