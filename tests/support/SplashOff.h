#pragma once
// Turns the start-up picture off for one test, so a start does not wait for
// it, and back on (the program's own start value) afterwards.

#include "app/CSplashWnd.h"

class SplashOff {
public:
    SplashOff() { CSplashWnd::EnableSplashScreen(false); }
    ~SplashOff() { CSplashWnd::EnableSplashScreen(true); }
    SplashOff(const SplashOff&) = delete;
    SplashOff& operator=(const SplashOff&) = delete;
};
