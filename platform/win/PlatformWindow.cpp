#include "platform/win/PlatformWindow.h"

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return window ? window->OnMessage(message, wParam, lParam) : 0;
}
