#pragma once
// The objects of one screen paint sorted into the bands of the picture:
// each band keeps, in drawing order, the objects whose box meets its cull
// rectangle, so that a band's painter walks only its own objects. The
// layer-order pass is sorted on several threads, each taking a run of the
// pass; the runs in turn give the pass's order.

#include "entities/CDrawnEntitySink.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CCommonDoc;
class CDrawDefaults;
class CEntityDrawer;

class CEntityBands final : public CDrawnEntitySink {
public:
    // The view-space cull rectangle of each band.
    explicit CEntityBands(std::vector<RECT> clips);

    // Sorts what the document's screen pass draws within the clip.
    void Collect(CCommonDoc& document, const RECT& clip, const CDrawDefaults& settings,
                 bool partialLayerPass);
    // Files one object behind those of the last run.
    void Add(CRukEntity& entity, const RECT& box, double patternFactor, BOOL drawBlack) override;

    // Draws the band's objects in order.
    void Draw(std::size_t band, const CEntityDrawer& drawer) const;

private:
    // How an object is drawn; a pass has one or two.
    struct Style {
        double patternFactor;
        BOOL drawBlack;
    };
    struct Item {
        CRukEntity* entity;
        std::uint32_t style;
    };
    // Per band the objects of a run of the pass, and the styles they name.
    // A large drawing files an object by the million: sixteen bytes each.
    struct Run {
        std::vector<Style> styles;
        std::vector<std::vector<Item>> bands;
    };

    void File(Run& run, CRukEntity& entity, const RECT& box, double patternFactor,
              BOOL drawBlack) const;
    static std::uint32_t StyleOf(Run& run, double patternFactor, BOOL drawBlack);

    std::vector<RECT> m_clips;
    std::vector<Run> m_runs;
};
