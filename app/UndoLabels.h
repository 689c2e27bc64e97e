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
inline CString CutOut() {
    return CString::FromUtf8("コントロールの中抜き");
}
} // namespace UndoLabels
