#include "app/COwnDrawingFile.h"

#include "app/CCommonDoc.h"
#include "app/CDocFileHeader.h"
#include "app/CObjectListReader.h"
#include "entities/CLineType.h"
#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"

#include <cmath>

namespace {

constexpr double kScaleStep = 1000.0;

// What a file gave, kept apart until all of it is read.
struct OwnDrawing {
    double scale = 1.0;
    int scaleMode = 1;
    UINT unit = 1000;
    CObList lineTypes;
    CObList layers;
    CObList objects{10};
};

bool IsLineType(const CObject* object) {
    return dynamic_cast<const CLineType*>(object) != nullptr;
}

bool IsLayer(const CObject* object) {
    return dynamic_cast<const CRukLayer*>(object) != nullptr;
}

bool IsEntity(const CObject* object) {
    return dynamic_cast<const CRukEntity*>(object) != nullptr;
}

} // namespace

void COwnDrawingFile::Write(CArchive& ar, CCommonDoc& document) {
    CDocFileHeader::Write(ar, CDocFileHeader::kOwnDrawingMagic, CDocFileHeader::kOwnDrawingVersion);
    ar << static_cast<int>(std::trunc(document.m_scale * kScaleStep)) << document.m_scaleMode
       << static_cast<int>(document.m_unit);
    document.m_lineTypes.Serialize(ar);
    document.m_layers.Serialize(ar);
    document.m_objects.Serialize(ar);
}

void COwnDrawingFile::Read(CArchive& ar, CCommonDoc& document) {
    const UINT version = CDocFileHeader::Read(ar, CDocFileHeader::kOwnDrawingMagic);
    OwnDrawing drawing;
    drawing.scale = document.m_scale;
    drawing.scaleMode = document.m_scaleMode;
    drawing.unit = document.m_unit;
    if (version >= kScaleVersion) {
        int scale = 0;
        ar >> scale >> drawing.scaleMode;
        drawing.scale = scale / kScaleStep;
    }
    if (version >= kUnitVersion) {
        int unit = 0;
        ar >> unit;
        drawing.unit = static_cast<UINT>(unit);
    }
    CObjectListReader lists(ar);
    if (version >= kLineTypesVersion)
        lists.Read(drawing.lineTypes, IsLineType);
    if (version >= kLayersVersion)
        lists.Read(drawing.layers, IsLayer);
    lists.Read(drawing.objects, IsEntity);
    lists.Finish();

    document.m_scale = drawing.scale;
    document.m_scaleMode = drawing.scaleMode;
    document.m_unit = drawing.unit;
    document.m_lineTypes.AddTail(&drawing.lineTypes);
    document.BuildLinePatterns();
    document.m_drawingLayers.AddTail(&drawing.layers);
    for (POSITION position = drawing.objects.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(drawing.objects.GetNext(position));
        if (object->GetKind() == kKindGroup)
            document.m_topObjects.AddTail(object);
        document.AddRecordEntity(object);
    }
}
