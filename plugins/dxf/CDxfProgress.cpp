#include "plugins/dxf/CDxfProgress.h"

#include "platform/win/CKeyState.h"
#include "platform/win/PlatformWindow.h"

void CDxfProgress::Start(std::size_t length) {
    m_step = length / 100;
    m_nextMark = 0;
    SendMessage(m_window, PBM_SETRANGE32, 0, static_cast<LPARAM>(length));
}

bool CDxfProgress::Poll(std::size_t position) {
    if (!m_continue) {
        return false;
    }
    if (position > m_nextMark) {
        m_nextMark += m_step;
        SendMessage(m_window, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
    if (GetAsyncKeyState(VK_ESCAPE) & 0x8000) {
        m_continue = false;
    }
    return m_continue;
}
