#pragma once
// A named group (kind 0x100): it refers to entities already in the
// document, which stay filed and drawn on their own layers, and passes most
// attribute and editing operations on to them. The markups derive from it
// and keep the entities they build as its children.

#include "entities/CChildList.h"
#include "entities/CRukEntity.h"

class CRukGroup : public CRukEntity {
    DECLARE_SERIAL(CRukGroup)

public:
    CRukGroup();

    void Serialize(CArchive& ar) override;
    void SetLineType(int lineType) override;
    int GetLineType() const override;
    void SetColor(COLORREF color) override;
    void RestoreColor() override;
    void SetFillColor(COLORREF color) override;
    void RestoreFillColor() override;
    void SetFillType(int fillType) override;
    int GetFillType() const override;
    void SetLineWidth(int width) override;
    int GetLineWidth() const override;
    CString GetLayerName() const override;
    void SetLineTypeScale(int scale) override;
    int GetLineTypeScale() const override;
    void SetVisible(int visible) override;
    void SetThirdColor(COLORREF color) override;
    void RecalcExtents() override;
    void DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                    const RECT& clip) override;
    void Offset(int dx, int dy) override;
    void ScaleFromCorner(int corner, double sx, double sy) override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                   const CDrawDefaults* settings) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    POSITION GetHeadPosition() const override;
    CRukEntity* GetNext(POSITION& position) const override;
    POSITION GetTailPosition() const override;
    CRukEntity* GetPrev(POSITION& position) const override;
    void ComputeGroupExtents(CDC* dc, int originX, int originY, double scale,
                             double textScale) override;
    void CollectShownExtents(CEntityDocument* document, CObList* list, int* minX, int* minY,
                             int* maxX, int* maxY, const CDrawDefaults* settings) override;
    int GetCount() const override;

    virtual void SetChildCount(int count);
    virtual void AddChild(CRukEntity* child);
    // Takes a child out of the list without deleting it or changing the count.
    bool RemoveChild(const CRukEntity* child);

    int m_childCount = 0;
    CChildList m_children;
    CString m_groupName;
    // The anonymous block name the record gave as group name; not archived.
    CString m_blockName;

protected:
    // The body without a schema test: corners, attributes, the child count
    // and the children; the extents follow a load.
    void SerializeLayout(CArchive& ar);

private:
    // (m_x1, m_y1) the top left and (m_x2, m_y2) the bottom right corner of
    // the box.
    void SetCorners(int minX, int minY, int maxX, int maxY);
};
