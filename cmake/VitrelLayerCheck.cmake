# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# The layers are one-way: core knows nothing else and no Qt, so that it can be reused on other
# platforms; qt knows core; ui knows core and qt; app knows all. vitrel_check_layer() fails the
# configure step when a source of the target includes a header of a higher layer (or core a Qt
# header); the build re-runs configure whenever one of those files changes.

set(VITREL_LAYERS core qt ui app)

function(vitrel_check_layer target layer)
    list(FIND VITREL_LAYERS ${layer} level)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
        set(path "${source_dir}/${source}")
        if(IS_ABSOLUTE "${source}")
            set(path "${source}")
        endif()
        if(NOT EXISTS "${path}")
            continue()
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${path}")
        file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            if(layer STREQUAL "core" AND line MATCHES "include[ \t]*[<\"]Q")
                message(FATAL_ERROR "${path} belongs to the core but includes Qt:\n${line}")
            endif()
            if(line MATCHES "include[ \t]*\"([a-z]+)/")
                list(FIND VITREL_LAYERS ${CMAKE_MATCH_1} included)
                if(included GREATER level)
                    message(FATAL_ERROR "${path} (${layer}) includes a higher layer:\n${line}")
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()
