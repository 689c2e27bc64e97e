#include "plugins/dxf/CDxfToleranceEmitter.h"

#include "platform/mfc/Cp932.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfText.h"
#include "plugins/dxf/CDxfTextEmitter.h"
#include "plugins/dxf/CDxfTextLineReader.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/CPorTransform.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

namespace {

constexpr std::string_view CellMark = "%%v";

// A caret and the character after it (the "^J" of a new row) leave only the
// caret, which steps the pen down when the cell is read.
std::string WithoutCaretTargets(std::string_view cell) {
    std::string kept;
    for (std::size_t i = 0; i < cell.size();) {
        const auto length = static_cast<std::size_t>(Cp932::CharLength(cell, i));
        kept.append(cell.substr(i, length));
        i += length;
        if (cell[i - length] == '^' && i < cell.size()) {
            i += static_cast<std::size_t>(Cp932::CharLength(cell, i));
        }
    }
    return kept;
}

} // namespace

std::vector<std::string> CDxfToleranceEmitter::Cells(std::string_view text) {
    std::vector<std::string> cells;
    while (!text.empty()) {
        const std::size_t mark = text.find(CellMark);
        if (mark != 0) {
            cells.emplace_back(text.substr(0, mark));
        }
        if (mark == std::string_view::npos) {
            break;
        }
        text.remove_prefix(mark + CellMark.size());
    }
    return cells;
}

double CDxfToleranceEmitter::CellHeight(const CString& dimStyle) const {
    const CDxfDimStyle* style = m_tables.FindDimStyle(dimStyle.view());
    return style ? HeightFactor * style->textHeight : DefaultHeight;
}

void CDxfToleranceEmitter::WriteTolerance(const CDxfTolerance& tolerance,
                                          CPorStream& target) const {
    const double h = CellHeight(tolerance.dimStyle);
    CDxfText cellText;
    cellText.height = h;
    cellText.color = tolerance.pen.color;
    cellText.layer = tolerance.tag.layer;
    cellText.id = tolerance.tag.handle;
    const CDxfPen frame{1, tolerance.pen.lineTypeScale, 0, tolerance.pen.color};

    CPorStream local;
    double x = 0.0;
    double y = 0.0;
    CDxfTextLineReader reader(cellText, y);
    for (const std::string& cell : Cells(tolerance.text.view())) {
        const double row = y;
        const CDxfLaidLine laid = reader.Read(WithoutCaretTargets(cell));
        if (y != row) {
            x = 0.0;
        }
        if (laid.text.empty()) {
            continue;
        }
        const double right = x + static_cast<double>(laid.text.size()) * h;
        const DPOINT corners[] = {
            {x, y + h / 2}, {right, y + h / 2}, {right, y - h / 2}, {x, y - h / 2}};
        const POINT upperLeft = m_units.ToUnits(corners[0]);
        const POINT lowerRight = m_units.ToUnits(corners[2]);
        local.AppendRecord(
            CDxfTextEmitter::LineRecord(cellText, laid, upperLeft, lowerRight, m_units.Scale()));
        local.ExtendBounds(upperLeft.x, upperLeft.y);
        local.ExtendBounds(lowerRight.x, lowerRight.y);
        m_units.WritePolyline(corners, 1, frame, tolerance.tag, false, local, 0);
        x = right;
    }
    if (local.RecordCount() == 0) {
        return;
    }

    const double s = m_units.Scale();
    const CPorTransform place(s * tolerance.insertion.x, s * tolerance.insertion.y, 1.0, 1.0,
                              tolerance.rotation, m_units.Scale());
    PorRecordBuilder insert(PorInsert::Type);
    insert.Append(PorInsert::Children, local.Transform(place));
    insert.Set(PorInsert::Id, tolerance.tag.handle);
    insert.Set(PorInsert::Layer, tolerance.tag.layer);
    target.AppendRecord(insert);
    target.ExtendBounds(local.Bounds(), place);
}
