#pragma once
// The cloud markup: a polygon outline drawn as a chain of arcs. Its arc
// size follows the drawing's size; clouds of older files, stored as their
// vertices and separate arcs, get a cloud child rebuilt from them.

#include "markups/CRukMarkPolygon.h"

class CRukMarkCloud : public CRukMarkPolygon {
    DECLARE_SERIAL(CRukMarkCloud)

public:
    CRukMarkCloud();

    void Serialize(CArchive& ar) override;
    void SetGripCursor(int grip) override;
    int SetPoint(int x, int y, int index) override;

protected:
    int OutlineKind() const override;
    CRukEntity* MakeOutline(CMarkupDocument& document) const override;

private:
    // The arc size and bulge of an old cloud from its longest arc: the
    // chord and tan(asin(chord / diameter) / 2). Nothing for a diameter 0.
    struct OldArcs {
        double m_size = 0.0;
        double m_ratio = 0.0;
        const CRukEntity* m_arc = nullptr;
    };
    OldArcs MeasureOldArcs() const;
    // The cloud child of an old body, appended after the children read;
    // null without vertices.
    CRukEntity* RebuildOldCloud();
};
