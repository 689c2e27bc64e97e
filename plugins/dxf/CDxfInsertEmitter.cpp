#include "plugins/dxf/CDxfInsertEmitter.h"

#include "plugins/dxf/CDxfBlockList.h"
#include "plugins/dxf/CDxfHeader.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/CPorTransform.h"
#include "plugins/dxf/DxfBlockColor.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <stdexcept>

void CDxfInsertEmitter::WriteInsert(const CDxfPendingInsert& insert, const CString& layer,
                                    const CString& id, CPorStream& target) {
    if (target.IsBlock()) {
        target.AddPendingInsert(insert);
        return;
    }
    const CPorStream* block = m_blocks.Find(insert.blockName.view());
    if (block && block->ByteCount() != 0) {
        Write(insert, *block, layer, id, target);
    }
}

void CDxfInsertEmitter::ResolveBlocks() {
    for (const auto& block : m_blocks.Blocks()) {
        Resolve(*block, 0);
    }
}

void CDxfInsertEmitter::Resolve(CPorStream& block, int depth) {
    if (m_done.contains(&block)) {
        return;
    }
    m_open.push_back(&block);
    for (const CDxfPendingInsert& insert : block.TakePendingInserts()) {
        CPorStream* inserted = m_blocks.Find(insert.blockName.view());
        if (!inserted || depth >= MaxDepth || std::ranges::find(m_open, inserted) != m_open.end()) {
            continue;
        }
        Resolve(*inserted, depth + 1);
        if (inserted->ByteCount() != 0) {
            Write(insert, *inserted, CString("0"), CString(), block);
        }
    }
    m_open.pop_back();
    m_done.insert(&block);
}

void CDxfInsertEmitter::Write(const CDxfPendingInsert& insert, const CPorStream& block,
                              const CString& layer, const CString& id, CPorStream& target) {
    if (block.ByteCount() > m_budget - m_copied) {
        throw std::length_error("block references expand beyond the memory budget");
    }
    m_copied += block.ByteCount();

    const double scale = m_header.scale;
    const double x = scale * insert.x;
    const double y = scale * insert.y;
    const CPorBounds& bounds = block.Bounds();
    if (!bounds.empty) {
        // All four corners: under rotation any of them may be outermost.
        for (POINT corner : {POINT{bounds.minX, bounds.minY}, POINT{bounds.maxX, bounds.minY},
                             POINT{bounds.maxX, bounds.maxY}, POINT{bounds.minX, bounds.maxY}}) {
            RotateScalePoint(corner, x, y, insert.xScale, insert.yScale, insert.rotation,
                             m_header.scale);
            target.ExtendBounds(corner.x, corner.y);
        }
    }

    std::vector<BYTE> copy = block.Transform(
        CPorTransform(x, y, insert.xScale, insert.yScale, insert.rotation, m_header.scale));
    std::span<BYTE> rest(copy);
    for (unsigned i = 0; i < block.RecordCount(); ++i) {
        const auto record = PorRecord::Frame(rest);
        if (!record) {
            break;
        }
        PushDownBlockColor(insert.color, rest.first(record->Size()), false);
        rest = rest.subspan(record->Size());
    }
    PorRecordBuilder record(PorInsert::Type);
    record.Append(PorInsert::Children, copy);
    record.Set(PorInsert::Id, id);
    record.Set(PorInsert::Layer, layer);
    target.AppendRecord(record);
}
