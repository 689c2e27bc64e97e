#include "markups/CLeaderParts.h"

#include "entities/CRingPolygon.h"
#include "entities/CRukCircle.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CMarkupDocument.h"
#include "markups/CRukMark.h"
#include "markups/CTrackSurface.h"

namespace {

constexpr int kTextAlignBottom = 2;
constexpr int kTextAlignCentre = 1;

std::vector<POINT> OwnPoints(const CRukEntity& markup) {
    std::vector<POINT> points;
    for (INT_PTR i = 0; i < markup.m_points.GetSize(); ++i)
        points.push_back(markup.m_points[i]);
    return points;
}

} // namespace

std::vector<POINT> CLeaderParts::ClosedBox(POINT centre, LONG width, LONG height) {
    const LONG halfW = width / 2;
    const LONG halfH = height / 2;
    const POINT first{centre.x - halfW, centre.y - halfH};
    return {first,
            {centre.x + halfW, centre.y - halfH},
            {centre.x + halfW, centre.y + halfH},
            {centre.x - halfW, centre.y + halfH},
            first};
}

void CLeaderParts::PlaceLabel(CRukEntity& text, POINT anchor, int width, int height) {
    text.SetVertAlign(kTextAlignBottom);
    text.SetHorzAlign(kTextAlignCentre);
    text.SetOrigin(anchor.x, anchor.y + height);
    text.SetCorner2(anchor.x + width, anchor.y);
    text.UpdateLayout();
}

CRukPolygon* CLeaderParts::MakeFrame(POINT anchor, SIZE size) {
    auto* frame = new CRukPolygon();
    const LONG halfW = size.cx / 2;
    const LONG halfH = size.cy / 2;
    frame->SetFirstPoint(anchor.x - halfW, anchor.y + halfH);
    frame->AppendPoint(anchor.x - halfW, anchor.y - halfH);
    frame->AppendPoint(anchor.x + halfW, anchor.y - halfH);
    frame->AppendPoint(anchor.x + halfW, anchor.y + halfH);
    frame->SetFillType(0);
    frame->RecalcExtents();
    return frame;
}

CRukCircle* CLeaderParts::MakeEndCircle(POINT anchor, int radius) {
    auto* circle = new CRukCircle();
    circle->SetFirstPoint(anchor.x, anchor.y);
    circle->AppendPoint(anchor.x + radius, anchor.y);
    circle->RecalcExtents();
    return circle;
}

void CLeaderParts::TakeAttributes(CRukEntity& child, const CRukEntity& from, bool withPen) {
    child.m_childFlag = 2;
    child.SetLayerName(from.GetLayerName());
    if (!withPen)
        return;
    child.SetLineWidth(from.GetLineWidth());
    child.SetLineType(from.GetLineType());
    child.SetLineTypeScale(from.GetLineTypeScale());
}

CRukEntity* CLeaderParts::LeaderFrom(const CRukEntity& old) {
    auto* leader = new CRukPolyline();
    if (old.GetKind() == kKindLine) {
        leader->SetFirstPoint(old.m_x1, old.m_y1);
        leader->AppendPoint(old.m_x2, old.m_y2);
    } else {
        leader->m_points.Copy(old.m_points);
    }
    TakeAttributes(*leader, old, true);
    leader->RecalcExtents();
    return leader;
}

CRukEntity* CLeaderParts::LabelFrom(const CRukEntity& old, int vertAlign, bool centred) {
    auto* text = new CRukText();
    text->SetText(old.GetText());
    text->SetTextHeight(old.GetTextHeight());
    text->SetVertAlign(vertAlign);
    if (centred)
        text->SetHorzAlign(kTextAlignCentre);
    text->SetOrigin(old.m_x1, old.m_y1);
    text->SetCorner2(old.m_x2, old.m_y2);
    text->UpdateLayout();
    TakeAttributes(*text, old, false);
    return text;
}

int CLeaderParts::ClipLeaderEnd(POINT from, POINT anchor, int tw, int th, int frame, UINT unit,
                                POINT* crossing) {
    if (tw > 0 && frame == kFrameCircle)
        return CRukMark::ClipToCircle(from, crossing, anchor.x, anchor.y,
                                      CRukMark::CircleRadiusForLabel(tw, th), unit);
    if (tw > 0 && frame != kFrameNone) {
        const SIZE rect = CRukMark::RectSizeForLabel(tw, th);
        return CRukMark::ClipToRect(from, crossing, rect.cx, rect.cy, anchor.x, anchor.y, unit);
    }
    const SIZE plain = CRukMark::PlainSizeForLabel(tw, th);
    return CRukMark::ClipToRect(from, crossing, plain.cx, plain.cy, anchor.x, anchor.y, unit);
}

void CLeaderParts::DrawLabelFigures(CTrackSurface& surface, const CMarkupDocument& document,
                                    const CLabelFont& font, POINT at, const CString& label) {
    const SIZE extent = surface.MeasureLabel(label, font);
    const POINT centre = document.LogicalToDevicePoint(at.x, at.y);
    surface.Polyline(ClosedBox(centre, extent.cx, extent.cy));
    switch (document.m_style.m_labelFrame) {
    case kFrameCircle:
        surface.Polygon(CRingPolygon::Circle(centre.x, centre.y,
                                             CRukMark::CircleRadiusForLabel(extent.cx, extent.cy)));
        break;
    case kFrameRect: {
        const SIZE rect = CRukMark::RectSizeForLabel(extent.cx, extent.cy);
        surface.Polyline(ClosedBox(centre, rect.cx, rect.cy));
        break;
    }
    default:
        break;
    }
}

void CLeaderParts::FollowAnchor(CRukMark& markup, int dx, int dy, int index, int leaderLast) {
    constexpr int kLeaderPosition = 1;
    int position = 0;
    for (POSITION at = markup.GetHeadPosition(); at; ++position) {
        CRukEntity* child = markup.GetNext(at);
        if (!child)
            continue;
        const int kind = child->GetKind();
        if (leaderLast >= 0 && position > kLeaderPosition && index == leaderLast &&
            (kind == kKindCircle || kind == kKindPolygon || kind == kKindText))
            child->Offset(dx, dy);
        child->RecalcExtents();
    }
}

void CLeaderParts::FileChild(CRukMark& markup, CMarkupDocument& document, CRukEntity* child,
                             bool withPen) {
    child->m_childFlag = 2;
    child->SetLayerName(document.m_curLayerName);
    if (withPen)
        child->SetLineWidth(document.m_style.m_redPenWidth);
    document.AddMarkup(child);
    document.AddToLayer(child);
    markup.AddChild(child);
}

void CLeaderParts::FileLabelParts(CRukMark& markup, CMarkupDocument& document, POINT anchor, int tw,
                                  int th, double textHeight) {
    const int frame = document.m_style.m_labelFrame;
    const bool circleFrame = frame != kFrameNone && frame != kFrameRect;
    FileChild(markup, document,
              MakeEndCircle(anchor, circleFrame ? CRukMark::CircleRadiusForLabel(tw, th) : 0),
              true);
    FileChild(markup, document,
              MakeFrame(anchor, frame == kFrameRect ? CRukMark::RectSizeForLabel(tw, th) : SIZE{}),
              true);
    auto* text = new CRukText();
    text->SetText(markup.m_label);
    text->SetTextHeight(TruncInt(textHeight + 0.5));
    text->SetFaceName(markup.m_faceName);
    text->SetCharSet(markup.m_charSet);
    PlaceLabel(*text, anchor, tw, th);
    FileChild(markup, document, text, false);
}

void CLeaderParts::FinishLabelledMark(CRukMark& markup, CMarkupDocument& document) {
    markup.SetColor(document.m_style.m_redPenColor);
    markup.m_tag = document.m_newMarkTag;
    markup.SetName(document.m_newMarkName);
    markup.SetLayerName(document.m_curLayerName);
    markup.RecalcExtents();
    markup.SetChildCount(markup.m_children.GetCount());
    document.m_newMarkName.Empty();
    document.m_newMarkTag.Empty();
}

void CLeaderParts::DrawGrips(CDC* dc, const std::vector<POINT>& grips, int originX, int originY,
                             double scale) {
    std::vector<POINT> view;
    view.reserve(grips.size());
    for (const POINT& grip : grips)
        view.push_back(ToViewPoint(grip.x, grip.y, originX, originY, scale));
    CRukEntity::DrawGripBoxes(dc, view.data(), static_cast<int>(view.size()));
}

int CLeaderParts::HitGrip(const CRukEntity& owner, CDC* dc, CEntityDocument* document,
                          const std::vector<POINT>& grips, int x, int y, int* grip) {
    if (!document)
        return 0;
    const POINT test = document->LogicalToDevicePoint(x, y);
    for (std::size_t i = 0; i < grips.size(); ++i) {
        if (owner.HitGripBox(dc, document->LogicalToDevicePoint(grips[i].x, grips[i].y), test)) {
            *grip = static_cast<int>(i);
            return 1;
        }
    }
    return 0;
}

void CLeaderParts::DrawPointGrips(const CRukEntity& markup, CDC* dc, int originX, int originY,
                                  double scale) {
    DrawGrips(dc, OwnPoints(markup), originX, originY, scale);
}

int CLeaderParts::HitPointGrip(const CRukEntity& markup, CDC* dc, CEntityDocument* document, int x,
                               int y, int* grip) {
    return HitGrip(markup, dc, document, OwnPoints(markup), x, y, grip);
}
