# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# cmake -DCHMCMD=... -DPROJECT_FILE=... -P CompileHelp.cmake
# Compiles the help project into the current folder. chmcmd only warns about a link or a
# picture that is not there; here that fails the build.
execute_process(COMMAND ${CHMCMD} ${PROJECT_FILE}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "Warning|Error")
    message(FATAL_ERROR "chmcmd ${PROJECT_FILE}:\n${output}")
endif()
