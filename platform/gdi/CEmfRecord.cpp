#include "platform/gdi/CEmfRecord.h"

#include <bit>

CEmfRecord::CEmfRecord(DWORD type) {
    U32(type);
    U32(0);
}

CEmfRecord& CEmfRecord::U8(BYTE value) {
    m_bytes.push_back(value);
    return *this;
}

CEmfRecord& CEmfRecord::U16(WORD value) {
    m_bytes.push_back(static_cast<BYTE>(value & 0xFF));
    m_bytes.push_back(static_cast<BYTE>(value >> 8));
    return *this;
}

CEmfRecord& CEmfRecord::U32(DWORD value) {
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<BYTE>((value >> shift) & 0xFF));
    return *this;
}

CEmfRecord& CEmfRecord::Float(float value) {
    return U32(std::bit_cast<DWORD>(value));
}

CEmfRecord& CEmfRecord::Point16(POINT point) {
    return U16(static_cast<WORD>(point.x)).U16(static_cast<WORD>(point.y));
}

CEmfRecord& CEmfRecord::Rect(const RECT& rect) {
    return I32(rect.left).I32(rect.top).I32(rect.right).I32(rect.bottom);
}

CEmfRecord& CEmfRecord::Utf16(std::u16string_view text) {
    for (const char16_t unit : text)
        U16(static_cast<WORD>(unit));
    return *this;
}

CEmfRecord& CEmfRecord::Align() {
    while (m_bytes.size() % 4 != 0)
        m_bytes.push_back(0);
    return *this;
}

std::vector<BYTE> CEmfRecord::Bytes() const {
    std::vector<BYTE> bytes = m_bytes;
    while (bytes.size() % 4 != 0)
        bytes.push_back(0);
    const auto size = static_cast<DWORD>(bytes.size());
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(4 + i)] = static_cast<BYTE>((size >> (8 * i)) & 0xFF);
    return bytes;
}
