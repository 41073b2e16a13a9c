# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# The core library must stay free of Qt so that it can be reused on other platforms.
# vitrel_check_core_sources() fails the configure step when a core source includes a Qt
# header; the build re-runs configure whenever one of those files changes.

function(vitrel_check_core_sources target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
        if(IS_ABSOLUTE "${source}")
            set(path "${source}")
        else()
            set(path "${source_dir}/${source}")
        endif()
        if(NOT EXISTS "${path}")
            continue()
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${path}")
        file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
        if(includes)
            message(FATAL_ERROR "${path} belongs to vitrel_core but includes a Qt header:\n${includes}")
        endif()
        # A core header may include another core header, so follow the header it pulls in too.
        string(REGEX REPLACE "\\.cpp$" ".h" header "${path}")
        if(NOT header STREQUAL path AND EXISTS "${header}")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${header}")
            file(STRINGS "${header}" hincludes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
            if(hincludes)
                message(FATAL_ERROR "${header} belongs to vitrel_core but includes a Qt header:\n${hincludes}")
            endif()
        endif()
    endforeach()
endfunction()
