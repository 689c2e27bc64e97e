#pragma once
// The SXF "FILL_AREA_STYLE_HATCHING" feature: up to four families of
// parallel lines, each with its colour, line type, width, base point,
// spacing and angle. A file that gives more lines keeps its first four.

#include "plugins/sxf/CSxfFill.h"

class CSxfFillHatching : public CSxfFill {
public:
    CSxfFillHatching(int id, const CSxfReader* owner, const SxfFillHatchingData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    // Each line without a colour of its own takes it.
    void SetColour(int code) override;

    int LineCount() const { return m_lineCount; }
    const SxfHatchLine& Line(int i) const { return m_data.lines[i]; }

protected:
    HatchFill Fill() const override;

private:
    SxfFillHatchingData m_data;
    int m_lineCount;
};
