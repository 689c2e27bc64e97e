#include "platform/win/PlatformWindow.h"
#include "platform/win/CKeyState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingWindow final : public PlatformWindow {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        calls.push_back({message, wParam, lParam});
        return 42;
    }
    struct Call {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Call> calls;
};

TEST(PlatformWindowTest, SendMessageReachesTheWindowAndANullHandleAnswersZero) {
    RecordingWindow window;
    EXPECT_EQ(SendMessage(&window, PBM_SETRANGE32, 0, 1234567), 42);
    ASSERT_EQ(window.calls.size(), 1u);
    EXPECT_EQ(window.calls[0].message, 0x406u);
    EXPECT_EQ(window.calls[0].lParam, 1234567);
    EXPECT_EQ(SendMessage(nullptr, PBM_SETPOS, 5, 0), 0);
}

TEST(CKeyStateTest, ReportsKeysDownAndPressesSinceTheLastQuery) {
    CKeyState::Clear();
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);
    CKeyState::SetKeyDown(VK_ESCAPE, true);
    EXPECT_EQ(static_cast<unsigned short>(GetAsyncKeyState(VK_ESCAPE)), 0x8001u);
    EXPECT_EQ(static_cast<unsigned short>(GetAsyncKeyState(VK_ESCAPE)), 0x8000u);
    CKeyState::SetKeyDown(VK_ESCAPE, false);
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);
    // A press and release between two queries is still noticed once.
    CKeyState::SetKeyDown(VK_ESCAPE, true);
    CKeyState::SetKeyDown(VK_ESCAPE, false);
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 1);
    EXPECT_EQ(GetAsyncKeyState(-1), 0);
    EXPECT_EQ(GetAsyncKeyState(256), 0);
    CKeyState::SetKeyDown(300, true);
}

} // namespace
