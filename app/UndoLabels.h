#pragma once
// The Edit menu's names of the redline edits the view records.

#include "platform/mfc/CString.h"

namespace UndoLabels {
inline CString Add() {
    return CString::FromUtf8("コントロールの追加");
}
inline CString Move() {
    return CString::FromUtf8("コントロールの移動");
}
inline CString Extend() {
    return CString::FromUtf8("コントロールの拡張");
}
inline CString Modify() {
    return CString::FromUtf8("コントロールの修正");
}
inline CString Delete() {
    return CString::FromUtf8("コントロールの削除");
}
inline CString ToFront() {
    return CString::FromUtf8("最前面");
}
inline CString ToBack() {
    return CString::FromUtf8("最背面");
}
inline CString CutOut() {
    return CString::FromUtf8("コントロールの中抜き");
}
} // namespace UndoLabels
