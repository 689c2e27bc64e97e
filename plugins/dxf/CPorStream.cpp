#include "plugins/dxf/CPorStream.h"

#include "platform/mfc/Cp932.h"
#include "plugins/dxf/CPorTransform.h"
#include "por/PorRecord.h"

void CPorStream::AppendRecord(const PorRecordBuilder& record) {
    m_body.Append(record);
    ++m_recordCount;
}

void CPorStream::AppendRecordBytes(std::span<const BYTE> record) {
    m_body.Append(record);
    ++m_recordCount;
}

void CPorStream::AppendRecords(const CPorStream& other) {
    m_body.Append(other.Data());
    m_recordCount += other.RecordCount();
    if (!other.m_bounds.empty) {
        m_bounds.Extend(other.m_bounds.minX, other.m_bounds.minY);
        m_bounds.Extend(other.m_bounds.maxX, other.m_bounds.maxY);
    }
}

PorBlockWriter CPorStream::TakeRecords() {
    m_recordCount = 0;
    return std::exchange(m_body, {});
}

void CPorStream::AddPendingInsert(CDxfPendingInsert insert) {
    const std::string_view name = insert.blockName.view();
    std::size_t kept = 0;
    while (kept < name.size()) {
        const auto length = static_cast<std::size_t>(Cp932::CharLength(name, kept));
        if (kept + length > static_cast<std::size_t>(CDxfPendingInsert::MaxNameLength)) {
            break;
        }
        kept += length;
    }
    insert.blockName = CString(name.substr(0, kept));
    m_pending.push_back(std::move(insert));
}

void CPorStream::ExtendBounds(const CPorBounds& box, const CPorTransform& transform) {
    for (POINT corner : {POINT{box.minX, box.minY}, POINT{box.maxX, box.minY},
                         POINT{box.maxX, box.maxY}, POINT{box.minX, box.maxY}}) {
        transform.Place(corner);
        m_bounds.Extend(corner);
    }
}

std::vector<BYTE> CPorStream::Transform(const CPorTransform& transform) const {
    std::vector<BYTE> copy(Data().begin(), Data().end());
    std::span<BYTE> rest(copy);
    for (unsigned i = 0; i < m_recordCount; ++i) {
        const auto record = PorRecord::Frame(rest);
        if (!record) {
            break;
        }
        const std::span<BYTE> bytes = rest.first(record->Size());
        transform.Apply(bytes);
        rest = rest.subspan(bytes.size());
    }
    return copy;
}
