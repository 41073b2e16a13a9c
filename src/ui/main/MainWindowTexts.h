// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

/// The main window's own texts (UTF-8), each kept here once.
namespace vitrel::MainWindowTexts {

inline constexpr const char* Caption = "ﾋﾞﾄﾚﾙ [HP作成支援ﾂｰﾙ]";

inline constexpr const char* Label1 = "R";
inline constexpr const char* Label2 = "G";
inline constexpr const char* Label3 = "B";
inline constexpr const char* CckColStr = "ｶﾗｰ文字対応の場合は変換";
inline constexpr const char* Command1 = "色の詳細(&D)";
inline constexpr const char* Frame1 = "書式";
inline constexpr const char* Option1 = "大文字";
inline constexpr const char* Option2 = "小文字";
inline constexpr const char* Option3 = "先頭大文字";
inline constexpr const char* cmdUp = "+";
inline constexpr const char* cmdDwn = "-";
inline constexpr const char* btnCpy = "コピー(&C)";
inline constexpr const char* Frame2 = "ｸｫｰﾃｰｼｮﾝ";
inline constexpr const char* Option4 = "\"ﾀﾞﾌﾞﾙ\"";
inline constexpr const char* Option5 = "'ｼﾝｸﾞﾙ'";
inline constexpr const char* Option6 = "なし";
inline constexpr const char* cmdEnd = "閉じる(&Q)";

inline constexpr const char* mnuFile = "ﾌｧｲﾙ(&F)";
inline constexpr const char* mnuExit = "終了(&Q)";
inline constexpr const char* mnuEdit = "編集(&E)";
inline constexpr const char* mnuShot = "スナップショット(&S)";
inline constexpr const char* mnuCopy = "ｺﾋﾟｰ(&C)";
inline constexpr const char* mnuPast = "ﾍﾟｰｽﾄ(&V)";
inline constexpr const char* mnuFav = "お気に入り(&B)";
inline constexpr const char* mnufavAdd = "お気に入りに追加(&A)";
inline constexpr const char* mnufavEdit = "お気に入りの編集(&E)";
inline constexpr const char* mnuOption = "ｵﾌﾟｼｮﾝ(&O)";
inline constexpr const char* mnuSepDetach = "ﾚﾝｽﾞを外す(&L)";
inline constexpr const char* mnuSepReturn = "ﾚﾝｽﾞを戻す(&L)";
inline constexpr const char* mnuHelp = "ﾍﾙﾌﾟ(&H)";
inline constexpr const char* mnuTpc = "ﾍﾙﾌﾟの表示(&A)　　F1";
inline constexpr const char* mnuVer = "ﾊﾞｰｼﾞｮﾝ情報(&V)";

inline constexpr const char* SettingsNotStored = "設定を保存できませんでした。";
// A snapshot the desktop would not give (a Wayland session's screenshot portal).
inline constexpr const char* SnapshotNotTaken = "画面を取り込めませんでした。";
inline constexpr const char* SnapshotRefused =
    "デスクトップがスクリーンショットを許可しませんでした。デスクトップの設定で、"
    "このプログラムにスクリーンショットを許可してください。";
inline constexpr const char* SnapshotNoPortal =
    "デスクトップのスクリーンショット機能 (xdg-desktop-portal) が見つかりません。";
inline constexpr const char* SnapshotTimedOut = "デスクトップが %1 秒以内に応答しませんでした。";
inline constexpr const char* SnapshotUnreadable =
    "デスクトップから受け取った画像を読めませんでした。";

inline constexpr const char* SettingsApp = "VITRELLE";
inline constexpr const char* SettingsSection = "STERTUP";

}  // namespace vitrel::MainWindowTexts
