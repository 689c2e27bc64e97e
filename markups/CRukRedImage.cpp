#include "markups/CRukRedImage.h"

#include "entities/CRukIFrame.h"
#include "entities/CRukMFrame.h"
#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CBoxGrips.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "platform/gdi/CDC.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kInvertMode = 3;
constexpr COLORREF kWhite = 0xFFFFFF;

} // namespace

IMPLEMENT_SERIAL(CRukRedImage, CObject, 0)

bool CRukRedImage::IsMetafilePath(const CString& path) {
    return HasExtension(path, ".wmf") || HasExtension(path, ".emf");
}

CRukRedImage::CRukRedImage() : CRukRedSquare(MarkupKind(0x15)) {}

void CRukRedImage::Serialize(CArchive& ar) {
    SerializeLayout(ar);
    if (ar.IsStoring())
        return;
    m_points.RemoveAll();
    for (const POINT& corner : BoxCorners())
        m_points.Add(corner);
    RecalcExtents();
}

const CRukEntity* CRukRedImage::Border() const {
    return LastChildOfKind(kKindPolygon, false);
}

int CRukRedImage::GetLineType() const {
    const CRukEntity* border = Border();
    return border ? border->GetLineType() : 1;
}

COLORREF CRukRedImage::GetColor() const {
    const CRukEntity* border = Border();
    return border ? border->GetColor() : kWhite;
}

int CRukRedImage::GetLineWidth() const {
    const CRukEntity* border = Border();
    return border ? border->GetLineWidth() : 0;
}

int CRukRedImage::GetLineTypeScale() const {
    const CRukEntity* border = Border();
    return border ? border->GetLineTypeScale() : 1000;
}

bool CRukRedImage::PlacedSize(SIZE* size) const {
    if (m_imageWidth <= 0 || m_imageHeight <= 0)
        return false;
    const double s = m_placeHeight / m_imageHeight;
    size->cx = m_placeUnit * TruncInt(s * m_imageWidth + 0.5);
    size->cy = m_placeUnit * TruncInt(s * m_imageHeight + 0.5);
    // On a drawing only a few units high whole units would round the box
    // away and the picture would be placed invisible: keep its exact size.
    if (size->cx == 0 || size->cy == 0) {
        size->cx = std::max(1, TruncInt(m_placeUnit * s * m_imageWidth + 0.5));
        size->cy = std::max(1, TruncInt(m_placeUnit * s * m_imageHeight + 0.5));
    }
    return true;
}

int CRukRedImage::AddPoint(int x, int y, int) {
    SIZE size{};
    if (!PlacedSize(&size))
        return 0;
    m_x1 = x;
    m_y1 = y;
    m_x2 = x + size.cx;
    m_y2 = y + size.cy;
    m_points.RemoveAll();
    m_points.Add(POINT{m_x1, m_y1});
    m_points.Add(POINT{m_x2, m_y2});
    return 1;
}

void CRukRedImage::DrawBox(CTrackSurface& surface, const CMarkupDocument& document,
                           POINT corner) const {
    SIZE size{};
    if (!PlacedSize(&size))
        return;
    const POINT a = document.LogicalToDevicePoint(corner.x, corner.y);
    const POINT b = document.LogicalToDevicePoint(corner.x + size.cx, corner.y + size.cy);
    surface.Polygon({{a.x, a.y}, {a.x, b.y}, {b.x, b.y}, {b.x, a.y}});
}

void CRukRedImage::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                           POINT newPoint, const CDrawDefaults&) {
    if (m_trackShown)
        DrawBox(surface, document, oldPoint);
    DrawBox(surface, document, newPoint);
    m_trackShown = 1;
}

void CRukRedImage::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                             const CDrawDefaults&) {
    DrawBox(surface, document, point);
}

CRukEntity* CRukRedImage::LoadFrame() const {
    const char* path = m_imagePath.c_str();
    if (IsMetafilePath(m_imagePath)) {
        auto frame = std::make_unique<CRukMFrame>();
        if (frame->LoadMetaFileAt(path, RECT{m_x1, m_y1, m_x2, m_y2}))
            return frame.release();
    } else {
        auto frame = std::make_unique<CRukIFrame>();
        if (frame->LoadImageFile(path, m_x1, m_y1, m_x2, m_y2))
            return frame.release();
    }
    AfxMessageBox(CString::FromUtf8("読み込みエラー"), MB_OK);
    return nullptr;
}

void CRukRedImage::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    NormaliseBox();
    CRukEntity* frame = LoadFrame();
    if (!frame)
        return;
    frame->m_childFlag = 2;
    frame->SetLayerName(document->m_curLayerName);
    document->AddMarkup(frame);
    document->AddToLayer(frame);
    AddChild(frame);
    m_points.Copy(frame->m_points);

    auto* border = new CRukPolygon();
    AddVerticesTo(border);
    FinishWithChild(*document, border);
    // The border outlines the picture and never fills over it.
    border->SetFillType(0);
    border->SetTransparent(1);
    SetFillColor(document->m_style.m_redFillColor);
    SetThirdColor(document->m_style.m_redHatchColor);
}

std::vector<POINT> CRukRedImage::FramePoints() const {
    return {{m_x1, m_y2}, {m_x1, m_y1}, {m_x2, m_y1}, {m_x2, m_y2}};
}

void CRukRedImage::MoveVertex(int dx, int dy, int index, int x, int y, UINT) {
    // The picture keeps its proportions whatever the keys.
    MoveGrip(dx, dy, index, x, y, true);
    const std::vector<POINT> points = FramePoints();
    m_children.ForEach([&points](CRukEntity& child) {
        child.m_points.RemoveAll();
        for (const POINT& point : points)
            child.m_points.Add(point);
        child.RecalcExtents();
    });
    m_points.RemoveAll();
    for (const POINT& point : points)
        m_points.Add(point);
    RecalcExtents();
}

void CRukRedImage::Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                        COLORREF color, const CDrawDefaults* settings, const RECT& clip) {
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    CGdiObject* oldBrush = nullptr;
    COLORREF oldTextColor = 0;
    if (settings->m_selectMode == kInvertMode) {
        const int oldBkMode = dc->SetBkMode(TRANSPARENT);
        oldBrush = dc->SelectStockObject(BLACK_BRUSH);
        oldTextColor = dc->SetTextColor(kWhite - (m_color & kWhite));
        const int oldRop = dc->SetROP2(R2_NOT);
        DrawChildren(document, dc, originX, originY, scale, color, width, settings, clip, false,
                     kKindPolygon);
        dc->SetROP2(oldRop);
        dc->SetBkMode(oldBkMode);
    } else {
        oldBrush = dc->SelectStockObject(NULL_BRUSH);
        oldTextColor = dc->SetTextColor(color);
        DrawChildren(document, dc, originX, originY, scale, color, width, settings, clip, false,
                     kKindPolygon);
    }
    dc->SelectObject(oldBrush);
    dc->SetTextColor(oldTextColor);
}
