#pragma once
// Draws a DIMENSION from its own groups where the block that holds its
// picture is missing: its text (group 1, or its measurement where that is
// empty or "<>") centred on the text mid point, and for linear, aligned and
// ordinate dimensions the dimension and extension lines from the definition
// points, with arrowheads of the dimension style's size.

#include "plugins/dxf/CDxfDimension.h"
#include "plugins/dxf/CDxfEntityTag.h"
#include "plugins/dxf/CDxfPen.h"

class CDxfPrimitiveEmitter;
class CDxfTextDecoder;
class CDxfTextEmitter;
class CPorStream;
struct CDxfDimStyle;

class CDxfDimensionDrawer {
public:
    CDxfDimensionDrawer(const CDxfPrimitiveEmitter& emitter, const CDxfTextEmitter& texts,
                        const CDxfTextDecoder& decoder)
        : m_emitter(emitter), m_texts(texts), m_decoder(decoder) {}

    // Points relative to the block base; a null style stands for DXF's
    // own defaults.
    void Draw(const CDxfDimension& dimension, const CDxfDimStyle* style, const CDxfPen& pen,
              const CDxfEntityTag& tag, CPorStream& target) const;

    // The text the dimension shows: group 1 with "<>" standing for the
    // measurement, the measurement alone where group 1 is empty; none where
    // group 1 is a single space or the measurement is wanted and not given.
    static std::string ShownText(const CDxfDimension& dimension);

private:
    void DrawLines(const CDxfDimension& dimension, double arrowSize, const CDxfPen& pen,
                   const CDxfEntityTag& tag, CPorStream& target) const;
    void DrawText(const CDxfDimension& dimension, double height, COLORREF color,
                  const CDxfEntityTag& tag, CPorStream& target) const;

    const CDxfPrimitiveEmitter& m_emitter;
    const CDxfTextEmitter& m_texts;
    const CDxfTextDecoder& m_decoder;
};
