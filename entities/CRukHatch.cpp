#include "entities/CRukHatch.h"

#include "entities/CEntityDocument.h"
#include "entities/CHatchFill.h"
#include "entities/CRukHatchBoundary.h"
#include "entities/CRukHatchPattern.h"
#include "entities/CRukHatchTile.h"
#include "entities/ColorRules.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/mfc/CArchive.h"
#include "por/PorHatchParts.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <memory>

IMPLEMENT_SERIAL(CRukHatch, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

constexpr COLORREF kBlack = 0;
constexpr COLORREF kWhite = 0xFFFFFF;

bool IsBoundary(const CObject* object) {
    return dynamic_cast<const CRukHatchBoundary*>(object) != nullptr;
}

bool IsFill(const CObject* object) {
    return dynamic_cast<const CHatchFill*>(object) != nullptr;
}

void DeleteAll(CObList& list) {
    for (POSITION position = list.GetHeadPosition(); position;)
        delete list.GetNext(position);
    list.RemoveAll();
}

// A list written as CObList writes it, read back one new object at a time,
// each the list's own from the moment it is read.
void LoadOwned(CArchive& ar, CObList& list, bool (*accept)(const CObject*)) {
    const DWORD_PTR count = ar.ReadCount();
    for (DWORD_PTR i = 0; i < count; ++i)
        list.AddTail(ar.ReadOwnedObjectIf(accept));
}

} // namespace

CRukHatch::CRukHatch() {
    m_kind = kKindHatch;
}

CRukHatch::~CRukHatch() {
    DeleteAll(m_boundaries);
    DeleteAll(m_fills);
}

void CRukHatch::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_layerName << static_cast<UINT>(m_savedColor) << static_cast<short>(m_hatchKind)
           << static_cast<BYTE>(m_childFlag) << m_tag;
        m_boundaries.Serialize(ar);
        m_fills.Serialize(ar);
        return;
    }
    if (ar.GetObjectSchema() != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    UINT color = 0;
    short kind = 0;
    BYTE childFlag = 0;
    ar >> m_layerName >> color >> kind >> childFlag >> m_tag;
    m_color = color;
    m_hatchKind = kind;
    m_childFlag = childFlag;
    LoadOwned(ar, m_boundaries, IsBoundary);
    LoadOwned(ar, m_fills, IsFill);
    m_savedColor = m_color;
    m_savedFillColor = m_fillColor;
    RecalcExtents();
}

void CRukHatch::RecalcExtents() {
    if (m_boundaries.IsEmpty()) {
        m_minX = m_minY = m_maxX = m_maxY = 0;
        return;
    }
    bool first = true;
    for (POSITION position = m_boundaries.GetHeadPosition(); position;) {
        auto* boundary = static_cast<CRukHatchBoundary*>(m_boundaries.GetNext(position));
        boundary->RecalcExtents();
        if (first) {
            m_minX = boundary->m_minX;
            m_minY = boundary->m_minY;
            m_maxX = boundary->m_maxX;
            m_maxY = boundary->m_maxY;
            first = false;
        } else {
            boundary->UnionExtents(&m_minX, &m_minY, &m_maxX, &m_maxY);
        }
    }
}

int CRukHatch::CreateFromRecord(const PorRecord* record, CEntityDocument* document, int) {
    if (!record || !document || record->Type() != PorHatch::Type)
        return 0;
    const UINT unit = document->GetUnit();
    m_id = record->Get(PorHatch::Id);
    m_color = record->Get(PorHatch::Color).value_or(kWhite);
    m_savedColor = m_color;
    m_hatchKind = record->Get(PorHatch::Kind).value_or(kPatternKind);
    m_fillType = m_hatchKind == kSolidKind ? 3 : 0;
    m_layerName = record->Get(PorHatch::Layer);
    m_sourceLayer = m_layerName;

    const LONG loops = record->Get(PorHatch::LoopCount).value_or(0);
    std::size_t offset = PorHatch::FixedSize;
    for (LONG i = 0; i < loops; ++i) {
        auto boundary = std::make_unique<CRukHatchBoundary>();
        const bool walking = boundary->ReadLoop(*record, offset, unit);
        if (walking || !boundary->Edges().IsEmpty())
            m_boundaries.AddTail(boundary.release());
        if (!walking)
            break;
    }

    const LONG fillOffset = record->Get(PorHatch::FillOffset).value_or(-1);
    auto fill = fillOffset >= 0 ? record->Part(static_cast<std::size_t>(fillOffset)) : std::nullopt;
    if (m_hatchKind == kTileKind) {
        auto tile = std::make_unique<CRukHatchTile>();
        if (fill && tile->ReadTile(*fill, unit))
            m_fills.AddTail(tile.release());
    } else {
        const LONG patterns = record->Get(PorHatch::PatternCount).value_or(0);
        for (LONG i = 0; i < patterns && fill; ++i) {
            const auto size = PorHatchLineSize(*fill);
            auto pattern = std::make_unique<CRukHatchPattern>();
            if (!size || !pattern->ReadLine(*fill))
                break;
            m_fills.AddTail(pattern.release());
            fill = fill->Part(*size);
        }
    }
    RecalcExtents();
    return 1;
}

template <class Trace> void CRukHatch::WithPenAndBrush(CDC* dc, COLORREF color, Trace trace) {
    CPen pen;
    CBrush brush;
    CGdiObject* oldBrush = nullptr;
    if (m_hatchKind == kSolidKind) {
        pen.CreatePen(PS_NULL, 0, color);
        brush.CreateSolidBrush(color);
        oldBrush = dc->SelectObject(&brush);
    } else {
        pen.CreatePen(PS_SOLID, 1, color);
        oldBrush = dc->SelectStockObject(NULL_BRUSH);
    }
    CPen* oldPen = dc->SelectObject(&pen);
    trace();
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

void CRukHatch::DrawA(CEntityDocument*, CDC* dc, int originX, int originY, double scale, double,
                      const CDrawDefaults* settings, BOOL drawBlack, const RECT& clip) {
    const COLORREF color = GetContrastColor(drawBlack ? kBlack : m_color, settings->m_bkColor);
    WithPenAndBrush(dc, color, [&] { TraceA(dc, originX, originY, scale, settings, clip, FALSE); });
}

void CRukHatch::DrawB(CEntityDocument*, CDC* dc, int unitDivisor, double scale, double,
                      const CDrawDefaults* settings, BOOL drawBlack) {
    const COLORREF color = GetContrastColor(drawBlack ? kBlack : m_color, kWhite);
    WithPenAndBrush(dc, color, [&] { TraceB(dc, unitDivisor, scale, settings); });
}

void CRukHatch::DrawStyled(CEntityDocument*, CDC* dc, int originX, int originY, double scale,
                           double, const CDrawDefaults* settings, BOOL drawBlack,
                           const RECT& clip) {
    const COLORREF color = drawBlack || m_color == kWhite ? kBlack : m_color;
    WithPenAndBrush(dc, color, [&] { TraceA(dc, originX, originY, scale, settings, clip, FALSE); });
}

void CRukHatch::TraceA(CDC* dc, int originX, int originY, double scale,
                       const CDrawDefaults* settings, const RECT&, BOOL) {
    std::vector<std::vector<POINT>> loops;
    for (POSITION position = m_boundaries.GetHeadPosition(); position;)
        loops.push_back(static_cast<const CRukHatchBoundary*>(m_boundaries.GetNext(position))
                            ->TraceA(dc, originX, originY, scale, settings));
    const COLORREF fillColor = FillColor(dc, settings);
    Paint(dc, loops, [&](CHatchFill& fill, const CHatchBox& box) {
        fill.DrawA(dc, originX, originY, scale, settings, box, fillColor);
    });
}

void CRukHatch::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    std::vector<std::vector<POINT>> loops;
    for (POSITION position = m_boundaries.GetHeadPosition(); position;)
        loops.push_back(static_cast<const CRukHatchBoundary*>(m_boundaries.GetNext(position))
                            ->TraceB(dc, unitDivisor, scale, settings));
    const COLORREF fillColor = FillColor(dc, settings);
    Paint(dc, loops, [&](CHatchFill& fill, const CHatchBox& box) {
        fill.DrawB(dc, unitDivisor, scale, settings, box, fillColor);
    });
}

void CRukHatch::Paint(CDC* dc, const std::vector<std::vector<POINT>>& loops,
                      const std::function<void(CHatchFill& fill, const CHatchBox& box)>& drawFill) {
    std::vector<POINT> points;
    std::vector<int> counts;
    for (const std::vector<POINT>& loop : loops) {
        if (loop.size() < 2)
            continue;
        points.insert(points.end(), loop.begin(), loop.end());
        counts.push_back(static_cast<int>(loop.size()));
    }
    if (counts.empty())
        return;
    const int polygons = static_cast<int>(counts.size());
    if (m_hatchKind == kSolidKind) {
        dc->PolyPolygon(points.data(), counts.data(), polygons);
        return;
    }
    dc->BeginPath();
    dc->PolyPolygon(points.data(), counts.data(), polygons);
    dc->EndPath();
    RecalcExtents();
    // The fill stays inside the loops and inside the caller's clip, which
    // the caller gets back whole.
    const int saved = dc->SaveDC();
    if (dc->SelectClipPath(RGN_AND)) {
        const CHatchBox box = Box();
        if (m_hatchKind == kPatternKind) {
            for (POSITION position = m_fills.GetHeadPosition(); position;)
                drawFill(*static_cast<CHatchFill*>(m_fills.GetNext(position)), box);
        } else if (!m_fills.IsEmpty()) {
            drawFill(*static_cast<CHatchFill*>(m_fills.GetHead()), box);
        }
    }
    dc->RestoreDC(saved);
}

COLORREF CRukHatch::FillColor(CDC* dc, const CDrawDefaults* settings) const {
    if (dc->IsPrinting()) {
        if (settings->m_printColorMode == 0 || (settings->m_printColorMode == 2 && !m_redline) ||
            m_color == kWhite)
            return kBlack;
        return m_color;
    }
    const COLORREF color =
        settings->m_mono == 1 || (settings->m_mono == 2 && !m_redline) ? kBlack : m_color;
    return GetContrastColor(color, settings->m_bkColor);
}

CHatchBox CRukHatch::Box() const {
    return CHatchBox{m_minX, m_minY, m_maxX, m_maxY};
}
