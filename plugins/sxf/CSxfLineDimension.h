#pragma once
// The dimensions drawn along one dimension line (linear, radius and
// diameter): their text, the line, then an arrowhead at each end that has
// one whose placement code is not 0. An arrowhead's direction follows its
// own code: 1 points away from the other end, 2 towards it.

#include "plugins/sxf/CSxfAnnotation.h"

#include <optional>

class CSxfLineDimension : public CSxfAnnotation {
public:
    // The direction of the arrowhead at the line's start (0) or end (1) in
    // degrees; 0 for an end without one.
    double ArrowAngle(std::size_t end) const { return m_arrows[end].angle; }

protected:
    struct Line {
        double startX, startY, endX, endY;
    };

    CSxfLineDimension(int id, const CSxfReader* owner, const SxfStyleCodes& codes, Line line,
                      std::optional<SxfArrowData> startArrow, std::optional<SxfArrowData> endArrow,
                      int textFlag, const SxfTextBlock& text);

    void MakeParts() override;
    // Parts drawn after the dimension line.
    virtual void MakeMoreParts() {}
    void TransformOwn(const CSxfSfigLocate& placement) override;
    void WriteArrows(PorBlockWriter& stream) const override;

private:
    struct EndArrow {
        SxfArrowData arrow{};
        double angle = 0;
    };

    Line m_line;
    // Start and end; an end without an arrowhead has placement code 0.
    EndArrow m_arrows[2];
    int m_textFlag;
    SxfTextBlock m_text;
};
