#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/UndoLabels.h"
#include "app/UndoRecords.h"
#include "entities/EntityKinds.h"
#include "markups/CRukPath.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CRgn.h"
#include "platform/win/CDialogService.h"

#include <algorithm>
#include <vector>

namespace {

// The roles of the parts of a cut-out.
constexpr int kOutlineRole = 3;
constexpr int kHoleRole = 4;

constexpr int kNotTwo = -1;
constexpr int kKindRefused = -2;
constexpr int kNoOverlap = -3;

// The closed markups that can be cut: cloud, polygon, circle, ellipse and
// rectangle; a cut-out only as the outer shape.
bool TakesPart(int kind, bool asHole) {
    return kind == MarkupKind(0x03) || kind == MarkupKind(0x06) ||
           (kind >= MarkupKind(0x08) && kind <= MarkupKind(0x0A)) ||
           (!asHole && kind == CCommonDoc::kKindPath);
}

std::vector<CRukEntity*> PartsOf(const CRukEntity& markup) {
    std::vector<CRukEntity*> parts;
    for (POSITION position = markup.GetHeadPosition(); position;)
        if (CRukEntity* part = markup.GetNext(position))
            parts.push_back(part);
    return parts;
}

// The markup and its outlines take the role; the outlines, drawn by the
// cut-out from now on, leave their layers unfilled.
void TakeRole(CZumeoDoc& document, CRukEntity& markup, int role) {
    markup.m_childFlag = role;
    for (CRukEntity* outline : PartsOf(markup)) {
        outline->m_childFlag = role;
        outline->SetFillType(0);
        outline->SetTransparent(1);
        document.RemoveFromLayer(outline);
    }
}

void RemoveTop(CZumeoDoc& document, CRukEntity* object) {
    if (POSITION position = document.m_topObjects.Find(object))
        document.m_topObjects.RemoveAt(position);
}

// The line and fill attributes, name and tag the cut-out takes over.
struct Style {
    explicit Style(const CRukEntity& from)
        : layer(from.GetLayerName()), name(from.GetName()), tag(from.m_tag),
          fillType(from.GetFillType()), lineWidth(from.GetLineWidth()),
          lineType(from.GetLineType()), lineTypeScale(from.GetLineTypeScale()),
          transparent(from.GetTransparent()), color(from.GetColor()),
          fillColor(from.GetFillColor()), thirdColor(from.GetThirdColor()) {}

    void GiveTo(CRukEntity& to) const {
        to.SetLineWidth(lineWidth);
        to.SetLineType(lineType);
        to.SetLineTypeScale(lineTypeScale);
        to.SetFillType(fillType);
        to.SetColor(color);
        to.SetFillColor(fillColor);
        to.SetThirdColor(thirdColor);
        to.SetTransparent(transparent);
        to.SetName(name);
        to.m_tag = tag;
    }

    CString layer;
    CString name;
    CString tag;
    int fillType;
    int lineWidth;
    int lineType;
    int lineTypeScale;
    int transparent;
    COLORREF color;
    COLORREF fillColor;
    COLORREF thirdColor;
};

} // namespace

bool CZumeoView::MarkupsOverlap(CRukEntity& first, CRukEntity& second) const {
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    PrepareDC(&dc);
    const int originX = m_document->m_extent.m_minX;
    const int originY = m_document->m_extent.m_minY;
    const double scale = m_document->m_scaleX;
    CRgn outer;
    CRgn hole;
    if (!CRukPath::RegionOf(first, &dc, originX, originY, scale, &m_settings, &outer) ||
        !CRukPath::RegionOf(second, &dc, originX, originY, scale, &m_settings, &hole))
        return false;
    CRgn common;
    const int kind = common.CombineRgn(&outer, &hole, RGN_AND);
    return kind == SIMPLEREGION || kind == COMPLEXREGION;
}

int CZumeoView::HollowOut() {
    if (!m_document || m_document->m_selection.GetCount() != 2)
        return kNotTwo;
    CZumeoDoc& document = *m_document;
    auto* outer = static_cast<CRukEntity*>(document.m_selection.GetHead());
    auto* hole = static_cast<CRukEntity*>(document.m_selection.GetTail());
    if (!TakesPart(outer->GetKind(), false) || !TakesPart(hole->GetKind(), true))
        return kKindRefused;
    if (!MarkupsOverlap(*outer, *hole))
        return kNoOverlap;

    auto* record = new CUndoCutOut(&document, UndoLabels::CutOut(), outer, hole);
    const Style style(*outer);
    const bool recut = outer->GetKind() == CCommonDoc::kKindPath;
    TakeRole(document, *hole, kHoleRole);
    if (!recut)
        TakeRole(document, *outer, kOutlineRole);

    auto* path = new CRukPath();
    if (recut) {
        // The old cut-out's parts move over; it leaves with an empty list.
        auto* old = static_cast<CRukGroup*>(outer);
        for (CRukEntity* part : PartsOf(*old)) {
            old->RemoveChild(part);
            path->AddChild(part);
        }
    } else {
        path->AddChild(outer);
    }
    path->AddChild(hole);
    path->RecalcExtents();
    path->SetLayerName(style.layer);
    document.AddMarkup(path);
    document.AddToLayer(path);
    document.m_topObjects.AddTail(path);
    RemoveTop(document, outer);
    RemoveTop(document, hole);

    SetRectEmpty(&m_rcHighlight);
    AccumulateDirtyRect(document.m_selection);
    document.ClearSelection();
    style.GiveTo(*path);
    if (recut)
        document.DeleteEntity(outer);

    record->CaptureResult(path);
    document.m_undo.Push(record);
    return 1;
}

void CZumeoView::OnHollowOut() {
    const char* message = nullptr;
    switch (HollowOut()) {
    case kNotTwo:
        message = "2つの要素を選択してください。";
        break;
    case kKindRefused:
        message = "選択要素が不正です。";
        break;
    case kNoOverlap:
        message = "図形が重なっていません。";
        break;
    default:
        return;
    }
    AfxMessageBox(CString::FromUtf8(message), MB_OK | MB_ICONEXCLAMATION);
}

bool CZumeoView::CanHollowOut() const {
    return HasDrawing() && m_document->m_selection.GetCount() == 2;
}
