#pragma once
// A polymorphic record of four int32 values, the element of the
// arrays of the NURBS classes and of the document. Its
// destructor does nothing beyond the base.

#include "platform/mfc/CObject.h"
#include "platform/win/WinTypes.h"

class CRectObj : public CObject {
    DECLARE_DYNAMIC(CRectObj)

public:
    CRectObj(LONG left, LONG top, LONG right, LONG bottom)
        : m_left(left), m_top(top), m_right(right), m_bottom(bottom) {}
    explicit CRectObj(const RECT& rect) : CRectObj(rect.left, rect.top, rect.right, rect.bottom) {}
    CRectObj(const CRectObj&) = default;
    CRectObj& operator=(const CRectObj&) = default;
    ~CRectObj() override = default;

    RECT ToRect() const { return RECT{m_left, m_top, m_right, m_bottom}; }

    LONG m_left;
    LONG m_top;
    LONG m_right;
    LONG m_bottom;
};
