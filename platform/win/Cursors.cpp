#include "platform/win/Cursors.h"

#include <array>

namespace {

constexpr std::array<CursorHandle, 7> kStandardCursors{{{IDC_ARROW},
                                                        {IDC_CROSS},
                                                        {IDC_SIZENWSE},
                                                        {IDC_SIZENESW},
                                                        {IDC_SIZEWE},
                                                        {IDC_SIZENS},
                                                        {IDC_SIZEALL}}};

HCURSOR g_current = nullptr;

} // namespace

HCURSOR LoadStandardCursor(int id) {
    for (const CursorHandle& cursor : kStandardCursors)
        if (cursor.id == id)
            return &cursor;
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = g_current;
    g_current = cursor;
    return previous;
}

HCURSOR GetCursor() {
    return g_current;
}
