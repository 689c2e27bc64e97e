#include "app/CEntityBands.h"

#include "app/CCommonDoc.h"
#include "entities/CEntityDrawer.h"
#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <numeric>
#include <optional>
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
    // Where each run of the pass starts: the list nodes only, so that the
    // objects themselves are first read on the threads.
    struct Start {
        std::size_t layer;
        POSITION position;
    };
    std::vector<const CRukLayer*> shown;
    std::vector<Start> starts;
    std::size_t count = 0;
    for (const CRukLayer* layer : *layers) {
        if (layer->m_visible == 0)
            continue;
        for (POSITION position = layer->m_entities.GetHeadPosition(); position; ++count) {
            if (count % kRunLength == 0)
                starts.push_back(Start{shown.size(), position});
            layer->m_entities.GetNext(position);
        }
        shown.push_back(layer);
    }
    const std::size_t runs = std::max<std::size_t>(1, starts.size());
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
        if (starts.empty())
            return;
        std::size_t layer = starts[index].layer;
        POSITION position = starts[index].position;
        for (std::size_t taken = 0; taken < kRunLength; ++taken) {
            while (!position && ++layer < shown.size())
                position = shown[layer]->m_entities.GetHeadPosition();
            if (!position)
                return;
            auto* entity = static_cast<CRukEntity*>(shown[layer]->m_entities.GetNext(position));
            RECT box;
            double entityFactor = 0.0;
            BOOL drawBlack = FALSE;
            if (entity &&
                shown[layer]->TakesEntity(&document, *entity, clip, originX, originY, scale, factor,
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
    std::optional<std::uint32_t> style;
    for (std::size_t band = 0; band < m_clips.size(); ++band) {
        if (CRukLayer::BoxMeetsClip(box, m_clips[band])) {
            if (!style)
                style = StyleOf(run, patternFactor, drawBlack);
            run.bands[band].push_back(Item{&entity, *style});
        }
    }
}

std::uint32_t CEntityBands::StyleOf(Run& run, double patternFactor, BOOL drawBlack) {
    for (std::size_t i = 0; i < run.styles.size(); ++i) {
        if (run.styles[i].patternFactor == patternFactor && run.styles[i].drawBlack == drawBlack)
            return static_cast<std::uint32_t>(i);
    }
    run.styles.push_back(Style{patternFactor, drawBlack});
    return static_cast<std::uint32_t>(run.styles.size() - 1);
}

void CEntityBands::Draw(std::size_t band, const CEntityDrawer& drawer) const {
    for (const Run& run : m_runs) {
        for (const Item& item : run.bands[band]) {
            const Style& style = run.styles[item.style];
            drawer.Draw(*item.entity, style.patternFactor, style.drawBlack);
        }
    }
}
