#include "platform/win/CKeyState.h"

#include <array>

namespace {

struct KeyTable {
    std::array<bool, 256> down{};
    std::array<bool, 256> pressedSinceQuery{};
};

KeyTable& Keys() {
    static KeyTable table;
    return table;
}

bool InRange(int virtualKey) {
    return virtualKey >= 0 && virtualKey < 256;
}

} // namespace

void CKeyState::SetKeyDown(int virtualKey, bool down) {
    if (!InRange(virtualKey))
        return;
    Keys().down[virtualKey] = down;
    if (down)
        Keys().pressedSinceQuery[virtualKey] = true;
}

void CKeyState::Clear() {
    Keys() = KeyTable();
}

SHORT GetAsyncKeyState(int virtualKey) {
    if (!InRange(virtualKey))
        return 0;
    int state = Keys().down[virtualKey] ? 0x8000 : 0;
    if (Keys().pressedSinceQuery[virtualKey])
        state |= 1;
    Keys().pressedSinceQuery[virtualKey] = false;
    return static_cast<SHORT>(state);
}
