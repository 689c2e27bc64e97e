#include "entities/CRukInsert.h"

#include "entities/CEntityDocument.h"
#include "entities/CEntityFactory.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CObList.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

IMPLEMENT_SERIAL(CRukInsert, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

constexpr COLORREF kNoColor = 0xFFFFFFFF;
const char* const kDefaultLayer = "0";

} // namespace

CRukInsert::CRukInsert() {
    m_kind = kKindInsert;
    m_color = kNoColor;
}

void CRukInsert::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_x1 << m_y1 << m_x2 << m_y2 << m_layerName << static_cast<UINT>(m_color)
           << static_cast<BYTE>(m_childFlag) << m_tag << m_name << m_childCount;
        m_children.Serialize(ar);
        return;
    }
    if (ar.GetObjectSchema() > 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    UINT color = 0;
    BYTE childFlag = 0;
    ar >> m_x1 >> m_y1 >> m_x2 >> m_y2 >> m_layerName >> color >> childFlag >> m_tag >> m_name >>
        m_childCount;
    m_color = color;
    m_childFlag = childFlag;
    m_children.Serialize(ar);
    RecalcExtents();
}

void CRukInsert::SetColor(COLORREF color) {
    m_children.SetColor(color);
    m_color = color;
}

void CRukInsert::RestoreColor() {
    m_children.RestoreColor();
    m_color = kNoColor;
}

void CRukInsert::SetFillColor(COLORREF color) {
    m_children.SetFillColor(color);
    m_fillColor = color;
}

void CRukInsert::RestoreFillColor() {
    m_children.RestoreFillColor();
    m_fillColor = kNoColor;
}

// ---- Building from a record

int CRukInsert::CreateFromRecord(const PorRecord* record, CEntityDocument* document, int) {
    if (!record || !document || record->Type() != PorInsert::Type)
        return 0;
    Parts parts;
    Build(*record, document, 0, &parts);
    for (std::unique_ptr<CRukEntity>& part : parts)
        document->AddRecordEntity(part.release());
    return 1;
}

void CRukInsert::Build(const PorRecord& record, CEntityDocument* document, int depth,
                       Parts* parts) {
    m_id = record.Get(PorInsert::Id);
    m_layerName = record.Get(PorInsert::Layer);
    m_sourceLayer = m_layerName;
    PorRecordWalker walker = PorRecordWalker::Nested(record, PorInsert::Children);
    while (const auto nested = walker.Next()) {
        std::unique_ptr<CRukEntity> child = BuildChild(*nested, document, depth, parts);
        if (!child)
            continue;
        child->m_childFlag = 1;
        m_children.Add(child.get());
        parts->push_back(std::move(child));
    }
    m_children.Fit();
    SetChildCount(m_children.GetCount());

    // A block drawn wholly on layer "0" takes the layer of its reference.
    // The children reach the document only after this, so they are filed
    // under the layer they carry and hiding the reference's layer hides them.
    bool allOnDefaultLayer = true;
    m_children.ForEach([&allOnDefaultLayer](const CRukEntity& child) {
        allOnDefaultLayer = allOnDefaultLayer && child.GetLayerName() == kDefaultLayer;
    });
    if (allOnDefaultLayer)
        m_children.ForEach([this](CRukEntity& child) { child.SetLayerName(m_layerName); });

    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    m_children.UnionExtents(&minX, &minY, &maxX, &maxY);
    m_x1 = minX;
    m_y1 = maxY;
    m_x2 = maxX;
    m_y2 = minY;
    RecalcExtents();
}

std::unique_ptr<CRukEntity> CRukInsert::BuildChild(const PorRecord& record,
                                                   CEntityDocument* document, int depth,
                                                   Parts* parts) const {
    if (record.Type() != PorInsert::Type)
        return CEntityFactory::Make(record, document, 0);
    if (depth >= kMaxNesting)
        return nullptr;
    auto insert = std::make_unique<CRukInsert>();
    insert->Build(record, document, depth + 1, parts);
    return insert;
}

// ---- Drawing and hit tests: each child draws itself through its layer

void CRukInsert::DrawStyled(CEntityDocument*, CDC*, int, int, double, double, const CDrawDefaults*,
                            BOOL, const RECT&) {}

void CRukInsert::DrawForward(CDC* dc, int originX, int originY, double scale,
                             const CDrawDefaults* settings, const RECT& clip, BOOL boxOnly) {
    m_children.ForEach([&](CRukEntity& child) {
        child.DrawForward(dc, originX, originY, scale, settings, clip, boxOnly);
    });
}

void CRukInsert::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    m_children.ForEach([&](CRukEntity& child) { child.TraceB(dc, unitDivisor, scale, settings); });
}

int CRukInsert::HitTest(CDC* dc, CEntityDocument* document, int x, int y) {
    for (POSITION position = m_children.GetHeadPosition(); position;) {
        if (m_children.GetNext(position)->HitTest(dc, document, x, y))
            return 1;
    }
    return 0;
}

POSITION CRukInsert::GetHeadPosition() const {
    return m_children.GetHeadPosition();
}

CRukEntity* CRukInsert::GetNext(POSITION& position) const {
    return m_children.GetNext(position);
}

void CRukInsert::CollectShownExtents(CEntityDocument* document, CObList* list, int* minX, int* minY,
                                     int* maxX, int* maxY, const CDrawDefaults* settings) {
    if (settings->m_cursorMode == 1 && m_tag.IsEmpty())
        return;
    if (m_children.UnionShownExtents(*document, minX, minY, maxX, maxY))
        list->AddTail(this);
}

void CRukInsert::SetChildCount(int count) {
    m_childCount = count;
}
