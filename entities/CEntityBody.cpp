#include "entities/CEntityBody.h"

#include "entities/ArchiveFields.h"
#include "entities/CRukEntity.h"
#include "platform/mfc/CArchive.h"

namespace {

constexpr int kTranslucentFill = 1;
constexpr int kSolidFill = 3;
constexpr int kSpecialFill = 99;

} // namespace

void CEntityBody::StoreOpen(const CRukEntity& entity, CArchive& ar) {
    ar << entity.m_layerName << static_cast<WORD>(entity.m_lineType) << entity.m_lineTypeScale
       << static_cast<WORD>(entity.m_lineWidth) << static_cast<UINT>(entity.m_savedColor)
       << static_cast<BYTE>(entity.m_childFlag) << entity.m_tag;
}

void CEntityBody::LoadOpen(CRukEntity& entity, CArchive& ar, bool lineTypeScale) {
    WORD lineType = 0;
    WORD width = 0;
    UINT color = 0;
    BYTE childFlag = 0;
    ar >> entity.m_layerName >> lineType;
    if (lineTypeScale)
        ar >> entity.m_lineTypeScale;
    ar >> width >> color >> childFlag >> entity.m_tag;
    entity.m_lineType = WithLowWord(entity.m_lineType, lineType);
    entity.m_lineWidth = WithLowWord(entity.m_lineWidth, width);
    entity.m_color = color;
    entity.m_childFlag = childFlag;
}

void CEntityBody::StoreFilled(const CRukEntity& entity, CArchive& ar, Layout layout) {
    ar << entity.m_layerName << static_cast<WORD>(entity.m_lineType);
    if (layout.lineTypeScale)
        ar << entity.m_lineTypeScale;
    ar << static_cast<WORD>(entity.m_lineWidth) << static_cast<UINT>(entity.m_savedColor);
    if (layout.fill)
        ar << static_cast<WORD>(entity.m_fillType) << static_cast<UINT>(entity.m_savedFillColor);
    if (layout.thirdAndTransparent)
        ar << static_cast<UINT>(entity.m_thirdColor) << static_cast<BYTE>(entity.m_transparent);
    ar << static_cast<BYTE>(entity.m_childFlag) << entity.m_tag;
}

BYTE CEntityBody::LoadFilled(CRukEntity& entity, CArchive& ar, Layout layout) {
    WORD lineType = 0;
    WORD width = 0;
    UINT color = 0;
    BYTE transparent = 1;
    BYTE childFlag = 0;
    ar >> entity.m_layerName >> lineType;
    if (layout.lineTypeScale)
        ar >> entity.m_lineTypeScale;
    ar >> width >> color;
    if (layout.fill) {
        WORD fillType = 0;
        UINT fillColor = 0;
        ar >> fillType >> fillColor;
        entity.m_fillType = WithLowWord(entity.m_fillType, fillType);
        entity.m_fillColor = fillColor;
    }
    if (layout.thirdAndTransparent) {
        UINT thirdColor = 0;
        ar >> thirdColor >> transparent;
        entity.m_thirdColor = thirdColor;
    }
    ar >> childFlag >> entity.m_tag;
    entity.m_lineType = WithLowWord(entity.m_lineType, lineType);
    entity.m_lineWidth = WithLowWord(entity.m_lineWidth, width);
    entity.m_color = color;
    entity.m_childFlag = childFlag;
    return transparent;
}

void CEntityBody::LoadFilledSchema(CRukEntity& entity, CArchive& ar, UINT schema) {
    const BYTE transparent = LoadFilled(entity, ar, {schema >= 1, schema >= 2, schema >= 3});
    if (schema >= 3) {
        SettleTransparent(entity, transparent);
    } else if (schema == 2) {
        entity.m_transparent = entity.m_fillType == 0 ? 1 : 0;
    } else {
        entity.m_fillType = 0;
        entity.m_transparent = 1;
        MendInvisibleLineType(entity);
    }
    SaveColors(entity);
}

std::optional<UINT> CEntityBody::SerializeFilled(CRukEntity& entity, CArchive& ar) {
    if (ar.IsStoring()) {
        entity.m_points.Serialize(ar);
        StoreFilled(entity, ar, {});
        return std::nullopt;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 3)
        AfxThrowArchiveException(CArchiveException::badSchema);
    entity.m_points.Serialize(ar);
    LoadFilledSchema(entity, ar, schema);
    return schema;
}

void CEntityBody::SettleTransparent(CRukEntity& entity, BYTE stored) {
    if (entity.m_fillType == 0)
        entity.m_transparent = 1;
    else if (entity.m_fillType == kTranslucentFill || entity.m_fillType == kSolidFill ||
             entity.m_fillType == kSpecialFill)
        entity.m_transparent = 0;
    else
        entity.m_transparent = stored;
}

void CEntityBody::MendInvisibleLineType(CRukEntity& entity) {
    if (entity.m_lineType == 0)
        entity.m_lineType = 1;
}

void CEntityBody::SaveColors(CRukEntity& entity) {
    entity.m_savedColor = entity.m_color;
    entity.m_savedFillColor = entity.m_fillColor;
}
