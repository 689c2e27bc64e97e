#include "app/CEntityBands.h"

#include "app/CCommonDoc.h"
#include "entities/CEntityDrawer.h"
#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

// Objects per run of the pass: runs enough to keep every thread busy, big
// enough that starting one costs little beside it.
constexpr std::size_t kRunLength = 16384;

} // namespace

CEntityBands::CEntityBands(std::vector<RECT> clips) : m_clips(std::move(clips)) {}

void CEntityBands::Collect(CCommonDoc& document, const RECT& clip, const CDrawDefaults& settings,
                           bool partialLayerPass) {
    m_runs.clear();
    const auto layers = document.LayersOfPass(settings, partialLayerPass);
    if (!layers) {
        m_runs.emplace_back().bands.resize(m_clips.size());
        document.CollectEntities(clip, settings, partialLayerPass, *this);
        return;
    }
    // The pass's objects with their layers, in order: the list nodes only,
    // so that the objects themselves are first read on the threads.
    std::vector<std::pair<const CRukLayer*, CRukEntity*>> pass;
    for (const CRukLayer* layer : *layers) {
        if (layer->m_visible == 0)
            continue;
        for (POSITION position = layer->m_entities.GetHeadPosition(); position;)
            if (auto* entity = static_cast<CRukEntity*>(layer->m_entities.GetNext(position)))
                pass.emplace_back(layer, entity);
    }
    const std::size_t runs = std::max<std::size_t>(1, (pass.size() + kRunLength - 1) / kRunLength);
    m_runs.resize(runs);
    std::vector<std::size_t> order(runs);
    std::iota(order.begin(), order.end(), std::size_t{0});
    const int originX = document.m_extent.m_minX;
    const int originY = document.m_extent.m_minY;
    const double scale = document.m_scaleX;
    const double factor = document.EntityPatternFactor();
    QtConcurrent::blockingMap(order, [&](std::size_t index) {
        Run& run = m_runs[index];
        run.bands.resize(m_clips.size());
        const std::size_t end = std::min(pass.size(), (index + 1) * kRunLength);
        for (std::size_t i = index * kRunLength; i < end; ++i) {
            const auto [layer, entity] = pass[i];
            RECT box;
            double entityFactor = 0.0;
            BOOL drawBlack = FALSE;
            if (layer->TakesEntity(&document, *entity, clip, originX, originY, scale, factor,
                                   &settings, &box, &entityFactor, &drawBlack))
                File(run, *entity, box, entityFactor, drawBlack);
        }
    });
}

void CEntityBands::Add(CRukEntity& entity, const RECT& box, double patternFactor, BOOL drawBlack) {
    File(m_runs.back(), entity, box, patternFactor, drawBlack);
}

void CEntityBands::File(Run& run, CRukEntity& entity, const RECT& box, double patternFactor,
                        BOOL drawBlack) const {
    const auto index = static_cast<std::uint32_t>(run.entries.size());
    bool kept = false;
    for (std::size_t band = 0; band < m_clips.size(); ++band) {
        if (CRukLayer::BoxMeetsClip(box, m_clips[band])) {
            run.bands[band].push_back(index);
            kept = true;
        }
    }
    if (kept)
        run.entries.push_back(Entry{&entity, patternFactor, drawBlack});
}

void CEntityBands::Draw(std::size_t band, const CEntityDrawer& drawer) const {
    for (const Run& run : m_runs) {
        for (const std::uint32_t index : run.bands[band]) {
            const Entry& entry = run.entries[index];
            drawer.Draw(*entry.entity, entry.patternFactor, entry.drawBlack);
        }
    }
}
