# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
target_sources(vitrel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MemoryWindowSystem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MemoryWindowSystem.h
    ${CMAKE_CURRENT_LIST_DIR}/WindowSystem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowSystem.h
)
target_sources(vitrel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MemoryTrackbar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MemoryTrackbar.h
    ${CMAKE_CURRENT_LIST_DIR}/Trackbar.h
)
