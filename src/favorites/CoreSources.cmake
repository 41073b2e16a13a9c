# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
target_sources(vitrel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FavoriteRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavoriteRecord.h
    ${CMAKE_CURRENT_LIST_DIR}/FavoritesStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavoritesStore.h
    ${CMAKE_CURRENT_LIST_DIR}/IFileOperations.h
    ${CMAKE_CURRENT_LIST_DIR}/SortDescending.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SortDescending.h
    ${CMAKE_CURRENT_LIST_DIR}/StdFileOperations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StdFileOperations.h
)
