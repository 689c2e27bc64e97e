#include "entities/CLineType.h"

#include "geometry/Geometry.h"
#include "platform/mfc/CArchive.h"

#include <algorithm>

IMPLEMENT_SERIAL(CLineType, CObject, 0)

void CLineType::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(m_id) << static_cast<LONG>(m_dashes.size());
        for (double dash : m_dashes)
            ar << static_cast<LONG>(TruncInt(dash * 10000.0));
        return;
    }
    LONG id = 0;
    LONG count = 0;
    ar >> id >> count;
    m_id = id;
    m_dashes.clear();
    // The count comes from the file: values are taken as they arrive, so a
    // corrupt count ends at the end of the data instead of a huge allocation.
    m_dashes.reserve(static_cast<std::size_t>(std::clamp<LONG>(count, 0, 64)));
    for (LONG i = 0; i < count; ++i) {
        LONG value = 0;
        ar >> value;
        m_dashes.push_back(value * 0.0001);
    }
}
