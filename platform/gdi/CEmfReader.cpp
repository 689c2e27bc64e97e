#include "platform/gdi/CEmfReader.h"

bool CEmfReader::Take(std::size_t count) {
    if (!m_ok || count > m_size - m_offset) {
        m_ok = false;
        return false;
    }
    return true;
}

BYTE CEmfReader::U8() {
    if (!Take(1))
        return 0;
    return m_data[m_offset++];
}

WORD CEmfReader::U16() {
    if (!Take(2))
        return 0;
    const WORD value = static_cast<WORD>(m_data[m_offset] | (m_data[m_offset + 1] << 8));
    m_offset += 2;
    return value;
}

DWORD CEmfReader::U32() {
    if (!Take(4))
        return 0;
    DWORD value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | m_data[m_offset + static_cast<std::size_t>(i)];
    m_offset += 4;
    return value;
}

POINT CEmfReader::Point16() {
    const auto x = static_cast<std::int16_t>(U16());
    const auto y = static_cast<std::int16_t>(U16());
    return POINT{x, y};
}

RECT CEmfReader::Rect() {
    RECT rect{};
    rect.left = I32();
    rect.top = I32();
    rect.right = I32();
    rect.bottom = I32();
    return rect;
}

std::u16string CEmfReader::Utf16(std::size_t count) {
    if (count > Remaining() / 2) {
        m_ok = false;
        return {};
    }
    std::u16string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        text.push_back(static_cast<char16_t>(U16()));
    return text;
}

void CEmfReader::Seek(std::size_t offset) {
    if (!m_ok || offset > m_size)
        m_ok = false;
    else
        m_offset = offset;
}
