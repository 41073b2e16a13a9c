# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# The table generator must refuse a damaged colour list, and say why. Each case below damages a
# copy of the real list in one way and expects the generator to stop with the given message.
#
# Usage: cmake -DLIST=NamedColors.txt -DGENERATOR=GenerateNamedColorTables.cmake
#              -DWORK_DIR=<scratch folder> -P NamedColorListCheck.cmake

file(READ "${LIST}" original)
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failures 0)

function(expect_generator case_name list_text expected_message)
    set(list_file "${WORK_DIR}/${case_name}.txt")
    set(output_file "${WORK_DIR}/${case_name}.cpp")
    file(WRITE "${list_file}" "${list_text}")
    file(REMOVE "${output_file}")
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -DINPUT=${list_file} -DOUTPUT=${output_file} -P "${GENERATOR}"
        RESULT_VARIABLE result
        ERROR_VARIABLE errors
        OUTPUT_QUIET)
    string(REGEX REPLACE "[ \t\r\n]+" " " errors "${errors}")
    if(expected_message STREQUAL "")
        if(NOT result EQUAL 0 OR NOT EXISTS "${output_file}")
            message(SEND_ERROR "${case_name}: the list should be accepted, got: ${errors}")
        endif()
    elseif(result EQUAL 0 OR EXISTS "${output_file}")
        message(SEND_ERROR "${case_name}: the generator accepted a damaged list")
    else()
        string(FIND "${errors}" "${expected_message}" at)
        if(at EQUAL -1)
            message(SEND_ERROR "${case_name}: expected \"${expected_message}\", got: ${errors}")
        endif()
    endif()
endfunction()

function(damaged case_name pattern replacement expected_message)
    string(REGEX REPLACE "${pattern}" "${replacement}" text "${original}")
    if(text STREQUAL original)
        message(SEND_ERROR "${case_name}: the pattern ${pattern} no longer matches the list")
    endif()
    expect_generator(${case_name} "${text}" "${expected_message}")
endfunction()

expect_generator(intact "${original}" "")
damaged(missing-name "\nRED #FF0000\n" "\n" "lists 139 names")
damaged(repeated-name "\nRED #FF0000\n" "\nRED #FF0000\nRED #FF0000\n" "RED is listed twice")
damaged(lower-case-name "\nAQUA " "\naqua " "the name \"aqua\" must be upper-case letters A-Z only")
damaged(name-with-blank "\nALICEBLUE " "\nALICE BLUE " "the name \"ALICE BLUE\" must be")
damaged(missing-colour "\nRED #FF0000" "\nRED" "expected \"NAME #RRGGBB\"")
damaged(lower-case-colour "\nRED #FF0000" "\nRED #ff0000" "must be # and six upper-case")
damaged(short-colour "\nRED #FF0000" "\nRED #FF000" "must be # and six upper-case")
damaged(split-synonyms "\nAQUA #00FFFF\n(.*)\nCYAN #00FFFF preferred\n"
        "\nAQUA #00FFFE\n\\1\nCYAN #00FFFF\n" "lists 139 distinct colours")
damaged(unmarked-synonym "\nLIME #00FF00" "\nLIME #FF0000" "mark exactly one of them preferred")
damaged(lonely-preference "\nRED #FF0000" "\nRED #FF0000 preferred" "RED is marked preferred")
damaged(unknown-mark "\nRED #FF0000" "\nRED #FF0000 kept" "unknown mark \"kept\"")
damaged(aqua-preferred "\nAQUA #00FFFF\n(.*)\nCYAN #00FFFF preferred\n"
        "\nAQUA #00FFFF preferred\n\\1\nCYAN #00FFFF\n" "#00FFFF must turn back into CYAN, not AQUA")
damaged(list-breaking-character "\nRED #FF0000" "\nRED #FF0000 [x]" "contains the character [")

