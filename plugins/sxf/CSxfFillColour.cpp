#include "plugins/sxf/CSxfFillColour.h"

#include "por/PorRecords.h"

std::unique_ptr<CSxfObject> CSxfFillColour::Clone() const {
    auto copy = std::make_unique<CSxfFillColour>(GetId(), GetOwner(), m_data);
    copy->ResolveBoundaries(*this);
    return copy;
}

void CSxfFillColour::SetColour(int code) {
    if (m_data.colour == 0) {
        m_data.colour = code;
    }
    m_loops.SetColour(code);
}

CSxfFill::HatchFill CSxfFillColour::Fill() const {
    HatchFill fill;
    fill.kind = PorHatch::SolidKind;
    fill.colour = ColourOf(m_data.colour);
    fill.padded = false;
    return fill;
}
