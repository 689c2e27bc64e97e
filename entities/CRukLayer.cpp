#include "entities/CRukLayer.h"

#include "entities/CDashRules.h"
#include "entities/CDrawnEntitySink.h"
#include "entities/CEntityDocument.h"
#include "entities/CEntityDrawer.h"
#include "entities/CRukEntity.h"
#include "platform/mfc/CArchive.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <cstdint>
#include <limits>

IMPLEMENT_SERIAL(CRukLayer, CObject, 0)

namespace {

// Child flags of the entities a cut-out took over: its outline and holes.
constexpr int kCutOutline = 3;
constexpr int kCutHole = 4;

constexpr int kScreenAllBlack = 1;
constexpr int kPrintAllBlack = 0;
constexpr int kBlackButRedlines = 2;
constexpr int kBlackByLayer = 3;

// How many entities ahead of the one drawn are fetched into the cache.
constexpr int kFetchAhead = 8;

} // namespace

void CRukLayer::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_name << m_visible;
    else
        ar >> m_name >> m_visible;
}

BOOL CRukLayer::DrawsBlack(const CRukEntity& entity, int mode, int allBlackMode) const {
    if (mode == allBlackMode)
        return TRUE;
    if (mode == kBlackButRedlines)
        return entity.m_redline == 0 ? TRUE : FALSE;
    if (mode == kBlackByLayer)
        return m_monochrome != 0 ? TRUE : FALSE;
    return FALSE;
}

bool CRukLayer::MeetsClip(const CRukEntity& entity, const RECT& clip, int originX, int originY,
                          double scale) {
    RECT box;
    entity.GetDeviceRectEx(&box, originX, originY, scale);
    return BoxMeetsClip(box, clip);
}

bool CRukLayer::BoxMeetsClip(const RECT& box, const RECT& clip) {
    // The box grown by one unit (saturating) shares an area with the clip;
    // spelled out, as it runs for every entity of every paint.
    const auto grown = [](LONG edge, int by) {
        return std::clamp<std::int64_t>(std::int64_t{edge} + by, std::numeric_limits<LONG>::min(),
                                        std::numeric_limits<LONG>::max());
    };
    return std::max<std::int64_t>(grown(box.left, -1), clip.left) <
               std::min<std::int64_t>(grown(box.right, 1), clip.right) &&
           std::max<std::int64_t>(grown(box.top, -1), clip.top) <
               std::min<std::int64_t>(grown(box.bottom, 1), clip.bottom);
}

double CRukLayer::PatternFactorOf(const CRukEntity& entity, const CEntityDocument* document,
                                  double patternFactor) {
    // Redline objects that do not follow the drawing's scale take the fixed factor.
    if (entity.m_redline && document->m_scaleMarkups == 0)
        return CDashRules::PatternFactor(document->m_scale, document->m_scaleMode, 0);
    return patternFactor;
}

void CRukLayer::DrawEntities(CEntityDocument* document, CDC* dc, const RECT& clip, int originX,
                             int originY, double scale, double patternFactor,
                             const CDrawDefaults* settings) {
    CEntityDrawer drawing(document, dc, clip, originX, originY, scale, settings);
    CollectEntities(document, clip, originX, originY, scale, patternFactor, settings, drawing);
}

void CRukLayer::CollectEntities(CEntityDocument* document, const RECT& clip, int originX,
                                int originY, double scale, double patternFactor,
                                const CDrawDefaults* settings, CDrawnEntitySink& sink) {
    if (m_visible == 0)
        return;
    // A large layer's entities lie scattered in memory: each is fetched a few
    // entities before its turn, so that the wait overlaps the drawing.
    POSITION ahead = m_entities.GetHeadPosition();
    for (int i = 0; i < kFetchAhead && ahead; ++i)
        __builtin_prefetch(m_entities.GetNext(ahead));
    for (POSITION position = m_entities.GetHeadPosition(); position;) {
        if (ahead)
            __builtin_prefetch(m_entities.GetNext(ahead));
        auto* entity = static_cast<CRukEntity*>(m_entities.GetNext(position));
        RECT box;
        double entityFactor = 0.0;
        BOOL drawBlack = FALSE;
        if (entity && TakesEntity(document, *entity, clip, originX, originY, scale, patternFactor,
                                  settings, &box, &entityFactor, &drawBlack))
            sink.Add(*entity, box, entityFactor, drawBlack);
    }
}

bool CRukLayer::TakesEntity(const CEntityDocument* document, const CRukEntity& entity,
                            const RECT& clip, int originX, int originY, double scale,
                            double patternFactor, const CDrawDefaults* settings, RECT* box,
                            double* entityFactor, BOOL* drawBlack) const {
    // The box test first: it reads only the start of the entity.
    entity.GetDeviceRectEx(box, originX, originY, scale);
    if (!BoxMeetsClip(*box, clip))
        return false;
    if (entity.m_childFlag == kCutOutline || entity.m_childFlag == kCutHole)
        return false;
    if (entity.IsVisible() != 1 || (entity.m_redline && settings->m_showRedlines == 0))
        return false;
    *entityFactor = PatternFactorOf(entity, document, patternFactor);
    *drawBlack = DrawsBlack(entity, settings->m_mono, kScreenAllBlack);
    return true;
}

void CRukLayer::DrawEntitiesFiltered(CEntityDocument* document, CDC* dc, const RECT&,
                                     int unitDivisor, double scale, double patternFactor,
                                     const CDrawDefaults* settings) {
    if (m_visible == 0)
        return;
    for (POSITION position = m_entities.GetHeadPosition(); position;) {
        auto* entity = static_cast<CRukEntity*>(m_entities.GetNext(position));
        if (!entity || entity->IsVisible() != 1)
            continue;
        entity->DrawB(document, dc, unitDivisor, scale,
                      PatternFactorOf(*entity, document, patternFactor), settings,
                      DrawsBlack(*entity, settings->m_printColorMode, kPrintAllBlack));
    }
}

void CRukLayer::DrawEntitiesClipped(CEntityDocument* document, CDC* dc, const RECT& clip,
                                    int originX, int originY, double scale, double patternFactor,
                                    const CDrawDefaults* settings) {
    if (m_visible == 0)
        return;
    for (POSITION position = m_entities.GetHeadPosition(); position;) {
        auto* entity = static_cast<CRukEntity*>(m_entities.GetNext(position));
        if (!entity || !MeetsClip(*entity, clip, originX, originY, scale) ||
            entity->IsVisible() != 1)
            continue;
        entity->DrawStyled(document, dc, originX, originY, scale,
                           PatternFactorOf(*entity, document, patternFactor), settings,
                           DrawsBlack(*entity, settings->m_printColorMode, kPrintAllBlack), clip);
    }
}
