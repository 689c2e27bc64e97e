#include "plugins/sxf/CSxfColourTable.h"

namespace {

constexpr COLORREF PreDefined[] = {
    RGB(0, 0, 0),     RGB(255, 0, 0),    RGB(0, 255, 0),     RGB(0, 0, 255),
    RGB(255, 255, 0), RGB(255, 0, 255),  RGB(0, 255, 255),   RGB(255, 255, 255),
    RGB(192, 0, 128), RGB(192, 128, 64), RGB(255, 128, 0),   RGB(128, 192, 128),
    RGB(0, 128, 255), RGB(128, 64, 255), RGB(192, 192, 192), RGB(128, 128, 128)};

bool InRange(int code) {
    return code >= 1 && code <= CSxfColourTable::MaxCode;
}

} // namespace

CSxfColourTable::CSxfColourTable() {
    for (std::size_t i = 0; i < std::size(PreDefined); ++i) {
        m_colours[i + 1] = PreDefined[i];
    }
}

void CSxfColourTable::SetUserColour(int code, int red, int green, int blue) {
    if (InRange(code)) {
        m_colours[static_cast<std::size_t>(code)] = RGB(red, green, blue);
    }
}

COLORREF CSxfColourTable::Colour(int code) const {
    if (!InRange(code)) {
        return DefaultColour;
    }
    return m_colours[static_cast<std::size_t>(code)].value_or(DefaultColour);
}
