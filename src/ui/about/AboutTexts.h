// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

/// The texts of the version window and the help window (UTF-8), each kept here once.
namespace vitrel::AboutTexts {

inline constexpr const char* Label1 = " [HP作成支援ﾂｰﾙ]";
inline constexpr const char* lblverDesign = "Ver.";
inline constexpr const char* VersionPrefix = "Vitrel.EXE Ver.";
inline constexpr const char* Label2 = "© 2026 Vitrel developers";
inline constexpr const char* cmdOK = "OK(&O)";
inline constexpr const char* Name = "Vitrel";

inline constexpr const char* HelpFileName = "Vitrel.chm";
inline constexpr const char* HelpTitle = "ﾋﾞﾄﾚﾙ ﾍﾙﾌﾟ";
inline constexpr const char* HelpHome = "目次(&C)";
inline constexpr const char* HelpBack = "戻る(&B)";
inline constexpr const char* HelpForward = "進む(&F)";
inline constexpr const char* HelpMissing = "ﾍﾙﾌﾟﾌｧｲﾙが見つかりません。";
inline constexpr const char* HelpDamaged = "ﾍﾙﾌﾟﾌｧｲﾙを読み込めません。ﾌｧｲﾙが壊れています。";

}  // namespace vitrel::AboutTexts
