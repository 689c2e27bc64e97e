#pragma once
// Writes a TOLERANCE as framed text cells: its text is cut into cells at
// each "%%v", every cell is read with the MTEXT formatting codes and laid
// out left to right as a text record in a rectangular frame, and the cells
// are turned by the rotation, moved to the insertion point and wrapped in
// one block-reference record. A caret starts a new row of cells under the
// first one.

#include "geometry/Geometry.h"
#include "platform/mfc/CString.h"
#include "plugins/dxf/CDxfEntityTag.h"
#include "plugins/dxf/CDxfPen.h"

#include <string>
#include <string_view>
#include <vector>

class CDxfPrimitiveEmitter;
class CDxfStyleTables;
class CPorStream;

struct CDxfTolerance {
    DPOINT insertion;      // drawing units, relative to the block base
    double rotation = 0.0; // degrees
    CString text;          // CP932, special characters already replaced
    CString dimStyle;      // gives the height of the cells
    CDxfPen pen;           // the frames are drawn continuous and without width
    CDxfEntityTag tag;
};

class CDxfToleranceEmitter {
public:
    // Cells are this many times the dimension style's text height high.
    static constexpr double HeightFactor = 1.5;
    // The height of the cells when the dimension style is unknown.
    static constexpr double DefaultHeight = 0.1;

    CDxfToleranceEmitter(const CDxfPrimitiveEmitter& units, const CDxfStyleTables& tables)
        : m_units(units), m_tables(tables) {}

    // A tolerance without a cell that shows anything writes nothing.
    void WriteTolerance(const CDxfTolerance& tolerance, CPorStream& target) const;

    // The non-empty pieces of the text between its "%%v" marks.
    static std::vector<std::string> Cells(std::string_view text);

private:
    double CellHeight(const CString& dimStyle) const;

    const CDxfPrimitiveEmitter& m_units;
    const CDxfStyleTables& m_tables;
};
