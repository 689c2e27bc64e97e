#include "entities/CSelectionLook.h"

#include "platform/gdi/CDC.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kSpecialFill = 99;
constexpr int kSelectNormal = 0;
constexpr int kSelectFilled = 1;
constexpr int kSelectBlinking = 2;

} // namespace

CSelectionLook::Look CSelectionLook::For(int selectMode, int fillType, bool areaCanShow) {
    const bool special = fillType == kSpecialFill;
    const bool normal = selectMode == kSelectNormal || selectMode == kSelectBlinking ||
                        (selectMode == kSelectFilled && !special);
    return Look{!normal, normal && areaCanShow && fillType != 0 && !special};
}

CSelectionLook::CSelectionLook(CDC* dc, Look look, COLORREF color, COLORREF ownColor)
    : m_dc(dc), m_inverted(look.m_inverted) {
    if (m_inverted) {
        m_oldBkMode = dc->SetBkMode(TRANSPARENT);
        m_oldBrush = dc->SelectStockObject(BLACK_BRUSH);
        m_oldTextColor = dc->SetTextColor(kWhite - (ownColor & kWhite));
        m_oldRop = dc->SetROP2(R2_NOT);
        return;
    }
    if (look.m_showsArea) {
        m_fill.CreateSolidBrush(color);
        m_oldBrush = dc->SelectObject(&m_fill);
    } else {
        m_oldBrush = dc->SelectStockObject(NULL_BRUSH);
    }
    m_oldTextColor = dc->SetTextColor(color);
}

CSelectionLook::~CSelectionLook() {
    if (m_inverted) {
        m_dc->SetROP2(m_oldRop);
        m_dc->SetBkMode(m_oldBkMode);
    }
    m_dc->SelectObject(m_oldBrush);
    m_dc->SetTextColor(m_oldTextColor);
}
