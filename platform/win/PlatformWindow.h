#pragma once
// The object behind a window handle: messages sent to the handle reach its
// OnMessage. The program's progress bar is one; the plug-ins only ever see
// the handle.

#include "platform/win/WinTypes.h"

constexpr UINT WM_USER = 0x0400;
constexpr UINT PBM_SETRANGE = WM_USER + 1;
constexpr UINT PBM_SETPOS = WM_USER + 2;
constexpr UINT PBM_DELTAPOS = WM_USER + 3;
constexpr UINT PBM_SETSTEP = WM_USER + 4;
constexpr UINT PBM_STEPIT = WM_USER + 5;
constexpr UINT PBM_SETRANGE32 = WM_USER + 6;
constexpr UINT PBM_GETRANGE = WM_USER + 7;
constexpr UINT PBM_GETPOS = WM_USER + 8;

struct PlatformWindow {
    virtual ~PlatformWindow() = default;
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Delivers the message at once; a null handle answers 0.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
