#pragma once
// A block reference (kind 0x200): its record nests the records of its
// children, already placed in drawing coordinates. The children are
// entities of the document like any other and draw themselves through their
// layers; the insert only holds them together.

#include "entities/CChildList.h"
#include "entities/CRukEntity.h"

#include <memory>
#include <vector>

class CRukInsert : public CRukEntity {
    DECLARE_SERIAL(CRukInsert)

public:
    CRukInsert();

    void Serialize(CArchive& ar) override;
    void SetColor(COLORREF color) override;
    void RestoreColor() override;
    void SetFillColor(COLORREF color) override;
    void RestoreFillColor() override;
    void DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                    const RECT& clip) override;
    void DrawForward(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                     const RECT& clip, BOOL boxOnly) override;
    // Builds the children and hands them to the document, which files each
    // under the layer it carries.
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    POSITION GetHeadPosition() const override;
    CRukEntity* GetNext(POSITION& position) const override;
    void CollectShownExtents(CEntityDocument* document, CObList* list, int* minX, int* minY,
                             int* maxX, int* maxY, const CDrawDefaults* settings) override;

    virtual void SetChildCount(int count);

    // Inserts nested deeper than this inside one another build nothing: a
    // block that contains itself would otherwise nest without end.
    static constexpr int kMaxNesting = 64;

    int m_childCount = 0;
    CChildList m_children;

private:
    using Parts = std::vector<std::unique_ptr<CRukEntity>>;

    // Fills the insert from its record at that nesting depth; every entity
    // built on the way goes to parts in the order the document files them:
    // the children of a nested insert ahead of it.
    void Build(const PorRecord& record, CEntityDocument* document, int depth, Parts* parts);
    std::unique_ptr<CRukEntity> BuildChild(const PorRecord& record, CEntityDocument* document,
                                           int depth, Parts* parts) const;
};
