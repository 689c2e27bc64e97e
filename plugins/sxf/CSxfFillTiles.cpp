#include "plugins/sxf/CSxfFillTiles.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <span>
#include <string_view>

namespace {

struct Segment {
    double x1, y1, x2, y2;
};

struct TileStyle {
    const char* name;
    // Added to the tile angle of the frame.
    double angleOffset;
    std::span<const Segment> segments;
};

constexpr Segment Style7[] = {
    {0, 0, 200, 0}, {0, 100, 200, 100}, {100, 100, 100, 200}, {200, 0, 200, 100}};
constexpr Segment Style8[] = {{0, 0, 100, 0},        {100, 100, 100, -100},  {100, 100, 300, 100},
                              {200, 100, 200, -200}, {200, -100, 300, -100}, {300, 100, 300, 0},
                              {300, 0, 400, 0}};

constexpr TileStyle Styles[] = {
    {"sxf_hatch_style_7_symbol", 0, Style7},
    {"sxf_hatch_style_8_symbol", 45, Style8},
};

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

CSxfFillTiles::CSxfFillTiles(int id, const CSxfReader* owner, const SxfFillTilesData& data)
    : CSxfFill(id, owner, data.layer, data.boundaries), m_data(data) {
    m_data.name[sizeof m_data.name - 1] = '\0';
}

std::unique_ptr<CSxfObject> CSxfFillTiles::Clone() const {
    auto copy = std::make_unique<CSxfFillTiles>(GetId(), GetOwner(), m_data);
    copy->ResolveBoundaries(*this);
    return copy;
}

void CSxfFillTiles::Transform(const CSxfSfigLocate& placement) {
    CSxfFill::Transform(placement);
    placement.TurnAngle(m_data.angle);
    placement.TurnAngle(m_data.vector1Angle);
    placement.TurnAngle(m_data.vector2Angle);
    placement.ScalePair(m_data.scaleX, m_data.scaleY);
    placement.ScalePair(m_data.vector1Length);
    placement.ScalePair(m_data.vector2Length);
    // The base point is moved, not turned.
    placement.Translate(m_data.baseX, m_data.baseY);
}

void CSxfFillTiles::SetColour(int code) {
    if (m_data.colour == 0) {
        m_data.colour = code;
    }
    m_loops.SetColour(code);
}

CSxfFill::HatchFill CSxfFillTiles::Fill() const {
    HatchFill fill;
    fill.colour = ColourOf(m_data.colour);
    fill.kind = PorHatch::PatternKind;
    const auto style = std::find_if(std::begin(Styles), std::end(Styles), [&](const TileStyle& t) {
        return std::ranges::equal(std::string_view(t.name), std::string_view(m_data.name), {},
                                  Lower, Lower);
    });
    if (style == std::end(Styles)) {
        return fill;
    }
    const int s = UnitScale();
    fill.kind = PorHatch::TileKind;
    fill.data = {SxfToPor(m_data.baseX, s),
                 SxfToPor(m_data.baseY, s),
                 SxfToPor(m_data.vector1Length, s),
                 SxfToPor(m_data.vector1Angle, s),
                 SxfToPor(m_data.vector2Length, s),
                 SxfToPor(m_data.vector2Angle, s),
                 SxfToPor(m_data.scaleX, s),
                 SxfToPor(m_data.scaleY, s),
                 SxfToPor(m_data.angle + style->angleOffset, s),
                 static_cast<LONG>(style->segments.size())};
    for (const Segment& segment : style->segments) {
        fill.data.insert(fill.data.end(), {SxfToPor(segment.x1, s), SxfToPor(segment.y1, s),
                                           SxfToPor(segment.x2, s), SxfToPor(segment.y2, s)});
    }
    return fill;
}
