#include "app/COwnDrawingFile.h"

#include "app/CCommonDoc.h"
#include "app/CDocFileHeader.h"
#include "entities/CLineType.h"
#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CException.h"

#include <cmath>
#include <unordered_set>

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

    // What was read and not handed over; an object listed twice goes once.
    ~OwnDrawing() {
        std::unordered_set<CObject*> read;
        for (const CObList* list : {&lineTypes, &layers, &objects})
            for (POSITION position = list->GetHeadPosition(); position;)
                read.insert(list->GetNext(position));
        for (CObject* object : read)
            delete object;
    }
};

template <class T> bool AllOf(const CObList& list, std::unordered_set<const CObject*>& seen) {
    for (POSITION position = list.GetHeadPosition(); position;) {
        const CObject* object = list.GetNext(position);
        if (!dynamic_cast<const T*>(object) || !seen.insert(object).second)
            return false;
    }
    return true;
}

// Each object once, and in the list of its own classes: the document owns
// and deletes every one of them.
void CheckLists(const OwnDrawing& drawing) {
    std::unordered_set<const CObject*> seen;
    if (!AllOf<CLineType>(drawing.lineTypes, seen) || !AllOf<CRukLayer>(drawing.layers, seen) ||
        !AllOf<CRukEntity>(drawing.objects, seen))
        AfxThrowArchiveException(CArchiveException::badClass);
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
    if (version >= kLineTypesVersion)
        drawing.lineTypes.Serialize(ar);
    if (version >= kLayersVersion)
        drawing.layers.Serialize(ar);
    drawing.objects.Serialize(ar);
    CheckLists(drawing);

    document.m_scale = drawing.scale;
    document.m_scaleMode = drawing.scaleMode;
    document.m_unit = drawing.unit;
    document.m_lineTypes.AddTail(&drawing.lineTypes);
    drawing.lineTypes.RemoveAll();
    document.BuildLinePatterns();
    document.m_drawingLayers.AddTail(&drawing.layers);
    drawing.layers.RemoveAll();
    for (POSITION position = drawing.objects.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(drawing.objects.GetNext(position));
        if (object->GetKind() == kKindGroup)
            document.m_topObjects.AddTail(object);
        document.AddRecordEntity(object);
    }
    drawing.objects.RemoveAll();
}
