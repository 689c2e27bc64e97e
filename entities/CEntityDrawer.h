#pragma once
// Draws each entity handed to it on the screen (DrawA) at one view mapping
// and clip rectangle.

#include "entities/CDrawnEntitySink.h"

class CDC;
class CDrawDefaults;
class CEntityDocument;

class CEntityDrawer final : public CDrawnEntitySink {
public:
    CEntityDrawer(CEntityDocument* document, CDC* dc, const RECT& clip, int originX, int originY,
                  double scale, const CDrawDefaults* settings);

    void Add(CRukEntity& entity, const RECT& box, double patternFactor, BOOL drawBlack) override;
    void Draw(CRukEntity& entity, double patternFactor, BOOL drawBlack) const;

private:
    CEntityDocument* m_document;
    CDC* m_dc;
    const RECT& m_clip;
    int m_originX;
    int m_originY;
    double m_scale;
    const CDrawDefaults* m_settings;
};
