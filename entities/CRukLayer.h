#pragma once
// A named layer: its visible flag and the entities filed under it, with the
// document's three passes that draw them layer by layer. The list refers to
// entities the document owns; it never deletes them and is not archived.

#include "platform/mfc/CObList.h"
#include "platform/mfc/CObject.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CDC;
class CDrawDefaults;
class CDrawnEntitySink;
class CEntityDocument;
class CRukEntity;

class CRukLayer : public CObject {
    DECLARE_SERIAL(CRukLayer)

public:
    CRukLayer() = default;

    // The name, then the visible flag.
    void Serialize(CArchive& ar) override;

    POSITION GetHeadPosition() const { return m_entities.GetHeadPosition(); }

    // Screen and metafile drawing (DrawA) of the entities whose device
    // rectangle meets the clip rectangle, in the display colour mode.
    void DrawEntities(CEntityDocument* document, CDC* dc, const RECT& clip, int originX,
                      int originY, double scale, double patternFactor,
                      const CDrawDefaults* settings);
    // The entities DrawEntities draws, in its order, handed to the sink
    // instead of drawn.
    void CollectEntities(CEntityDocument* document, const RECT& clip, int originX, int originY,
                         double scale, double patternFactor, const CDrawDefaults* settings,
                         CDrawnEntitySink& sink);
    // The test CollectEntities makes of one of the layer's entities: false
    // for one it leaves out, else the entity's box, dash factor and
    // draw-black flag. It changes nothing, so threads may share the walk.
    bool TakesEntity(const CEntityDocument* document, const CRukEntity& entity, const RECT& clip,
                     int originX, int originY, double scale, double patternFactor,
                     const CDrawDefaults* settings, RECT* box, double* entityFactor,
                     BOOL* drawBlack) const;
    // Printing in printer units (DrawB) of every entity, in the print colour
    // mode; the rectangle is not used.
    void DrawEntitiesFiltered(CEntityDocument* document, CDC* dc, const RECT& unused,
                              int unitDivisor, double scale, double patternFactor,
                              const CDrawDefaults* settings);
    // Styled output (DrawStyled) of the entities that meet the clip
    // rectangle, in the print colour mode.
    void DrawEntitiesClipped(CEntityDocument* document, CDC* dc, const RECT& clip, int originX,
                             int originY, double scale, double patternFactor,
                             const CDrawDefaults* settings);

    // The entity's device box grown by one unit meets the clip rectangle.
    static bool MeetsClip(const CRukEntity& entity, const RECT& clip, int originX, int originY,
                          double scale);
    // The same for a device box already taken.
    static bool BoxMeetsClip(const RECT& box, const RECT& clip);

    CObList m_entities{10};
    CString m_name;
    int m_visible = 1;
    // Colour mode 3 draws the entities of a layer with this flag black.
    int m_monochrome = 0;

private:
    // Draw-black for the entity in a colour mode: the mode that makes
    // everything black, 2 all but redline objects, 3 by this layer's flag.
    BOOL DrawsBlack(const CRukEntity& entity, int mode, int allBlackMode) const;
    static double PatternFactorOf(const CRukEntity& entity, const CEntityDocument* document,
                                  double patternFactor);
};
