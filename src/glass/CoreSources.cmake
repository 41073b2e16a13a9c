# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
target_sources(vitrel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CanvasGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasGeometry.h
    ${CMAKE_CURRENT_LIST_DIR}/GlassGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlassGeometry.h
)
