#include "markups/CRukPath.h"

#include "entities/CFilledShape.h"
#include "entities/CSelectionLook.h"
#include "entities/CShapeOutput.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CMarkupDocument.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "settings/CDrawDefaults.h"

#include <vector>

IMPLEMENT_SERIAL(CRukPath, CObject, 0)

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kSelectFilled = 1;
// Wide enough for every outline in view units.
constexpr RECT kEverywhere{-0x40000000, -0x40000000, 0x40000000, 0x40000000};

std::vector<CRukEntity*> ChildrenOf(const CRukEntity& group) {
    std::vector<CRukEntity*> children;
    for (POSITION position = group.GetHeadPosition(); position;)
        if (CRukEntity* child = group.GetNext(position))
            children.push_back(child);
    return children;
}

// One outline traced into a path of its own, as a region.
bool TracedRegion(CDC* dc, const CRukPath::Tracer& trace, CRukEntity& outline, CRgn* region) {
    dc->BeginPath();
    trace(outline);
    dc->EndPath();
    return dc->PathToRegion(region) != FALSE;
}

} // namespace

CRukPath::CRukPath() : CRukMark(MarkupKind(0x14)) {}

CRukEntity* CRukPath::ChildAtPosition(int position) const {
    int at = 0;
    for (POSITION cursor = GetHeadPosition(); cursor; ++at) {
        CRukEntity* child = GetNext(cursor);
        if (at == position)
            return child;
    }
    return nullptr;
}

void CRukPath::SetLayerName(const CString& name) {
    for (CRukEntity* child : ChildrenOf(*this)) {
        for (CRukEntity* outline : ChildrenOf(*child))
            outline->SetLayerName(name);
        child->SetLayerName(name);
    }
    CRukEntity::SetLayerName(name);
}

void CRukPath::RecalcExtents() {
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    if (!m_children.UnionExtents(&minX, &minY, &maxX, &maxY))
        return;
    m_minX = minX;
    m_minY = minY;
    m_maxX = maxX;
    m_maxY = maxY;
    m_x1 = minX;
    m_y1 = maxY;
    m_x2 = maxX;
    m_y2 = minY;
}

// ---- The region

bool CRukPath::BuildRegion(CDC* dc, const Tracer& trace, CRgn* region, CRukEntity** outer) const {
    bool built = false;
    for (CRukEntity* child : ChildrenOf(*this)) {
        for (CRukEntity* outline : ChildrenOf(*child)) {
            if (!built) {
                built = TracedRegion(dc, trace, *outline, region);
                if (built && outer)
                    *outer = outline;
                continue;
            }
            CRgn hole;
            if (TracedRegion(dc, trace, *outline, &hole))
                region->CombineRgn(region, &hole, RGN_DIFF);
        }
    }
    return built;
}

bool CRukPath::RegionOf(CRukEntity& object, CDC* dc, int originX, int originY, double scale,
                        const CDrawDefaults* settings, CRgn* region) {
    const Tracer trace = [&](CRukEntity& outline) {
        outline.TraceA(dc, originX, originY, scale, settings, kEverywhere, FALSE);
    };
    if (auto* path = dynamic_cast<CRukPath*>(&object))
        return path->BuildRegion(dc, trace, region, nullptr);
    const std::vector<CRukEntity*> outlines = ChildrenOf(object);
    if (outlines.empty())
        return false;
    dc->BeginPath();
    for (CRukEntity* outline : outlines)
        trace(*outline);
    dc->EndPath();
    return dc->PathToRegion(region) != FALSE;
}

// ---- Drawing

void CRukPath::Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    COLORREF color, const CDrawDefaults* settings, const RECT& clip) {
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    CRgn region;
    CRukEntity* outer = nullptr;
    const Tracer trace = [&](CRukEntity& outline) {
        outline.DrawForward(dc, originX, originY, scale, settings, clip, FALSE);
    };
    if (!BuildRegion(dc, trace, &region, &outer)) {
        dc->SelectObject(oldBrush);
        return;
    }
    dc->SelectClipRgn(&region);
    const int mode = settings->m_selectMode;
    const CSelectionLook::Look look = SelectionLook(mode);
    {
        const CSelectionLook scope(dc, look, color, m_color);
        // Twice the width: the clip leaves the inner half of every outline.
        const auto drawOutline = [&](CRukEntity& outline) {
            CPen pen;
            CPen* oldPen = outline.SelectPen(document, dc, &pen, scale, 2 * width, color, settings);
            trace(outline);
            dc->SelectObject(oldPen);
        };
        const bool shown = document->GetLayerState(m_layerName) == 1;
        if (!look.m_inverted && shown) {
            if (look.m_showsArea) {
                drawOutline(*outer);
            } else {
                for (CRukEntity* child : ChildrenOf(*this))
                    for (CRukEntity* outline : ChildrenOf(*child))
                        drawOutline(*outline);
            }
        } else if (look.m_inverted && (mode != kSelectFilled || shown)) {
            drawOutline(*outer);
        }
    }
    dc->SelectClipRgn(nullptr);
    dc->SelectObject(oldBrush);
}

CSelectionLook::Look CRukPath::SelectionLook(int selectMode) const {
    return CSelectionLook::For(selectMode, m_fillType, true);
}

void CRukPath::DrawOutput(CEntityDocument*, CDC* dc, const CDrawDefaults* settings, BOOL drawBlack,
                          bool printer, const Tracer& trace,
                          const std::function<void(CPen*, COLORREF, int)>& linePen) {
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    CRgn region;
    CRukEntity* outer = nullptr;
    if (!BuildRegion(dc, trace, &region, &outer)) {
        dc->SelectObject(oldBrush);
        return;
    }
    dc->SelectClipRgn(&region);
    // The outer outline stands for the shape, dashed or not.
    class OuterOutput final : public CShapeOutput {
    public:
        OuterOutput(const Tracer& trace, CRukEntity& outer,
                    const std::function<void(CPen*, COLORREF, int)>& linePen)
            : m_trace(trace), m_outer(outer), m_linePen(linePen) {}
        void Trace() const override { m_trace(m_outer); }
        void Dashed() const override { m_trace(m_outer); }
        void LinePen(CPen* pen, COLORREF color, int width) const override {
            m_linePen(pen, color, width);
        }

    private:
        const Tracer& m_trace;
        CRukEntity& m_outer;
        const std::function<void(CPen*, COLORREF, int)>& m_linePen;
    } const output(trace, *outer, linePen);
    if (printer)
        CFilledShape::DrawB(*this, dc, settings, drawBlack, output);
    else
        CFilledShape::DrawA(*this, dc, settings, drawBlack, output);
    if (m_lineType != 0) {
        COLORREF penColor = 0;
        COLORREF fillColor = 0;
        COLORREF thirdColor = 0;
        ResolveColors(dc, &penColor, &fillColor, &thirdColor, kWhite, drawBlack);
        const int width = printer ? m_lineWidth : GetDeviceLineWidth(dc, m_lineWidth, settings);
        CPen pen;
        linePen(&pen, penColor, 2 * width);
        CPen* oldPen = dc->SelectObject(&pen);
        dc->SelectStockObject(NULL_BRUSH);
        for (CRukEntity* child : ChildrenOf(*this))
            for (CRukEntity* outline : ChildrenOf(*child))
                trace(*outline);
        dc->SelectObject(oldPen);
    }
    dc->SelectClipRgn(nullptr);
    dc->SelectObject(oldBrush);
}

void CRukPath::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                     double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                     const RECT& clip) {
    DrawOutput(
        document, dc, settings, drawBlack, false,
        [&](CRukEntity& outline) {
            outline.TraceA(dc, originX, originY, scale, settings, clip, FALSE);
        },
        [&](CPen* pen, COLORREF color, int width) {
            CreateLinePen(document, pen, m_lineType, width, color, scale, patternFactor, settings,
                          document->m_deviceSpanX);
        });
}

void CRukPath::DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY,
                          double scale, double patternFactor, const CDrawDefaults* settings,
                          BOOL drawBlack, const RECT& clip) {
    DrawA(document, dc, originX, originY, scale, patternFactor, settings, drawBlack, clip);
}

void CRukPath::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                     double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    DrawOutput(
        document, dc, settings, drawBlack, true,
        [&](CRukEntity& outline) { outline.TraceB(dc, unitDivisor, scale, settings); },
        [&](CPen* pen, COLORREF color, int width) {
            CreateLinePenPrinter(document, pen, m_lineType, width, color, unitDivisor, scale,
                                 patternFactor, settings);
        });
}

void CRukPath::TraceA(CDC* dc, int originX, int originY, double scale,
                      const CDrawDefaults* settings, const RECT& clip, BOOL boxOnly) {
    if (CRukEntity* child = ChildAtPosition(m_hitChild))
        child->TraceA(dc, originX, originY, scale, settings, clip, boxOnly);
}

// ---- Editing: the whole cut-out, or the child hit last

void CRukPath::MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) {
    if (CRukEntity* child = ChildAtPosition(m_hitChild)) {
        child->MoveVertex(dx, dy, index, x, y, flags);
        child->RecalcExtents();
    }
    RecalcExtents();
}

void CRukPath::Offset(int dx, int dy) {
    CRukEntity* only = m_hitChild == 0 ? nullptr : ChildAtPosition(m_hitChild);
    for (CRukEntity* child : ChildrenOf(*this)) {
        if (!only || child == only)
            child->Offset(dx, dy);
        child->RecalcExtents();
    }
    RecalcExtents();
}

void CRukPath::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                         const CDrawDefaults* settings) {
    CRukEntity* only = m_hitChild == 0 ? nullptr : ChildAtPosition(m_hitChild);
    for (CRukEntity* child : ChildrenOf(*this))
        if (!only || child == only)
            child->DrawMoved(document, dc, dx, dy, settings);
}

int CRukPath::HitTest(CDC* dc, CEntityDocument* document, int x, int y) {
    int position = 0;
    for (CRukEntity* child : ChildrenOf(*this)) {
        if (child->HitTest(dc, document, x, y) &&
            document->GetLayerState(child->GetLayerName()) == 1) {
            m_hitChild = position;
            return 1;
        }
        ++position;
    }
    const CMarkupDocument* markupDocument = MarkupDocument(document);
    if (m_fillType == 0 || !markupDocument || !dc)
        return 0;
    POINT test = document->LogicalToDevicePoint(x, y);
    dc->LPtoDP(&test);
    const POINT origin = markupDocument->ViewOrigin();
    const CDrawDefaults settings;
    CRgn region;
    const Tracer trace = [&](CRukEntity& outline) {
        outline.TraceA(dc, origin.x, origin.y, document->ViewScale(), &settings, kEverywhere,
                       FALSE);
    };
    if (!BuildRegion(dc, trace, &region, nullptr) || !region.PtInRegion(test))
        return 0;
    m_hitChild = 0;
    return 1;
}

int CRukPath::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    int position = 0;
    for (CRukEntity* child : ChildrenOf(*this)) {
        if (child->HitGrip(dc, document, x, y, grip)) {
            m_hitChild = position;
            return 1;
        }
        ++position;
    }
    return 0;
}

void CRukPath::SetGripCursor(int grip) {
    if (CRukEntity* child = ChildAtPosition(m_hitChild))
        child->SetGripCursor(grip);
}

// ---- Archive

void CRukPath::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_layerName << static_cast<short>(m_lineType) << m_lineTypeScale
           << static_cast<short>(m_lineWidth) << static_cast<UINT>(m_color)
           << static_cast<short>(m_fillType) << static_cast<UINT>(m_fillColor)
           << static_cast<UINT>(m_thirdColor) << static_cast<BYTE>(m_transparent)
           << static_cast<BYTE>(m_childFlag) << m_tag << m_name;
        m_children.Serialize(ar);
        return;
    }
    if (ar.GetObjectSchema() > 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    short lineType = 0;
    short lineWidth = 0;
    short fillType = 0;
    UINT color = 0;
    UINT fillColor = 0;
    UINT thirdColor = 0;
    BYTE transparent = 0;
    BYTE childFlag = 0;
    ar >> m_layerName >> lineType >> m_lineTypeScale >> lineWidth >> color >> fillType >>
        fillColor >> thirdColor >> transparent >> childFlag >> m_tag >> m_name;
    // The 16-bit fields are signed: -1 stays -1 in the whole member.
    m_lineType = lineType;
    m_lineWidth = lineWidth;
    m_fillType = fillType;
    m_color = m_savedColor = color;
    m_fillColor = m_savedFillColor = fillColor;
    m_thirdColor = thirdColor;
    m_transparent = transparent;
    m_childFlag = childFlag;
    m_children.Serialize(ar);
    RecalcExtents();
}
