#pragma once
// The SXF "TEXT" feature, and the texts of dimensions, labels and balloons:
// POR text records, one for the whole string, or one per character when the
// string has a character spacing. "\U+hhhh" escapes become their CP932
// characters.

#include "plugins/sxf/CSxfFeature.h"

#include <array>
#include <string>

class CSxfText : public CSxfFeature {
public:
    // Copies the text, resolves its escapes and computes its box. A text has
    // no line type and no width of its own: their codes are 0.
    CSxfText(int id, const CSxfReader* owner, const SxfTextData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;

    // "\U+" and exactly four hexadecimal digits, at a character's start, as
    // the CP932 character of that code; a code CP932 lacks gives nothing.
    static std::string ResolveUnicodeEscapes(std::string_view text);

    const SxfTextBlock& Block() const { return m_block; }
    // Corners 1 to 4 in millimetres: the box from the alignment point, turned
    // about it by the angle.
    const std::array<double, 4>& CornersX() const { return m_cornersX; }
    const std::array<double, 4>& CornersY() const { return m_cornersY; }

private:
    void ComputeBox();

    SxfTextBlock m_block;
    std::array<double, 4> m_cornersX{};
    std::array<double, 4> m_cornersY{};
};
