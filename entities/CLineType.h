#pragma once
// A drawing's own line type: its number and dash pattern (positive dash,
// negative gap, 0 dot, in drawing lengths).

#include "platform/mfc/CObject.h"

#include <vector>

class CLineType : public CObject {
    DECLARE_SERIAL(CLineType)

public:
    CLineType() = default;

    void Serialize(CArchive& ar) override;

    int m_id = 0;
    std::vector<double> m_dashes;

    int GetCount() const { return static_cast<int>(m_dashes.size()); }
};
