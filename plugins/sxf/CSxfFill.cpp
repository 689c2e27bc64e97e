#include "plugins/sxf/CSxfFill.h"

#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

void CSxfFill::Transform(const CSxfSfigLocate& placement) {
    m_loops.Transform(placement);
}

void CSxfFill::SetLayer(int code) {
    if (code != 0) {
        m_layer = code;
        m_loops.SetLayer(code);
    }
}

void CSxfFill::ResolveBoundaries(const CSxfFill& from) {
    m_layer = from.m_layer;
    m_loops.Resolve(GetOwner(), m_ids, m_layer);
}

std::size_t CSxfFill::PointCount() const {
    std::size_t points = 0;
    for (const auto& boundary : m_loops.Boundaries()) {
        for (const auto& curve : boundary.curves) {
            points += 1 + curve->PointCount();
        }
    }
    return points;
}

COLORREF CSxfFill::ColourOf(int code) const {
    return GetOwner() ? GetOwner()->Colour(code) : COLORREF{0};
}

int CSxfFill::WritePOR(PorBlockWriter& stream) const {
    const HatchFill fill = Fill();
    const std::vector<LONG> blocks = m_loops.Blocks();
    PorRecordBuilder record(PorHatch::Type);
    record.Set(PorHatch::Color, fill.colour);
    record.Set(PorHatch::Kind, fill.kind);
    record.Set(PorHatch::PatternCount, fill.patternCount);
    record.Set(PorHatch::LoopCount, static_cast<LONG>(m_loops.Boundaries().size()));
    record.AppendLongs(blocks);
    if (!fill.data.empty()) {
        record.Set(PorHatch::FillSize, static_cast<LONG>(fill.data.size() * PorWordSize));
        record.Set(PorHatch::FillOffset, static_cast<LONG>(record.Size()));
        record.AppendLongs(fill.data);
    }
    record.Set(PorHatch::Layer, LayerName());
    if (fill.padded) {
        record.PadTo(SxfPadded(record.Size()));
    }
    stream.Append(record);
    m_loops.WriteShown(stream);
    return 1;
}
