#include "plugins/sxf/CSxfExternalHatch.h"

std::unique_ptr<CSxfObject> CSxfExternalHatch::Clone() const {
    auto copy = std::make_unique<CSxfExternalHatch>(GetId(), GetOwner(), m_data);
    copy->ResolveBoundaries(*this);
    return copy;
}

int CSxfExternalHatch::WritePOR(PorBlockWriter& stream) const {
    m_loops.WriteShown(stream);
    return 1;
}
