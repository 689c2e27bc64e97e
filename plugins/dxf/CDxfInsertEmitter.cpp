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
#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace {

std::size_t SaturatingAdd(std::size_t a, std::size_t b) {
    return b > std::numeric_limits<std::size_t>::max() - a ? std::numeric_limits<std::size_t>::max()
                                                           : a + b;
}

} // namespace

bool CDxfInsertEmitter::HasBlock(std::string_view name) const {
    const CPorStream* block = m_blocks.Find(name);
    return block && block->ByteCount() != 0;
}

void CDxfInsertEmitter::WriteInsert(const CDxfPendingInsert& insert, const CString& layer,
                                    const CString& id, CPorStream& target) {
    if (target.IsBlock()) {
        target.AddPendingInsert(insert);
        return;
    }
    if (HasBlock(insert.blockName.view())) {
        Write(insert, *m_blocks.Find(insert.blockName.view()), layer, id, target);
    }
}

void CDxfInsertEmitter::ResolveBlocks() {
    RefuseExpansionBeyondBudget();
    for (const auto& block : m_blocks.Blocks()) {
        Resolve(*block, 0);
    }
}

// A reference to no block, nested too deep, or closing a cycle is dropped.
bool CDxfInsertEmitter::IsCut(const CPorStream* inserted, int depth,
                              const std::vector<const CPorStream*>& open) {
    return !inserted || depth >= MaxDepth || std::ranges::find(open, inserted) != open.end();
}

// Blocks that insert the next many times over are refused from their sizes
// alone, before a byte is copied; copying up to the budget first would take
// seconds.
void CDxfInsertEmitter::RefuseExpansionBeyondBudget() const {
    std::unordered_map<const CPorStream*, std::size_t> expanded;
    std::vector<const CPorStream*> open;
    std::size_t copied = 0;
    for (const auto& block : m_blocks.Blocks()) {
        copied =
            SaturatingAdd(copied, ExpandedBytes(*block, 0, expanded, open) - block->ByteCount());
        if (copied > m_budget) {
            throw std::length_error("block references expand beyond the memory budget");
        }
    }
}

// The bytes the block will hold once its references are resolved, cut where
// Resolve cuts them; a lower bound, as the reference records are left out.
std::size_t
CDxfInsertEmitter::ExpandedBytes(const CPorStream& block, int depth,
                                 std::unordered_map<const CPorStream*, std::size_t>& expanded,
                                 std::vector<const CPorStream*>& open) const {
    if (const auto known = expanded.find(&block); known != expanded.end()) {
        return known->second;
    }
    std::size_t total = block.ByteCount();
    open.push_back(&block);
    for (const CDxfPendingInsert& insert : block.PendingInserts()) {
        const CPorStream* inserted = m_blocks.Find(insert.blockName.view());
        if (IsCut(inserted, depth, open)) {
            continue;
        }
        total = SaturatingAdd(total, ExpandedBytes(*inserted, depth + 1, expanded, open));
    }
    open.pop_back();
    expanded.emplace(&block, total);
    return total;
}

void CDxfInsertEmitter::Resolve(CPorStream& block, int depth) {
    if (m_done.contains(&block)) {
        return;
    }
    m_open.push_back(&block);
    for (const CDxfPendingInsert& insert : block.TakePendingInserts()) {
        CPorStream* inserted = m_blocks.Find(insert.blockName.view());
        if (inserted && IsCut(inserted, depth, m_open)) {
            continue;
        }
        if (inserted) {
            Resolve(*inserted, depth + 1);
        }
        if (inserted && inserted->ByteCount() != 0) {
            Write(insert, *inserted, CString("0"), CString(), block);
        } else if (insert.missingBlockDrawing) {
            // As outside any block, a dimension whose block is missing or
            // empty is drawn from its own groups.
            block.AppendRecords(*insert.missingBlockDrawing);
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
