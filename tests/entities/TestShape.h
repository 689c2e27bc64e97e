#pragma once
// A closed shape for pipeline tests: the rectangle between its two points.
// TraceA draws it; LineTypeA dashes its outline by the emulation as the
// closed classes do, falling back to TraceA.

#include "entities/CEntityDocument.h"
#include "entities/CRukEntity.h"
#include "platform/gdi/CDC.h"

#include <vector>

class TestShape : public CRukEntity {
public:
    TestShape(int x1, int y1, int x2, int y2) {
        m_kind = 0x10;
        m_x1 = x1;
        m_y1 = y1;
        m_x2 = x2;
        m_y2 = y2;
        RecalcExtents();
    }

    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*, const RECT&,
                BOOL) override {
        const POINT a = ToViewPoint(m_x1, m_y1, originX, originY, scale);
        const POINT b = ToViewPoint(m_x2, m_y2, originX, originY, scale);
        dc->Rectangle(a.x, a.y, b.x, b.y);
    }

    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override {
        if (ComputeDashes(document, m_lineType, scale, patternFactor, settings,
                          document->m_deviceSpanX)) {
            const POINT a = ToViewPoint(m_x1, m_y1, originX, originY, scale);
            const POINT b = ToViewPoint(m_x2, m_y2, originX, originY, scale);
            const std::vector<DPOINT> outline = {{double(a.x), double(a.y)},
                                                 {double(b.x), double(a.y)},
                                                 {double(b.x), double(b.y)},
                                                 {double(a.x), double(b.y)},
                                                 {double(a.x), double(a.y)}};
            BuildDashSegments(outline.data(), static_cast<int>(outline.size()));
            if (m_dashPoints.GetSize() > 0) {
                DrawDashSegments(dc);
                m_dashPoints.RemoveAll();
                return;
            }
        }
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
    }
};
