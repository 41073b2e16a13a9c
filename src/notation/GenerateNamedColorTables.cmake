# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# Turns the colour-name list into the two embedded lookup tables:
#   COLSTR  key: the upper-case name;              data: "#RRGGBB" and one NUL (8 bytes)
#   HEX     key: "C" and the six digits RRGGBB;    data: the name, NUL-padded to a multiple of
#                                                  four bytes (no NUL when it already is one)
# Both are written sorted by key so that the lookups can bisect them.
#
# Usage: cmake -DINPUT=NamedColors.txt -DOUTPUT=NamedColorTables.cpp -P GenerateNamedColorTables.cmake
#
# The list is checked before anything is written; any fault stops the build with a message
# naming the file and, where there is one, the line.

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
    message(FATAL_ERROR "usage: cmake -DINPUT=<colour list> -DOUTPUT=<source> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()
if(NOT EXISTS "${INPUT}")
    message(FATAL_ERROR "colour list ${INPUT} does not exist")
endif()

set(expected_names 140)
set(expected_colours 138)
# Synonyms whose colour must turn back into the other name.
set(required_synonyms "AQUA=CYAN" "FUCHIA=MAGENTA")

function(fail text)
    message(FATAL_ERROR "${INPUT}: ${text}")
endfunction()

file(READ "${INPUT}" content)
# These characters would break CMake's list handling below, and no valid line holds them.
foreach(bad ";" "[" "]" "\\")
    string(FIND "${content}" "${bad}" at)
    if(NOT at EQUAL -1)
        fail("contains the character ${bad}, which no line may hold")
    endif()
endforeach()
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(names "")
set(line_number 0)
foreach(line IN LISTS lines)
    math(EXPR line_number "${line_number} + 1")
    if(line STREQUAL "" OR line MATCHES "^#")
        continue()
    endif()
    # The colour is the first field that starts with "#", so a name with a blank in it is
    # reported as a bad name rather than as a bad colour.
    if(NOT line MATCHES "^([^#]+) (#[^ ]*)( ([^ ]+))?$")
        fail("line ${line_number}: expected \"NAME #RRGGBB\" or \"NAME #RRGGBB preferred\", got \"${line}\"")
    endif()
    set(name "${CMAKE_MATCH_1}")
    set(colour "${CMAKE_MATCH_2}")
    set(flag "${CMAKE_MATCH_4}")
    if(NOT name MATCHES "^[A-Z]+$")
        fail("line ${line_number}: the name \"${name}\" must be upper-case letters A-Z only")
    endif()
    if(NOT colour MATCHES "^#[0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F]$")
        fail("line ${line_number}: the colour \"${colour}\" of ${name} must be # and six upper-case hexadecimal digits")
    endif()
    if(NOT flag STREQUAL "" AND NOT flag STREQUAL "preferred")
        fail("line ${line_number}: unknown mark \"${flag}\" after ${name} (only \"preferred\" is known)")
    endif()
    if(DEFINED colour_of_${name})
        fail("line ${line_number}: ${name} is listed twice")
    endif()
    list(APPEND names "${name}")
    set(colour_of_${name} "${colour}")
    set(line_of_${name} "${line_number}")
    string(SUBSTRING "${colour}" 1 6 digits)
    list(APPEND names_of_${digits} "${name}")
    if(flag STREQUAL "preferred")
        list(APPEND preferred_of_${digits} "${name}")
    endif()
endforeach()

list(LENGTH names name_count)
if(NOT name_count EQUAL expected_names)
    fail("lists ${name_count} names; the tables hold exactly ${expected_names}")
endif()

# One name per colour for HEX: the only name, or the preferred one of several.
set(hex_keys "")
foreach(name IN LISTS names)
    string(SUBSTRING "${colour_of_${name}}" 1 6 digits)
    if(DEFINED hex_name_of_${digits})
        continue()
    endif()
    list(LENGTH names_of_${digits} synonyms)
    list(LENGTH preferred_of_${digits} preferred)
    if(synonyms EQUAL 1 AND preferred GREATER 0)
        fail("line ${line_of_${name}}: ${name} is marked preferred but no other name has #${digits}")
    endif()
    if(synonyms GREATER 1 AND NOT preferred EQUAL 1)
        fail("#${digits} has the names ${names_of_${digits}}; mark exactly one of them preferred")
    endif()
    if(synonyms EQUAL 1)
        set(hex_name_of_${digits} "${names_of_${digits}}")
    else()
        set(hex_name_of_${digits} "${preferred_of_${digits}}")
    endif()
    list(APPEND hex_keys "C${digits}")
endforeach()

list(LENGTH hex_keys colour_count)
if(NOT colour_count EQUAL expected_colours)
    fail("lists ${colour_count} distinct colours; the tables hold exactly ${expected_colours}")
endif()

# Every name's colour must come back as exactly one HEX entry that names a name of that colour.
foreach(name IN LISTS names)
    string(SUBSTRING "${colour_of_${name}}" 1 6 digits)
    list(FIND hex_keys "C${digits}" first)
    list(FIND names_of_${digits} "${hex_name_of_${digits}}" known)
    if(first EQUAL -1 OR known EQUAL -1)
        fail("the colour #${digits} of ${name} has no entry in the colour-to-name table")
    endif()
endforeach()

foreach(pair IN LISTS required_synonyms)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 synonym)
    list(GET pair 1 kept)
    if(NOT DEFINED colour_of_${synonym} OR NOT DEFINED colour_of_${kept})
        fail("${synonym} and ${kept} must both be listed")
    endif()
    string(SUBSTRING "${colour_of_${synonym}}" 1 6 digits)
    if(NOT hex_name_of_${digits} STREQUAL kept)
        fail("#${digits} must turn back into ${kept}, not ${hex_name_of_${digits}}: mark ${kept} preferred and give it the colour of ${synonym}")
    endif()
endforeach()

# "ABC" -> "0x41, 0x42, 0x43"
function(byte_list text padding out)
    string(HEX "${text}" hex)
    string(REGEX REPLACE "(..)" "0x\\1, " bytes "${hex}")
    if(padding GREATER 0)
        foreach(i RANGE 1 ${padding})
            string(APPEND bytes "0x00, ")
        endforeach()
    endif()
    string(REGEX REPLACE ", $" "" bytes "${bytes}")
    set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

set(arrays "")
set(colstr_entries "")
list(SORT names COMPARE STRING)
set(index 0)
foreach(name IN LISTS names)
    byte_list("${colour_of_${name}}" 1 bytes)
    string(APPEND arrays "constexpr unsigned char kColStr${index}[] = {${bytes}};\n")
    string(APPEND colstr_entries "    {\"${name}\", kColStr${index}},\n")
    math(EXPR index "${index} + 1")
endforeach()

set(hex_entries "")
list(SORT hex_keys COMPARE STRING)
set(index 0)
foreach(key IN LISTS hex_keys)
    string(SUBSTRING "${key}" 1 6 digits)
    set(name "${hex_name_of_${digits}}")
    string(LENGTH "${name}" length)
    math(EXPR padding "(4 - ${length} % 4) % 4")
    byte_list("${name}" ${padding} bytes)
    string(APPEND arrays "constexpr unsigned char kHex${index}[] = {${bytes}};\n")
    string(APPEND hex_entries "    {\"${key}\", kHex${index}},\n")
    math(EXPR index "${index} + 1")
endforeach()

get_filename_component(input_name "${INPUT}" NAME)
set(source "// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
// Generated from ${input_name} by GenerateNamedColorTables.cmake. Do not edit.
#include \"notation/NamedColorTables.h\"

namespace vitrel::modVitrel::tables {
namespace {

${arrays}
constexpr TableEntry kColStrEntries[] = {
${colstr_entries}};

constexpr TableEntry kHexEntries[] = {
${hex_entries}};

}  // namespace

std::span<const TableEntry> ColStr() {
    return kColStrEntries;
}

std::span<const TableEntry> Hex() {
    return kHexEntries;
}

}  // namespace vitrel::modVitrel::tables
")

# Leave an unchanged output untouched so that nothing recompiles needlessly.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" previous)
    if(previous STREQUAL source)
        return()
    endif()
endif()
file(WRITE "${OUTPUT}" "${source}")
