#pragma once
// A feature with the four style codes of the SXF tables: layer, colour,
// line type and width. A placement's colour reaches only features without
// an explicit one; its layer, when it names one, reaches every feature.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfFeature : public CSxfObject {
public:
    CSxfFeature() = default;
    CSxfFeature(int id, const CSxfReader* owner, const SxfStyleCodes& codes)
        : CSxfObject(id, owner), m_codes(codes) {}

    void SetColour(int code) override;
    int GetColour() const override { return m_codes.colour; }
    void SetLayer(int code) override;
    int GetLayer() const override { return m_codes.layer; }
    int GetLineType() const override { return m_codes.lineType; }
    int GetWidth() const override { return m_codes.width; }

    const SxfStyleCodes& Codes() const { return m_codes; }
    void SetCodes(const SxfStyleCodes& codes) { m_codes = codes; }

protected:
    void StoreWidth(int code) { m_codes.width = code; }

private:
    SxfStyleCodes m_codes{};
};
