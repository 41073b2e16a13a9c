// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

/// The texts of the favourites' dialogs and menu (UTF-8), each kept here once.
namespace vitrel::FavoriteTexts {

inline constexpr const char* NameLabel = "名前：";

/// The add dialog's own caption; each opener gives it one of the two below.
inline constexpr const char* AddDesignCaption = "お気に入りの色";
inline constexpr const char* AddCaption = "お気に入りに追加";
inline constexpr const char* RenameCaption = "お気に入りの名前変更";
inline constexpr const char* AddCommand1 = "ｷｬﾝｾﾙ(&C)";
inline constexpr const char* AddCommand2 = "OK(&O)";

inline constexpr const char* EditCaption = "お気に入りの編集";
inline constexpr const char* EditLabel2 = "色　：";  // the gap is an ideographic space
inline constexpr const char* EditLabel3 = "画像：";
inline constexpr const char* cmdNmCng = "名前の変更(&R)";
inline constexpr const char* cmdDel = "削除(&D)";
inline constexpr const char* cmdClose = "閉じる(&C)";

inline constexpr const char* NotSaved = "お気に入りを保存できませんでした。";

}  // namespace vitrel::FavoriteTexts
