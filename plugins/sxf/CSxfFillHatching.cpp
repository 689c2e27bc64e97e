#include "plugins/sxf/CSxfFillHatching.h"

#include "plugins/sxf/CSxfLineTypeTable.h"
#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ContinuousLineType = 1;

} // namespace

CSxfFillHatching::CSxfFillHatching(int id, const CSxfReader* owner, const SxfFillHatchingData& data)
    : CSxfFill(id, owner, data.layer, data.boundaries), m_data(data),
      m_lineCount(std::clamp(data.count, 0, SxfMaxHatchLines)) {}

std::unique_ptr<CSxfObject> CSxfFillHatching::Clone() const {
    auto copy = std::make_unique<CSxfFillHatching>(GetId(), GetOwner(), m_data);
    copy->ResolveBoundaries(*this);
    return copy;
}

void CSxfFillHatching::Transform(const CSxfSfigLocate& placement) {
    CSxfFill::Transform(placement);
    for (int i = 0; i < m_lineCount; ++i) {
        SxfHatchLine& line = m_data.lines[i];
        // The base point is scaled and moved, not turned.
        placement.TurnAngle(line.angle);
        placement.ScalePair(line.baseX, line.baseY);
        placement.ScalePair(line.spacing);
        placement.Translate(line.baseX, line.baseY);
    }
}

void CSxfFillHatching::SetColour(int code) {
    for (SxfHatchLine& line : m_data.lines) {
        if (line.colour == 0) {
            line.colour = code;
        }
    }
    m_loops.SetColour(code);
}

CSxfFill::HatchFill CSxfFillHatching::Fill() const {
    const int s = UnitScale();
    HatchFill fill;
    fill.kind = PorHatch::PatternKind;
    fill.colour = ColourOf(m_data.lines[0].colour);
    fill.patternCount = m_lineCount;
    for (int i = 0; i < m_lineCount; ++i) {
        const SxfHatchLine& line = m_data.lines[i];
        const double t = line.angle * SxfRadiansPerDegree;
        const double width = GetOwner() ? GetOwner()->LineWidth(line.width) : 0.0;
        fill.data.push_back(SxfToPor(line.angle * 100 + 0.5, 1));
        fill.data.push_back(SxfToPor(line.baseX, s));
        fill.data.push_back(SxfToPor(line.baseY, s));
        fill.data.push_back(SxfToPor(s * (-line.spacing * std::sin(t)), 1));
        fill.data.push_back(SxfToPor(line.spacing * std::cos(t), s));
        fill.data.push_back(SxfToPor(width, 100));
        fill.data.push_back(static_cast<LONG>(ColourOf(line.colour)));
        // Dashes positive, gaps negative; a continuous line has none.
        const bool dashed = GetOwner() && line.lineType != ContinuousLineType &&
                            line.lineType >= 1 && line.lineType <= CSxfLineTypeTable::Slots;
        const CSxfLineTypeTable::Entry none;
        const CSxfLineTypeTable::Entry& entry =
            dashed ? GetOwner()->LineTypes().At(line.lineType) : none;
        fill.data.push_back(entry.count);
        for (int k = 0; k < entry.count; ++k) {
            const LONG value = std::abs(SxfToPor(entry.values[static_cast<std::size_t>(k)], s));
            fill.data.push_back(k % 2 == 0 ? value : -value);
        }
    }
    return fill;
}
