#pragma once
// The POR records of one section: the drawing (main stream) or one BLOCK.
// Besides the record bytes it keeps their number and bounding box, the XLINE
// and RAY entries that wait for the drawing's extent and the block
// references that wait for their block.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "plugins/dxf/CDxfInfiniteLine.h"
#include "plugins/dxf/CDxfPendingInsert.h"
#include "plugins/dxf/CPorBounds.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecordBuilder.h"

#include <cstddef>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class CPorTransform;

class CPorStream {
public:
    void SetName(const CString& name) { m_name = name; }
    const CString& Name() const { return m_name; }
    bool IsBlock() const { return !m_name.IsEmpty(); }

    // Appends one record and counts it.
    void AppendRecord(const PorRecordBuilder& record);
    // Appends one complete record taken as it is and counts it.
    void AppendRecordBytes(std::span<const BYTE> record);
    // Appends every record of the other stream, with its bounds.
    void AppendRecords(const CPorStream& other);
    std::span<const BYTE> Data() const { return m_body.Data(); }
    std::size_t ByteCount() const { return m_body.Data().size(); }
    unsigned RecordCount() const { return m_recordCount; }
    // Hands the records over to become the block given to the program; the
    // stream holds no records afterwards.
    PorBlockWriter TakeRecords();

    void ExtendBounds(LONG x, LONG y) { m_bounds.Extend(x, y); }
    // By the four corners of a box where the transform places them.
    void ExtendBounds(const CPorBounds& box, const CPorTransform& transform);
    const CPorBounds& Bounds() const { return m_bounds; }

    void AddInfiniteLine(const CDxfInfiniteLine& line) { m_infiniteLines.push_back(line); }
    const std::vector<CDxfInfiniteLine>& InfiniteLines() const { return m_infiniteLines; }

    // The block name is cut to CDxfPendingInsert::MaxNameLength bytes.
    void AddPendingInsert(CDxfPendingInsert insert);
    const std::vector<CDxfPendingInsert>& PendingInserts() const { return m_pending; }
    // Hands the pending references over to the caller, which resolves them.
    std::vector<CDxfPendingInsert> TakePendingInserts() { return std::exchange(m_pending, {}); }

    // The colour a BLOCK gives its layer-0 lines that have none of their own.
    void SetBlockColor(COLORREF color) { m_blockColor = color; }
    std::optional<COLORREF> BlockColor() const { return m_blockColor; }

    // A copy of the records with every counted record placed by the transform.
    std::vector<BYTE> Transform(const CPorTransform& transform) const;

private:
    CString m_name;
    PorBlockWriter m_body;
    unsigned m_recordCount = 0;
    CPorBounds m_bounds;
    std::vector<CDxfPendingInsert> m_pending;
    std::vector<CDxfInfiniteLine> m_infiniteLines;
    std::optional<COLORREF> m_blockColor;
};
