#pragma once
// Writes block references: one record holding a placed copy of every record
// of the block, the by-block colours taken from the reference. References
// inside a BLOCK wait in their stream until every block has been read, then
// are resolved depth first, so a block may insert one defined after it.

#include "platform/mfc/CString.h"
#include "plugins/dxf/CDxfPendingInsert.h"

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CDxfBlockList;
class CPorStream;
struct CDxfHeader;

class CDxfInsertEmitter {
public:
    // Nesting deeper than this is cut, as a reference to no block.
    static constexpr int MaxDepth = 64;
    // The bytes all block references of one conversion may copy; a drawing
    // that asks for more (blocks that insert the next many times over) is
    // refused with std::length_error rather than exhausting the memory.
    static constexpr std::size_t DefaultByteBudget = std::size_t{256} << 20;

    CDxfInsertEmitter(const CDxfHeader& header, const CDxfBlockList& blocks,
                      std::size_t byteBudget = DefaultByteBudget)
        : m_header(header), m_blocks(blocks), m_budget(byteBudget) {}

    // Whether the named block was read and holds records.
    bool HasBlock(std::string_view name) const;
    // In a BLOCK the reference waits; elsewhere it is written when its block
    // exists and holds records, and dropped otherwise.
    void WriteInsert(const CDxfPendingInsert& insert, const CString& layer, const CString& id,
                     CPorStream& target);
    // After the BLOCKS section: writes every waiting reference into its
    // block, on layer "0" without an identifier. References to no block, or
    // that would make a block contain itself, are dropped.
    void ResolveBlocks();

private:
    static bool IsCut(const CPorStream* inserted, int depth,
                      const std::vector<const CPorStream*>& open);
    void RefuseExpansionBeyondBudget() const;
    std::size_t ExpandedBytes(const CPorStream& block, int depth,
                              std::unordered_map<const CPorStream*, std::size_t>& expanded,
                              std::vector<const CPorStream*>& open) const;
    void Resolve(CPorStream& block, int depth);
    void Write(const CDxfPendingInsert& insert, const CPorStream& block, const CString& layer,
               const CString& id, CPorStream& target);

    const CDxfHeader& m_header;
    const CDxfBlockList& m_blocks;
    std::size_t m_budget;
    std::size_t m_copied = 0;
    // Blocks being resolved (a cycle) and those already done.
    std::vector<const CPorStream*> m_open;
    std::unordered_set<const CPorStream*> m_done;
};
