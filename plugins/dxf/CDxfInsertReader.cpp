#include "plugins/dxf/CDxfInsertReader.h"

#include "plugins/dxf/CDxfDimStyle.h"
#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfInsertEmitter.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/DxfFieldTable.h"
#include "plugins/dxf/DxfGeometry.h"
#include "plugins/dxf/DxfNumber.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Leader creation flag of a leader without annotation.
constexpr int NoAnnotation = 3;

// The style variables a leader's extended data may override.
constexpr int ArrowSizeVariable = 41;
constexpr int TextAboveVariable = 77;
constexpr int ArrowBlockVariable = 341;

struct LeaderValues {
    CDxfEntityGroups groups;
    std::vector<DPOINT> vertices;
    int arrowhead = 1;
    int creation = NoAnnotation;
    double arrowSize = 0.0;
    double hook = 0.0;
    int textAbove = 0;
    CString arrowBlock;
    const CDxfDimStyle* dimStyle = nullptr;
};

// The groups of INSERT and LEADER kept as they are; the common ones go to
// the entity's groups, the others are read by hand. Array groups (44, 45,
// 70, 71) are not read: a multiple insertion places its block once.
constexpr DxfField<CDxfPendingInsert> InsertFields[] = {
    {2, &CDxfPendingInsert::blockName},
    {41, &CDxfPendingInsert::xScale},
    {42, &CDxfPendingInsert::yScale},
    {50, &CDxfPendingInsert::rotation},
};
constexpr DxfField<LeaderValues> LeaderFields[] = {
    {41, &LeaderValues::hook},
    {71, &LeaderValues::arrowhead},
    {73, &LeaderValues::creation},
};

// The DSTYLE overrides of a leader's extended data: pairs of a 1070 naming
// a style variable and the group that gives its value.
class LeaderOverrides {
public:
    void Take(const CDxfGroup& group, LeaderValues& values) {
        if (group.code == 1000) {
            m_open = group.value == "DSTYLE";
            m_inPairs = false;
            m_awaited = 0;
            return;
        }
        if (group.code == 1002) {
            m_inPairs = m_open && group.value == "{";
            m_awaited = 0;
            return;
        }
        if (!m_inPairs) {
            return;
        }
        if (m_awaited == ArrowSizeVariable && group.code == 1040) {
            values.arrowSize = DxfToDouble(group.value);
        } else if (m_awaited == ArrowBlockVariable && group.code == 1005) {
            values.arrowBlock = CString(group.value);
        } else if (m_awaited == TextAboveVariable && group.code == 1070) {
            values.textAbove = DxfToInt(group.value);
        } else if (group.code == 1070) {
            m_awaited = DxfToInt(group.value);
            return;
        }
        m_awaited = 0;
    }

private:
    bool m_open = false;
    bool m_inPairs = false;
    int m_awaited = 0;
};

} // namespace

void CDxfInsertReader::Insert(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    CDxfPendingInsert insert;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (!TakeField<CDxfPendingInsert>(InsertFields, group, m_decoder, insert)) {
            groups.Take(group, m_decoder);
        }
    }
    insert.x = groups.points[0].x - base.x;
    insert.y = groups.points[0].y - base.y;
    insert.lineType = m_style.LineType(groups);
    insert.color = m_style.Color(groups);
    m_inserts.WriteInsert(insert, groups.layer, groups.handle, target);
}

void CDxfInsertReader::Dimension(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    CDxfPendingInsert insert;
    CDxfDimension dimension;
    const CDxfDimStyle* dimStyle = nullptr;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        const int code = group.code;
        if (code == 1) {
            dimension.text = group.value;
        } else if (code == 2) {
            insert.blockName = m_decoder.Decode(group.value);
        } else if (code == 3) {
            dimStyle = m_tables.FindDimStyle(m_decoder.Decode(group.value).view());
        } else if (code == 42) {
            dimension.measurement = DxfToDouble(group.value);
        } else if (code >= 14 && code <= 16) {
            dimension.points[static_cast<std::size_t>(code - 10)].x = DxfToDouble(group.value);
        } else if (code >= 24 && code <= 26) {
            dimension.points[static_cast<std::size_t>(code - 20)].y = DxfToDouble(group.value);
        } else {
            groups.Take(group, m_decoder);
        }
    }
    insert.lineType = m_style.LineType(groups);
    insert.color = dimStyle && dimStyle->lineColor != PorByLayerColor ? dimStyle->lineColor
                                                                      : m_style.Color(groups);
    // Many writers leave the dimension's block out: the dimension is drawn
    // from its own groups then. In a BLOCK the blocks are not all read yet:
    // the reference waits with that drawing, for a block found missing.
    const bool inBlock = target.IsBlock() && !insert.blockName.IsEmpty();
    if (inBlock || m_inserts.HasBlock(insert.blockName.view())) {
        if (inBlock) {
            auto own = std::make_shared<CPorStream>();
            DrawOwn(dimension, groups, dimStyle, insert.color, base, *own);
            insert.missingBlockDrawing = std::move(own);
        }
        insert.x = groups.points[2].x - base.x;
        insert.y = groups.points[2].y - base.y;
        m_inserts.WriteInsert(insert, groups.layer, groups.handle, target);
        return;
    }
    DrawOwn(dimension, groups, dimStyle, insert.color, base, target);
}

void CDxfInsertReader::DrawOwn(CDxfDimension dimension, const CDxfEntityGroups& groups,
                               const CDxfDimStyle* dimStyle, COLORREF color, const DPOINT& base,
                               CPorStream& target) {
    std::copy(groups.points.begin(), groups.points.end(), dimension.points.begin());
    for (DPOINT& point : dimension.points) {
        point = {point.x - base.x, point.y - base.y};
    }
    dimension.type = groups.flags;
    dimension.rotation = groups.angle50;
    CDxfPen pen = m_style.Pen(groups);
    pen.color = color;
    m_dimensions.Draw(dimension, dimStyle, pen, {groups.handle, groups.layer}, target);
}

void CDxfInsertReader::Leader(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    LeaderValues values;
    LeaderOverrides overrides;
    double x = 0.0;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (group.code >= 1000) {
            overrides.Take(group, values);
            continue;
        }
        if (TakeField<LeaderValues>(LeaderFields, group, m_decoder, values)) {
            continue;
        }
        switch (group.code) {
        case 3:
            values.dimStyle = m_tables.FindDimStyle(m_decoder.Decode(group.value).view());
            if (values.dimStyle) {
                values.arrowBlock = values.dimStyle->leaderArrowBlock;
                values.arrowSize = values.dimStyle->arrowSize * values.dimStyle->overallScale;
            }
            break;
        case 10:
            x = DxfToDouble(group.value);
            break;
        case 20:
            values.vertices.push_back({x - base.x, DxfToDouble(group.value) - base.y});
            break;
        default:
            values.groups.Take(group, m_decoder);
            break;
        }
    }

    std::vector<DPOINT>& vertices = values.vertices;
    const bool wantsArrowhead = values.arrowhead != 0;
    int startMark = values.arrowhead;
    if (vertices.size() >= 2) {
        const DPOINT& first = vertices[0];
        const DPOINT& second = vertices[1];
        if (PointDistance(first.x, first.y, second.x, second.y) < 2.0 * values.arrowSize) {
            startMark = 0;
        }
        if (values.creation != NoAnnotation && values.textAbove == 1) {
            const DPOINT& last = vertices[vertices.size() - 1];
            const DPOINT& before = vertices[vertices.size() - 2];
            const double length = PointDistance(before.x, before.y, last.x, last.y);
            if (length > 0.0) {
                vertices.push_back({last.x + (last.x - before.x) / length * values.hook,
                                    last.y + (last.y - before.y) / length * values.hook});
            }
        }
    }

    CDxfPen pen = m_style.Pen(values.groups);
    if (values.dimStyle && values.dimStyle->lineColor != PorByLayerColor) {
        pen.color = values.dimStyle->lineColor;
    }
    const CDxfEntityTag tag{values.groups.handle, values.groups.layer};
    m_emitter.WritePolyline(vertices, 0, pen, tag, false, target,
                            startMark != 0 ? CDxfPrimitiveEmitter::ArrowAtStart : 0);
    if (vertices.size() < 2 || !wantsArrowhead) {
        return;
    }

    const DPOINT tip = vertices[0];
    const DPOINT& second = vertices[1];
    if (!values.arrowBlock.IsEmpty() && values.arrowBlock != "0") {
        CDxfPendingInsert arrow;
        arrow.blockName = m_tables.GetBlockNameByHandle(values.arrowBlock.view());
        if (arrow.blockName.IsEmpty()) {
            return;
        }
        arrow.x = tip.x;
        arrow.y = tip.y;
        arrow.xScale = values.arrowSize;
        arrow.yScale = values.arrowSize;
        arrow.rotation = DirectionDegrees(tip.x - second.x, tip.y - second.y);
        arrow.lineType = CDxfLineTypeTable::Solid;
        arrow.color = pen.color;
        m_inserts.WriteInsert(arrow, tag.layer, tag.handle, target);
        return;
    }
    const CDxfPen arrowPen{CDxfLineTypeTable::Solid, 1.0, 0, pen.color};
    m_emitter.WriteSolid(ArrowHead(tip, second, values.arrowSize), arrowPen, tag, target);
}
