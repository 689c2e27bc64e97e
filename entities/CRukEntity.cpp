#include "entities/CRukEntity.h"

#include "entities/CFillBrushScope.h"

#include "entities/CDashWalker.h"
#include "entities/CEntityDocument.h"
#include "entities/CRingPolygon.h"
#include "entities/CSegmentBand.h"
#include "entities/CSelectionLook.h"
#include "entities/ColorRules.h"
#include "entities/EntityKinds.h"
#include "geometry/CurveMath.h"
#include "geometry/Midpoint.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRect.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/RectFunctions.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGripColor = 0x0000FF;
constexpr int kGripHalfSize = 5;
constexpr int kPointHitHalfSize = 10;
constexpr int kMaxScreenPenWidth = 15;
constexpr double kHundredthsOfMillimetrePerInch = 2540.0;
constexpr int kSelectBlinking = 2;

// a + b, saturating at the int32 range.
int Add(int a, double b) {
    return TruncInt(static_cast<double>(a) + b);
}

// |b - a|, saturating.
int Span(int a, int b) {
    return TruncInt(std::abs(static_cast<double>(b) - static_cast<double>(a)));
}

// y as a metafile takes it: negated (saturating).
LONG MetafileY(LONG y, bool metafile) {
    return metafile ? TruncInt(-static_cast<double>(y)) : y;
}

} // namespace

thread_local CDashArray CRukEntity::m_dashes{};
thread_local int CRukEntity::m_dashCount = 0;
thread_local CPointArray CRukEntity::m_dashPoints;

CRukEntity::~CRukEntity() = default;

// ---- Attributes

void CRukEntity::Serialize(CArchive&) {}

int CRukEntity::GetKind() const {
    return m_kind;
}

void CRukEntity::SetLineType(int lineType) {
    m_lineType = lineType;
}

int CRukEntity::GetLineType() const {
    return m_lineType;
}

void CRukEntity::SetColor(COLORREF color) {
    m_color = color;
}

COLORREF CRukEntity::GetColor() const {
    return m_color;
}

void CRukEntity::RestoreColor() {
    m_color = m_savedColor;
}

void CRukEntity::SetFillColor(COLORREF color) {
    m_fillColor = color;
}

void CRukEntity::RestoreFillColor() {
    m_fillColor = m_savedFillColor;
}

COLORREF CRukEntity::GetFillColor() const {
    return m_fillColor;
}

void CRukEntity::SetFillType(int fillType) {
    m_fillType = fillType;
}

int CRukEntity::GetFillType() const {
    return m_fillType;
}

void CRukEntity::SetLineWidth(int width) {
    m_lineWidth = width;
}

int CRukEntity::GetLineWidth() const {
    return m_lineWidth;
}

void CRukEntity::SetName(const CString& name) {
    m_name = name;
}

CString CRukEntity::GetName() const {
    return m_name;
}

const CSharedString& CRukEntity::DefaultLayerName() {
    static const CSharedString* name = new CSharedString("0"); // outlives static entities
    return *name;
}

void CRukEntity::SetLayerName(const CString& name) {
    m_layerName = name;
}

CString CRukEntity::GetLayerName() const {
    return m_layerName;
}

void CRukEntity::SetLineTypeScale(int scale) {
    m_lineTypeScale = scale;
}

int CRukEntity::GetLineTypeScale() const {
    return m_lineTypeScale;
}

void CRukEntity::SetTransparent(int transparent) {
    m_transparent = transparent;
}

int CRukEntity::GetTransparent() const {
    return m_transparent;
}

void CRukEntity::SetVisible(int visible) {
    m_visible = visible;
}

int CRukEntity::IsVisible() const {
    return m_visible;
}

void CRukEntity::SetThirdColor(COLORREF color) {
    m_thirdColor = color;
}

COLORREF CRukEntity::GetThirdColor() const {
    return m_thirdColor;
}

// ---- Geometry

int CRukEntity::GetWidth() const {
    return Span(m_x1, m_x2);
}

int CRukEntity::GetHeight() const {
    return Span(m_y1, m_y2);
}

POINT CRukEntity::GetCenter() const {
    return POINT{Middle(m_x1, m_x2), Middle(m_y1, m_y2)};
}

void CRukEntity::RecalcExtents() {
    m_minX = std::min(m_x1, m_x2);
    m_maxX = std::max(m_x1, m_x2);
    m_minY = std::min(m_y1, m_y2);
    m_maxY = std::max(m_y1, m_y2);
}

void CRukEntity::GetExtents(int* minX, int* minY, int* maxX, int* maxY) const {
    *minX = m_minX;
    *minY = m_minY;
    *maxX = m_maxX;
    *maxY = m_maxY;
}

void CRukEntity::GetDeviceRect(CEntityDocument* document, RECT* rect) const {
    const POINT topLeft = document->LogicalToDevicePoint(m_minX, m_maxY);
    const POINT bottomRight = document->LogicalToDevicePoint(m_maxX, m_minY);
    // Normalised before it grows: view space runs y downward, so the top
    // taken from the largest y is the larger number.
    CRect box(topLeft, bottomRight);
    box.NormalizeRect();
    box.InflateRect(2, 2);
    *rect = box;
}

void CRukEntity::GetDeviceRectEx(RECT* rect, int originX, int originY, double scale) const {
    const POINT topLeft = ToViewPoint(m_minX, m_maxY, originX, originY, scale);
    const POINT bottomRight = ToViewPoint(m_maxX, m_minY, originX, originY, scale);
    *rect = RECT{std::min(topLeft.x, bottomRight.x), std::min(topLeft.y, bottomRight.y),
                 std::max(topLeft.x, bottomRight.x), std::max(topLeft.y, bottomRight.y)};
    InflateRect(rect, 2, 2);
}

void CRukEntity::UnionExtents(int* minX, int* minY, int* maxX, int* maxY) const {
    *minX = std::min(*minX, m_minX);
    *minY = std::min(*minY, m_minY);
    *maxX = std::max(*maxX, m_maxX);
    *maxY = std::max(*maxY, m_maxY);
}

void CRukEntity::OnButtonDown(CDC*, CEntityDocument*, int, int, const CDrawDefaults*, UINT) {}

void CRukEntity::SetFirstPoint(int x, int y) {
    SetOrigin(x, y);
}

void CRukEntity::SetOrigin(int x, int y) {
    m_x1 = x;
    m_y1 = y;
}

int CRukEntity::AddPoint(int, int, int) {
    return 0;
}

int CRukEntity::AppendPoint(int x, int y) {
    m_x2 = x;
    m_y2 = y;
    return 1;
}

void CRukEntity::SetCorner2(int x, int y) {
    m_x2 = x;
    m_y2 = y;
}

int CRukEntity::IsOutside(int x, int y) const {
    return x > m_maxX || x < m_minX || y > m_maxY || y < m_minY ? 1 : 0;
}

void CRukEntity::MakeSegmentRegion(CRgn* region, POINT p1, POINT p2) const {
    std::array<POINT, 4> corners;
    if (CSegmentBand::Corners(p1, p2, &corners))
        region->CreatePolygonRgn(corners.data(), static_cast<int>(corners.size()), ALTERNATE);
    else
        region->CreateRectRgn(0, 0, 0, 0);
}

// ---- Drawing entries

void CRukEntity::Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                      COLORREF color, const CDrawDefaults* settings, const RECT& clip) {
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    const int mode = settings->m_selectMode;
    const CSelectionLook::Look look = SelectionLook(mode);
    const CSelectionLook scope(dc, look, color, m_color);
    DrawChildren(document, dc, originX, originY, scale, color, width, settings, clip,
                 !look.m_inverted && mode == kSelectBlinking);
}

CSelectionLook::Look CRukEntity::SelectionLook(int selectMode) const {
    return CSelectionLook::For(selectMode, m_fillType, false);
}

void CRukEntity::DrawChildren(CEntityDocument* document, CDC* dc, int originX, int originY,
                              double scale, COLORREF color, int deviceWidth,
                              const CDrawDefaults* settings, const RECT& clip, bool markEachChild,
                              int onlyKind) {
    for (POSITION position = GetHeadPosition(); position;) {
        CRukEntity* child = GetNext(position);
        if (!child || document->GetLayerState(child->GetLayerName()) != 1 ||
            (onlyKind != 0 && child->GetKind() != onlyKind))
            continue;
        CPen pen;
        CPen* oldPen = child->SelectPen(document, dc, &pen, scale, deviceWidth, color, settings);
        child->DrawForward(dc, originX, originY, scale, settings, clip, FALSE);
        if (markEachChild) {
            const int oldBkMode = dc->SetBkMode(TRANSPARENT);
            dc->TextOut(0, 0, " ", 1);
            dc->SetBkMode(oldBkMode);
        }
        dc->SelectObject(oldPen);
    }
}

void CRukEntity::DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY,
                            double scale, double patternFactor, const CDrawDefaults* settings,
                            BOOL drawBlack, const RECT& clip) {
    COLORREF penColor = 0;
    COLORREF fillColor = 0;
    COLORREF thirdColor = 0;
    ResolveColors(dc, &penColor, &fillColor, &thirdColor, kWhite, drawBlack);
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    const COLORREF oldTextColor = dc->SetTextColor(penColor);

    CFillBrushScope brush(dc, m_fillType, m_transparent, fillColor, thirdColor);

    // Set before any pass: the emulation's fill pass must mask a
    // translucent fill as the outline pass does.
    const bool translucent = m_fillType == 1;
    const int oldBkMode = dc->SetBkMode(translucent || m_transparent == 1 ? TRANSPARENT : OPAQUE);
    const int oldRop = dc->SetROP2(translucent ? R2_MASKPEN : R2_COPYPEN);

    const bool showInvisible = settings->m_outlineInvisibleLines != 0;
    CPen pen;
    CPen* oldPen = nullptr;
    if (settings->m_bWindowsNT) {
        if (m_lineType == 0 && showInvisible)
            pen.CreatePen(PS_SOLID, width, penColor);
        else
            CreateLinePen(document, &pen, m_lineType, width, penColor, scale, patternFactor,
                          settings, document->m_deviceSpanX);
        oldPen = dc->SelectObject(&pen);
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
    } else {
        if ((translucent || (m_fillType >= 3 && m_fillType <= 9)) && m_lineType != 1) {
            CPen fillPen;
            fillPen.CreatePen(PS_NULL, width, penColor);
            CPen* previous = dc->SelectObject(&fillPen);
            TraceA(dc, originX, originY, scale, settings, clip, FALSE);
            dc->SelectObject(previous);
        }
        pen.CreatePen(m_lineType == 0 && !showInvisible ? PS_NULL : PS_SOLID, width, penColor);
        oldPen = dc->SelectObject(&pen);
        if (m_lineType != 0)
            LineTypeA(document, dc, originX, originY, scale, patternFactor, settings, clip);
        else
            TraceA(dc, originX, originY, scale, settings, clip, FALSE);
    }

    if (translucent) {
        // The outline once more, unmasked, over the masked fill.
        dc->SetROP2(R2_COPYPEN);
        brush.DropBrush();
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
    }

    dc->SetTextColor(oldTextColor);
    dc->SetBkMode(oldBkMode);
    dc->SetROP2(oldRop);
    brush.RestoreBkColor();
    dc->SelectObject(oldPen);
}

// ---- Transformations

void CRukEntity::Scale(double factor) {
    const auto scaled = [factor](int value) {
        return TruncInt(static_cast<double>(value) * factor);
    };
    m_x1 = scaled(m_x1);
    m_y1 = scaled(m_y1);
    m_x2 = scaled(m_x2);
    m_y2 = scaled(m_y2);
    for (INT_PTR i = 0; i < m_points.GetSize(); ++i) {
        POINT& point = m_points[i];
        point = POINT{scaled(point.x), scaled(point.y)};
    }
    RecalcExtents();
}

void CRukEntity::MoveVertex(int, int, int, int, int, UINT) {}

void CRukEntity::Offset(int dx, int dy) {
    m_x1 = Add(m_x1, dx);
    m_y1 = Add(m_y1, dy);
    m_x2 = Add(m_x2, dx);
    m_y2 = Add(m_y2, dy);
    for (INT_PTR i = 0; i < m_points.GetSize(); ++i) {
        POINT& point = m_points[i];
        point = POINT{Add(point.x, dx), Add(point.y, dy)};
    }
    RecalcExtents();
}

void CRukEntity::ScaleFromCorner(int, double, double) {}

void CRukEntity::ScaleAbout(int cx, int cy, double sx, double sy) {
    for (INT_PTR i = 0; i < m_points.GetSize(); ++i) {
        POINT& point = m_points[i];
        point = POINT{Add(cx, TruncInt(sx * (static_cast<double>(point.x) - cx))),
                      Add(cy, TruncInt(sy * (static_cast<double>(point.y) - cy)))};
    }
    RecalcExtents();
}

CPen* CRukEntity::SelectPen(CEntityDocument* document, CDC* dc, CPen* pen, double scale,
                            int deviceWidth, COLORREF color, const CDrawDefaults* settings) {
    const double factor = CDashRules::PatternFactor(document->m_scale, document->m_scaleMode,
                                                    document->m_scaleMarkups);
    if (m_lineType == 0 && settings->m_outlineInvisibleLines != 0)
        pen->CreatePen(PS_SOLID, deviceWidth, color);
    else
        CreateLinePen(document, pen, m_lineType, deviceWidth, color, scale, factor, settings,
                      document->m_deviceSpanX);
    return dc->SelectObject(pen);
}

int CRukEntity::HitTestPoint(CEntityDocument* document, int x, int y) const {
    const POINT test = document->LogicalToDevicePoint(x, y);
    const POINT first = document->LogicalToDevicePoint(m_x1, m_y1);
    RECT square;
    SetRect(&square, test.x, test.y, test.x, test.y);
    InflateRect(&square, kPointHitHalfSize, kPointHitHalfSize);
    return PtInRect(&square, first) ? 1 : 0;
}

int CRukEntity::IsInsideRect(CEntityDocument* document, const RECT& rect) const {
    const POINT low = document->LogicalToDevicePoint(m_minX, m_minY);
    const POINT high = document->LogicalToDevicePoint(m_maxX, m_maxY);
    return PtInRect(&rect, low) && PtInRect(&rect, high) ? 1 : 0;
}

void CRukEntity::DrawForward(CDC* dc, int originX, int originY, double scale,
                             const CDrawDefaults* settings, const RECT& clip, BOOL boxOnly) {
    TraceA(dc, originX, originY, scale, settings, clip, boxOnly);
}

int CRukEntity::CreateFromRecord(const PorRecord*, CEntityDocument*, int) {
    return 1;
}

// ---- Operations the classes fill in

void CRukEntity::DrawB(CEntityDocument*, CDC*, int, double, double, const CDrawDefaults*, BOOL) {}

void CRukEntity::DrawA(CEntityDocument*, CDC*, int, int, double, double, const CDrawDefaults*, BOOL,
                       const RECT&) {}

void CRukEntity::Track(CEntityDocument*, CDC*, int, int, int, int, const CDrawDefaults*, UINT) {}

void CRukEntity::TraceB(CDC*, int, double, const CDrawDefaults*) {}

void CRukEntity::TraceA(CDC*, int, int, double, const CDrawDefaults*, const RECT&, BOOL) {}

void CRukEntity::LineTypeB(CEntityDocument*, CDC*, int, double, double, const CDrawDefaults*) {}

void CRukEntity::LineTypeA(CEntityDocument*, CDC*, int, int, double, double, const CDrawDefaults*,
                           const RECT&) {}

void CRukEntity::DrawGrips(CDC*, int, int, double, const CDrawDefaults*) {}

void CRukEntity::TrackPending(CEntityDocument*, CDC*, int, int, const CDrawDefaults*) {}

void CRukEntity::TrackAt(CEntityDocument*, CDC*, int, int, const CDrawDefaults*) {}

void CRukEntity::DrawMoved(CEntityDocument*, CDC*, int, int, const CDrawDefaults*) {}

int CRukEntity::HitTest(CDC*, CEntityDocument*, int, int) {
    return 0;
}

int CRukEntity::HitGrip(CDC*, CEntityDocument*, int, int, int*) {
    return 0;
}

void CRukEntity::SetGripCursor(int) {}

CObList* CRukEntity::GetPickList() {
    return nullptr;
}

void CRukEntity::Finish(CEntityDocument*, CDC*, const CDrawDefaults*) {}

void CRukEntity::SetText(const CString&) {}

CString CRukEntity::GetText() const {
    return CString();
}

void CRukEntity::SetTextHeight(int) {}

int CRukEntity::GetTextHeight() const {
    return 0;
}

int CRukEntity::GetArrowLength() const {
    return 0;
}

void CRukEntity::SetArrowLength(double) {}

double CRukEntity::GetHandSize() const {
    return 0.0;
}

void CRukEntity::SetHandSize(double) {}

void CRukEntity::UpdateLayout() {}

CString CRukEntity::GetLabelText() const {
    return CString();
}

void CRukEntity::RefreshLabels(CEntityDocument*) {}

void CRukEntity::SetLabelText(CEntityDocument*, CDC*, const CString&, const CDrawDefaults*) {}

void CRukEntity::SetStartPoint(int, int) {}

void CRukEntity::SetEndPoint(int, int) {}

int CRukEntity::EraseTracking(CEntityDocument*, CDC*, int, int, const CDrawDefaults*) {
    return 0;
}

void CRukEntity::SetPolyMode(int) {}

POSITION CRukEntity::GetHeadPosition() const {
    return nullptr;
}

CRukEntity* CRukEntity::GetNext(POSITION&) const {
    return nullptr;
}

POSITION CRukEntity::GetTailPosition() const {
    return nullptr;
}

CRukEntity* CRukEntity::GetPrev(POSITION&) const {
    return nullptr;
}

void CRukEntity::ComputeGroupExtents(CDC*, int, int, double, double) {}

void CRukEntity::GetTextExtent(CDC*, int, int, double, double) {}

void CRukEntity::FitTextToBox(CEntityDocument*, CDC*, const CString&, const CDrawDefaults*) {}

int CRukEntity::HasPolylineChild() const {
    return 0;
}

int CRukEntity::GetNoteFrameType() const {
    return 0;
}

void CRukEntity::SetNoteFrameType(int) {}

void CRukEntity::SetEndMarkFlag(int) {}

POINT CRukEntity::FixedLengthPoint(CDC*, CEntityDocument*, int, int) {
    return POINT{0, 0};
}

POINT CRukEntity::AdjustPoint(CEntityDocument*, CDC*, int x, int y) {
    return POINT{x, y};
}

void CRukEntity::SetVertAlign(int) {}

void CRukEntity::SetHorzAlign(int) {}

void CRukEntity::SetAngle(int) {}

void CRukEntity::SetArcSize(double) {}

void CRukEntity::SetArcRatio(double) {}

int CRukEntity::GetPointCount() const {
    return 0;
}

int CRukEntity::GetPoint(int*, int*, int) const {
    return 0;
}

int CRukEntity::SetPoint(int, int, int) {
    return 0;
}

void CRukEntity::GetSegment(CEntityDocument*, DPOINT*, DPOINT*, double*, double*) const {}

void CRukEntity::CollectShownExtents(CEntityDocument*, CObList*, int*, int*, int*, int*,
                                     const CDrawDefaults*) {}

int CRukEntity::GetLabelMode() const {
    return 0;
}

void CRukEntity::RefitLabel(CEntityDocument*, CDC*, int, const CDrawDefaults*) {}

void CRukEntity::SetLeaderAttached(int) {}

int CRukEntity::GetLeaderAttached() const {
    return 1;
}

void CRukEntity::UpdateLeader(CEntityDocument*) {}

int CRukEntity::GetShapeSize(int* width, int* height) const {
    *width = 0;
    *height = 0;
    return 0;
}

int CRukEntity::GetCount() const {
    return 0;
}

int CRukEntity::GetHitChild() const {
    return 0;
}

void CRukEntity::SetFaceName(const CString&) {}

CString CRukEntity::GetFaceName() const {
    return CString();
}

void CRukEntity::SetCharSet(int) {}

int CRukEntity::GetCharSet() const {
    return 0x80; // SHIFTJIS_CHARSET
}

void CRukEntity::SetImagePath(const CString&) {}

// ---- Pipeline

int CRukEntity::GetDeviceLineWidth(CDC* dc, int width, const CDrawDefaults* settings) {
    if (dc->m_bPrinting) {
        const int w = TruncInt(dc->GetDeviceCaps(LOGPIXELSX) * static_cast<double>(width) *
                               (1.0 / kHundredthsOfMillimetrePerInch));
        SIZE size{w, w};
        dc->DPtoLP(&size);
        return size.cy;
    }
    const int w = TruncInt(settings->m_lineScale * 0.01 * width);
    SIZE size{w, std::min(w, kMaxScreenPenWidth)};
    dc->DPtoLP(&size);
    if (dc->IsMetafile())
        return RndInt(size.cy * settings->m_metafileLineWidthScale);
    return size.cy;
}

bool CRukEntity::SetsNoPixelOnScreen(CDC* dc, int originX, int originY, double scale,
                                     const CDrawDefaults* settings) const {
    if (dc->IsMetafile() || dc->m_bPrinting)
        return false;
    const std::optional<RECT> box = ThinOutlineBox();
    if (!box)
        return false;
    return dc->SetsNoThinPixelWithin(ToViewPoint(box->left, box->top, originX, originY, scale),
                                     ToViewPoint(box->right, box->bottom, originX, originY, scale),
                                     GetDeviceLineWidth(dc, m_lineWidth, settings));
}

std::optional<RECT> CRukEntity::ThinOutlineBox() const {
    return std::nullopt;
}

void CRukEntity::ResolveColors(CDC* dc, COLORREF* penColor, COLORREF* fillColor,
                               COLORREF* thirdColor, COLORREF background, BOOL drawBlack) const {
    if (dc->m_bPrinting)
        background = kWhite;
    if (drawBlack) {
        *penColor = GetContrastColor(0, background);
        *fillColor = m_fillColor == kNoFillColor
                         ? ToGrayColor(background)
                         : GetContrastColor(ToGrayColor(m_fillColor), background);
        if (thirdColor)
            *thirdColor = GetContrastColor(0, background);
        return;
    }
    *penColor = GetContrastColor(m_color, background);
    *fillColor =
        m_fillColor == kNoFillColor ? background : GetContrastColor(m_fillColor, background);
    if (thirdColor)
        *thirdColor = GetContrastColor(m_thirdColor, background);
}

void CRukEntity::CreateDashedPen(CPen* pen, int width, COLORREF color) const {
    const LOGBRUSH brush{BS_SOLID, color, 0};
    pen->ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_USERSTYLE,
                      static_cast<DWORD>(std::max(width, 0)), brush,
                      static_cast<DWORD>(m_dashCount), m_dashes.data());
}

void CRukEntity::CreateLinePen(CEntityDocument* document, CPen* pen, int lineType, int width,
                               COLORREF color, double scale, double patternFactor,
                               const CDrawDefaults* settings, int widthBase) {
    if (lineType == 0)
        pen->CreatePen(PS_NULL, width, color);
    else if (ComputeDashes(document, lineType, scale, patternFactor, settings, widthBase))
        CreateDashedPen(pen, width, color);
    else
        pen->CreatePen(PS_SOLID, width, color);
}

void CRukEntity::CreateLinePenPrinter(CEntityDocument* document, CPen* pen, int lineType, int width,
                                      COLORREF color, int unitDivisor, double scale,
                                      double patternFactor, const CDrawDefaults* settings) {
    if (lineType == 0) {
        pen->CreatePen(PS_NULL, width, color);
        return;
    }
    const CDashScaling scaling{.scale = scale,
                               .factor = patternFactor,
                               .penScaleFlag = settings->m_penScaleFlag,
                               .coefficient = settings->m_lineTypeCoeff,
                               .divisor = unitDivisor};
    if (CDashRules(*document).ForPrinterPen(lineType, m_lineTypeScale, scaling, m_dashes,
                                            m_dashCount))
        CreateDashedPen(pen, width, color);
    else
        pen->CreatePen(PS_SOLID, width, color);
}

int CRukEntity::ComputeDashes(CEntityDocument* document, int lineType, double scale,
                              double patternFactor, const CDrawDefaults* settings, int widthBase) {
    const CDashScaling scaling{.scale = scale,
                               .factor = patternFactor,
                               .penScaleFlag = settings->m_penScaleFlag,
                               .coefficient = settings->m_lineTypeCoeff,
                               .widthBase = widthBase};
    return CDashRules(*document).ForScreen(lineType, m_lineTypeScale, scaling, m_dashes,
                                           m_dashCount)
               ? 1
               : 0;
}

int CRukEntity::ComputeDashesPrinter(CEntityDocument* document, int lineType, int unitDivisor,
                                     double scale, double patternFactor) {
    const CDashScaling scaling{.scale = scale, .factor = patternFactor, .divisor = unitDivisor};
    return CDashRules(*document).ForPrinterEmulation(lineType, m_lineTypeScale, scaling, m_dashes,
                                                     m_dashCount)
               ? 1
               : 0;
}

void CRukEntity::BuildDashSegments(const DPOINT* chain, int count) {
    SetDashPoints(CDashWalker::Segments(chain, count, m_dashes.data(), m_dashCount));
}

void CRukEntity::DrawDashSegments(CDC* dc) const {
    const bool metafile = dc->IsMetafile();
    for (INT_PTR i = 0; i + 1 < m_dashPoints.GetSize(); i += 2) {
        const POINT& start = m_dashPoints[i];
        const POINT& end = m_dashPoints[i + 1];
        dc->MoveTo(start.x, MetafileY(start.y, metafile));
        dc->LineTo(end.x, MetafileY(end.y, metafile));
    }
}

void CRukEntity::BuildUnitSteps(const DPOINT* chain, int count) {
    SetDashPoints(CDashWalker::UnitSteps(chain, count));
}

void CRukEntity::SetDashPoints(const std::vector<POINT>& points) {
    // One allocation: the array would otherwise grow step by step.
    m_dashPoints.SetSize(static_cast<INT_PTR>(points.size()));
    std::copy(points.begin(), points.end(), m_dashPoints.GetData());
}

void CRukEntity::DrawDashedSteps(CDC* dc) const {
    const bool metafile = dc->IsMetafile();
    const auto runs = CDashWalker::StepRuns(static_cast<int>(m_dashPoints.GetSize()),
                                            m_dashes.data(), m_dashCount);
    std::vector<POINT> piece;
    for (const auto& [first, last] : runs) {
        piece.clear();
        for (int i = first; i <= last; ++i) {
            const POINT& point = m_dashPoints[i];
            piece.push_back(POINT{point.x, MetafileY(point.y, metafile)});
        }
        dc->Polyline(piece.data(), static_cast<int>(piece.size()));
    }
}

void CRukEntity::DrawCirclePolygon(CDC* dc, int cx, int cy, int radius) {
    const std::vector<POINT> points = CRingPolygon::Circle(cx, cy, radius);
    dc->Polygon(points.data(), static_cast<int>(points.size()));
}

void CRukEntity::DrawEllipsePolygon(CDC* dc, int left, int top, int right, int bottom) {
    const std::vector<POINT> points = CRingPolygon::Ellipse(left, top, right, bottom);
    dc->Polygon(points.data(), static_cast<int>(points.size()));
}

void CRukEntity::CreateFillBrush(CBrush* brush, int fillType, COLORREF color) {
    switch (fillType) {
    case 4:
        brush->CreateHatchBrush(HS_BDIAGONAL, color);
        break;
    case 5:
        brush->CreateHatchBrush(HS_FDIAGONAL, color);
        break;
    case 6:
        brush->CreateHatchBrush(HS_DIAGCROSS, color);
        break;
    case 7:
        brush->CreateHatchBrush(HS_VERTICAL, color);
        break;
    case 8:
        brush->CreateHatchBrush(HS_HORIZONTAL, color);
        break;
    case 9:
        brush->CreateHatchBrush(HS_CROSS, color);
        break;
    default:
        brush->CreateSolidBrush(color);
        break;
    }
}

void CRukEntity::DrawGripBoxes(CDC* dc, const POINT* points, int count) {
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, kGripColor);
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    const int oldBkMode = dc->SetBkMode(TRANSPARENT);
    SIZE half{kGripHalfSize, kGripHalfSize};
    dc->DPtoLP(&half);
    for (int i = 0; i < count; ++i) {
        const POINT& point = points[i];
        dc->Rectangle(Add(point.x, -half.cx), Add(point.y, -half.cy), Add(point.x, half.cx),
                      Add(point.y, half.cy));
    }
    dc->SetBkMode(oldBkMode);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

int CRukEntity::HitGripBox(CDC* dc, POINT grip, POINT test) const {
    SIZE half{kGripHalfSize, kGripHalfSize};
    dc->DPtoLP(&half);
    CRgn region;
    MakeSegmentRegion(&region, POINT{Add(grip.x, -half.cx), Add(grip.y, -half.cy)},
                      POINT{Add(grip.x, half.cx), Add(grip.y, half.cy)});
    return region.PtInRegion(test) ? 1 : 0;
}

// ---- Curve samplers

std::vector<DPOINT> CRukEntity::FlattenBezier() const {
    return ::FlattenBezier(m_points.GetData(), static_cast<int>(m_points.GetSize()));
}

std::vector<DPOINT> CRukEntity::SampleSpline() const {
    return ::SampleSpline(m_points.GetData(), static_cast<int>(m_points.GetSize()));
}

std::vector<DPOINT> CRukEntity::SampleClosedSpline() const {
    return ::SampleClosedSpline(m_points.GetData(), static_cast<int>(m_points.GetSize()));
}

double CRukEntity::GetPolygonArea(int divisor) const {
    return ::GetPolygonArea(m_points.GetData(), static_cast<int>(m_points.GetSize()), divisor);
}
