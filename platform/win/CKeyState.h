#pragma once
// The keyboard state that GetAsyncKeyState answers from. The program's
// event filter feeds it as keys go down and up; long work (a plug-in
// conversion) reads it to notice Escape.

#include "platform/win/WinTypes.h"

using SHORT = std::int16_t;

constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_DELETE = 0x2E;

class CKeyState {
public:
    // Records a key going down or up; codes outside 0..255 are ignored.
    static void SetKeyDown(int virtualKey, bool down);
    // Forgets every key (focus lost: releases may never arrive).
    static void Clear();
};

// Bit 0x8000: the key is down now; bit 1: it went down since the last query.
SHORT GetAsyncKeyState(int virtualKey);
