#pragma once
// Progress of one conversion on the caller's progress bar, and the Escape
// key that ends it early. Once Escape has been seen the conversion stays
// cancelled.

#include "platform/win/WinTypes.h"

#include <cstddef>

class CDxfProgress {
public:
    explicit CDxfProgress(HWND window) : m_window(window) {}

    // Sets the bar's range to the file length.
    void Start(std::size_t length);
    // Called once per group read: moves the bar at every hundredth of the
    // file and tests Escape. False when the conversion is to end.
    bool Poll(std::size_t position);

private:
    HWND m_window;
    std::size_t m_step = 0;
    std::size_t m_nextMark = 0;
    bool m_continue = true;
};
