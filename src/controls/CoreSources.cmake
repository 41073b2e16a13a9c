# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
target_sources(vitrel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/IColorDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/IDataObject.h
    ${CMAKE_CURRENT_LIST_DIR}/IPropertyBag.h
    ${CMAKE_CURRENT_LIST_DIR}/ucClrComDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ucClrComDlg.h
    ${CMAKE_CURRENT_LIST_DIR}/IpvSbClsWin.h
    ${CMAKE_CURRENT_LIST_DIR}/cSbClsWin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cSbClsWin.h
    ${CMAKE_CURRENT_LIST_DIR}/modpvSbCls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modpvSbCls.h
    ${CMAKE_CURRENT_LIST_DIR}/Picture.h
)
target_sources(vitrel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ISliderContainer.h
    ${CMAKE_CURRENT_LIST_DIR}/ucSlider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ucSlider.h
)
