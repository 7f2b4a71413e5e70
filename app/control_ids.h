#pragma once
// Control IDs of the main window (GetDlgCtrlID), numbered in creation order, so
// that tools and tests driving the window from outside can find each control.

namespace quellor {

inline constexpr int kConditionsPanelId = 100;
inline constexpr int kMaskLabelId = 101;
inline constexpr int kAllFoldersCheckId = 102;
inline constexpr int kMaskEditId = 103;
inline constexpr int kHrefCheckId = 104;
inline constexpr int kSrcCheckId = 105;
inline constexpr int kAddItemCheckId = 106;
inline constexpr int kMessagesPanelId = 107;
inline constexpr int kMessageLogId = 108;
inline constexpr int kOperationsPanelId = 109;
inline constexpr int kChooseFolderButtonId = 110;
inline constexpr int kShowFoundButtonId = 111;
inline constexpr int kSaveListButtonId = 112;
inline constexpr int kProcessAllButtonId = 113;
inline constexpr int kLoadOneFileButtonId = 114;

}  // namespace quellor
