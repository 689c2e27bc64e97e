#include "entities/CRukGroup.h"

#include "entities/CChildForest.h"
#include "entities/CEntityDocument.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CObList.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

IMPLEMENT_SERIAL(CRukGroup, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

constexpr COLORREF kNoColor = 0xFFFFFFFF;
// Anonymous blocks of a drawing are named "*A<n>"; such a group takes a
// name made from its id instead.
constexpr const char* kAnonymousPrefix = "*A";

// fixed + trunc((value - fixed) x factor), saturating.
int ScaledFrom(int value, int fixed, double factor) {
    return TruncInt(static_cast<double>(fixed) +
                    TruncInt((static_cast<double>(value) - fixed) * factor));
}

// How many groups stand one inside the other at and below the group,
// counting it; the walk gives up beyond CChildForest::kMaxDepth.
int NestedGroups(const CRukEntity& group) {
    int deepest = 0;
    std::vector<std::pair<const CRukEntity*, int>> pending{{&group, 1}};
    while (!pending.empty() && deepest <= CChildForest::kMaxDepth) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, depth);
        for (POSITION position = node->GetHeadPosition(); position;) {
            const CRukEntity* child = node->GetNext(position);
            if (child && child->GetKind() == kKindGroup)
                pending.emplace_back(child, depth + 1);
        }
    }
    return deepest;
}

// A group of the drawing may hold another group, but only one that no other
// group holds yet and that keeps the nesting shallow: operations passed on
// to members would visit a shared group once per path to it (twice as often
// with each level) and recurse once per level.
bool MayJoin(const CRukEntity& member) {
    return member.GetKind() != kKindGroup ||
           (member.m_childFlag != 2 && NestedGroups(member) < CChildForest::kMaxDepth);
}

bool HasFill(int kind) {
    return kind == kKindPolygon || kind == kKindCircle || kind == kKindEllipse ||
           kind == kKindCloud;
}

} // namespace

CRukGroup::CRukGroup() {
    m_kind = kKindGroup;
    m_color = kNoColor;
}

void CRukGroup::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        SerializeLayout(ar);
        return;
    }
    if (ar.GetObjectSchema() > 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    SerializeLayout(ar);
}

void CRukGroup::SerializeLayout(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_x1 << m_y1 << m_x2 << m_y2 << m_layerName << static_cast<UINT>(m_color)
           << m_groupName << static_cast<BYTE>(m_childFlag) << m_tag << m_name << m_childCount;
        m_children.Serialize(ar);
        return;
    }
    UINT color = 0;
    BYTE childFlag = 0;
    ar >> m_x1 >> m_y1 >> m_x2 >> m_y2 >> m_layerName >> color >> m_groupName >> childFlag >>
        m_tag >> m_name >> m_childCount;
    m_color = color;
    m_childFlag = childFlag;
    m_children.Serialize(ar);
    RecalcExtents();
}

// ---- Attributes passed on to the children

void CRukGroup::SetLineType(int lineType) {
    m_children.ForEach([lineType](CRukEntity& child) { child.SetLineType(lineType); });
}

int CRukGroup::GetLineType() const {
    const CRukEntity* first = m_children.GetFirst();
    return first ? first->GetLineType() : 1;
}

void CRukGroup::SetColor(COLORREF color) {
    m_children.SetColor(color);
    m_color = color;
}

void CRukGroup::RestoreColor() {
    m_children.RestoreColor();
    m_color = kNoColor;
}

void CRukGroup::SetFillColor(COLORREF color) {
    m_children.SetFillColor(color);
    m_fillColor = color;
}

void CRukGroup::RestoreFillColor() {
    m_children.RestoreFillColor();
    m_fillColor = kNoColor;
}

void CRukGroup::SetFillType(int fillType) {
    m_children.ForEach([fillType](CRukEntity& child) { child.SetFillType(fillType); });
}

int CRukGroup::GetFillType() const {
    for (POSITION position = m_children.GetHeadPosition(); position;) {
        const CRukEntity* child = m_children.GetNext(position);
        if (HasFill(child->GetKind()))
            return child->GetFillType();
    }
    return 0;
}

void CRukGroup::SetLineWidth(int width) {
    m_children.ForEach([width](CRukEntity& child) { child.SetLineWidth(width); });
}

int CRukGroup::GetLineWidth() const {
    const CRukEntity* first = m_children.GetFirst();
    return first ? first->GetLineWidth() : 0;
}

CString CRukGroup::GetLayerName() const {
    const CRukEntity* first = m_children.GetFirst();
    return first ? first->GetLayerName() : CString();
}

void CRukGroup::SetLineTypeScale(int scale) {
    m_children.ForEach([scale](CRukEntity& child) { child.SetLineTypeScale(scale); });
}

int CRukGroup::GetLineTypeScale() const {
    const CRukEntity* first = m_children.GetFirst();
    return first ? first->GetLineTypeScale() : 1000;
}

void CRukGroup::SetVisible(int visible) {
    m_children.ForEach([visible](CRukEntity& child) { child.SetVisible(visible); });
    m_visible = visible;
}

void CRukGroup::SetThirdColor(COLORREF color) {
    m_children.ForEach([color](CRukEntity& child) { child.SetThirdColor(color); });
    m_thirdColor = color;
}

// ---- Extents and editing

void CRukGroup::RecalcExtents() {
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    m_children.UnionExtents(&minX, &minY, &maxX, &maxY);
    m_minX = minX;
    m_minY = minY;
    m_maxX = maxX;
    m_maxY = maxY;
}

void CRukGroup::SetCorners(int minX, int minY, int maxX, int maxY) {
    SetOrigin(minX, maxY);
    m_x2 = maxX;
    m_y2 = minY;
}

void CRukGroup::Offset(int dx, int dy) {
    // The children move first, so that the box taken from them is the new one.
    m_children.ForEach([dx, dy](CRukEntity& child) { child.Offset(dx, dy); });
    CRukEntity::Offset(dx, dy);
}

void CRukGroup::ScaleFromCorner(int corner, double sx, double sy) {
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    GetExtents(&minX, &minY, &maxX, &maxY);
    POINT fixed{};
    switch (corner) {
    case 0:
        fixed = POINT{minX, maxY};
        break;
    case 1:
        fixed = POINT{minX, minY};
        break;
    case 2:
        fixed = POINT{maxX, minY};
        break;
    case 3:
        fixed = POINT{maxX, maxY};
        break;
    default:
        return;
    }
    m_children.ForEach(
        [&fixed, sx, sy](CRukEntity& child) { child.ScaleAbout(fixed.x, fixed.y, sx, sy); });
    // The box of the scaled children; a box that started from the old
    // extents could only grow, and would keep a shrunk group at its old size.
    m_children.UnionExtents(&minX, &minY, &maxX, &maxY);
    for (INT_PTR i = 0; i < m_points.GetSize(); ++i) {
        POINT& point = m_points[i];
        point = POINT{ScaledFrom(point.x, fixed.x, sx), ScaledFrom(point.y, fixed.y, sy)};
    }
    SetCorners(minX, minY, maxX, maxY);
    RecalcExtents();
}

void CRukGroup::ComputeGroupExtents(CDC* dc, int originX, int originY, double scale,
                                    double textScale) {
    m_children.ForEach([&](CRukEntity& child) {
        if (child.GetKind() == kKindText)
            child.GetTextExtent(dc, originX, originY, scale, textScale);
    });
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    m_children.UnionExtents(&minX, &minY, &maxX, &maxY);
    SetOrigin(minX, maxY);
    SetCorner2(maxX, minY);
    RecalcExtents();
}

void CRukGroup::CollectShownExtents(CEntityDocument* document, CObList* list, int* minX, int* minY,
                                    int* maxX, int* maxY, const CDrawDefaults* settings) {
    if (settings->m_cursorMode == 1 && m_tag.IsEmpty())
        return;
    if (m_children.UnionShownExtents(*document, minX, minY, maxX, maxY))
        list->AddTail(this);
}

// ---- Building from a record

int CRukGroup::CreateFromRecord(const PorRecord* record, CEntityDocument* document, int) {
    if (!record || record->Type() != PorGroup::Type)
        return 0;
    m_groupName = record->Get(PorGroup::Name);
    m_id = record->Get(PorGroup::Id);
    if (m_groupName.str().starts_with(kAnonymousPrefix)) {
        m_blockName = m_groupName;
        m_groupName = m_id + "_NONAME";
    }
    // A member listed twice is taken once: it would be moved or scaled twice.
    std::unordered_set<const CRukEntity*> taken;
    for (const CString& id : record->Get(PorGroup::Members)) {
        CRukEntity* member = document ? document->FindEntityById(id) : nullptr;
        if (!member || !MayJoin(*member) || !taken.insert(member).second)
            continue;
        member->m_childFlag = 2;
        AddChild(member);
    }
    SetChildCount(m_children.GetCount());
    m_layerName = GetLayerName();
    m_sourceLayer = m_layerName;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    m_children.UnionExtents(&minX, &minY, &maxX, &maxY);
    SetCorners(minX, minY, maxX, maxY);
    RecalcExtents();
    return 1;
}

// ---- Drawing and hit tests through the children

void CRukGroup::DrawStyled(CEntityDocument*, CDC*, int, int, double, double, const CDrawDefaults*,
                           BOOL, const RECT&) {}

void CRukGroup::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    m_children.ForEach([&](CRukEntity& child) { child.TraceB(dc, unitDivisor, scale, settings); });
}

void CRukGroup::TraceA(CDC* dc, int originX, int originY, double scale,
                       const CDrawDefaults* settings, const RECT& clip, BOOL boxOnly) {
    m_children.ForEach([&](CRukEntity& child) {
        child.TraceA(dc, originX, originY, scale, settings, clip, boxOnly);
    });
}

void CRukGroup::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                          const CDrawDefaults* settings) {
    m_children.ForEach([&](CRukEntity& child) { child.DrawMoved(document, dc, dx, dy, settings); });
}

int CRukGroup::HitTest(CDC* dc, CEntityDocument* document, int x, int y) {
    for (POSITION position = m_children.GetHeadPosition(); position;) {
        CRukEntity* child = m_children.GetNext(position);
        if (child->HitTest(dc, document, x, y) &&
            document->GetLayerState(child->GetLayerName()) == 1)
            return 1;
    }
    return 0;
}

// ---- The child list

POSITION CRukGroup::GetHeadPosition() const {
    return m_children.GetHeadPosition();
}

CRukEntity* CRukGroup::GetNext(POSITION& position) const {
    return m_children.GetNext(position);
}

POSITION CRukGroup::GetTailPosition() const {
    return m_children.GetTailPosition();
}

CRukEntity* CRukGroup::GetPrev(POSITION& position) const {
    return m_children.GetPrev(position);
}

int CRukGroup::GetCount() const {
    return m_children.GetCount();
}

void CRukGroup::SetChildCount(int count) {
    m_childCount = count;
}

void CRukGroup::AddChild(CRukEntity* child) {
    m_children.Add(child);
}

bool CRukGroup::RemoveChild(const CRukEntity* child) {
    return m_children.Remove(child);
}
