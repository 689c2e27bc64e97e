#pragma once
// What the entities need of the document that owns them: its scale and
// measurement settings, its drawing-to-view mapping, its layer states, its
// line patterns, and a place for the entities built from POR records. The
// document class derives from it; tests put a fake in its place.

#include "entities/CDashTable.h"
#include "entities/CLinePattern.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <vector>

class CRukEntity;

class CEntityDocument {
public:
    CEntityDocument() = default;
    virtual ~CEntityDocument() = default;
    CEntityDocument(const CEntityDocument&) = delete;
    CEntityDocument& operator=(const CEntityDocument&) = delete;

    // A drawing point in the document's view space.
    virtual POINT LogicalToDevicePoint(LONG x, LONG y) const = 0;
    // The state of the named layer (case-sensitive): 1 shown, 0 for a
    // hidden or unknown layer.
    virtual int GetLayerState(const CString& layerName) const = 0;
    // Takes an entity built from a POR record: the document owns it from
    // then on, lists it after the drawing's entities and files it under the
    // layer its layer name (GetLayerName) names, creating that layer when
    // missing.
    virtual void AddRecordEntity(CRukEntity* entity) = 0;
    // The first of the drawing's entities, in drawing order, whose id is
    // this id (byte for byte); null when none. Groups look up each member
    // with it while a drawing is read, so it should not walk the list
    // (CEntityIdIndex).
    virtual CRukEntity* FindEntityById(const CString& id) const = 0;

    // The drawing unit: POR units per source unit, the scale of the POR
    // header the drawing was read from.
    virtual UINT GetUnit() const = 0;
    // View units per drawing unit: the scale of LogicalToDevicePoint.
    virtual double ViewScale() const { return 1.0; }

    // The own line type of that number; null when the drawing has none.
    const CLinePattern* FindLinePattern(int id) const;

    // The drawing scale.
    double m_scale = 1.0;
    // Non-zero for a metric drawing: pen widths and dashes scale by m_scale
    // directly, otherwise by m_scale per inch.
    int m_scaleMode = 1;
    // 0: redline objects draw with the fixed pattern factor instead.
    int m_scaleMarkups = 1;
    // View units across the larger side of the drawing; the base of the
    // dash lengths when the pen-scale flag is clear.
    int m_deviceSpanX = 10000;
    // The drawing's own line types numbered 1000 and up.
    std::vector<CLinePattern> m_linePatterns;
    // The dash table of the pen-scale rule, adjusted to the drawing's line types.
    CDashTable m_dashTable;
};
