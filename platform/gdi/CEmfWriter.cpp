#include "platform/gdi/CEmfWriter.h"

#include "platform/gdi/CEmfRecord.h"
#include "platform/gdi/EmfDefs.h"

#include <algorithm>
#include <cmath>

CEmfWriter::CEmfWriter(const CDeviceCaps& reference, std::optional<RECT> frame,
                       std::u16string description)
    : m_reference(reference), m_frame(frame), m_description(std::move(description)) {}

void CEmfWriter::Write(const CEmfRecord& record) {
    const std::vector<BYTE> bytes = record.Bytes();
    m_records.insert(m_records.end(), bytes.begin(), bytes.end());
    ++m_recordCount;
}

void CEmfWriter::AddBounds(const QRect& device) {
    m_bounds = m_bounds.united(device);
}

RECT CEmfWriter::Bounds() const {
    if (m_bounds.isEmpty())
        return RECT{0, 0, -1, -1};
    return RECT{m_bounds.left(), m_bounds.top(), m_bounds.right(), m_bounds.bottom()};
}

RECT CEmfWriter::Frame() const {
    if (m_frame)
        return *m_frame;
    if (m_bounds.isEmpty())
        return RECT{0, 0, 0, 0};
    const RECT bounds = Bounds();
    const double x = 100.0 * m_reference.Get(HORZSIZE) / std::max(m_reference.Get(HORZRES), 1);
    const double y = 100.0 * m_reference.Get(VERTSIZE) / std::max(m_reference.Get(VERTRES), 1);
    return RECT{static_cast<LONG>(std::floor(bounds.left * x)),
                static_cast<LONG>(std::floor(bounds.top * y)),
                static_cast<LONG>(std::ceil(bounds.right * x)),
                static_cast<LONG>(std::ceil(bounds.bottom * y))};
}

std::vector<BYTE> CEmfWriter::Close() const {
    const bool described = !m_description.empty();
    const auto descriptionChars = static_cast<DWORD>(m_description.size());
    const DWORD headerSize = EMF_HEADER_SIZE + (descriptionChars * 2 + 3) / 4 * 4;
    CEmfRecord end(EMR_EOF);
    end.U32(0).U32(16).U32(20);
    const std::vector<BYTE> endBytes = end.Bytes();
    const auto total = static_cast<DWORD>(headerSize + m_records.size() + endBytes.size());
    const SIZE millimetres{m_reference.Get(HORZSIZE), m_reference.Get(VERTSIZE)};

    CEmfRecord header(EMR_HEADER);
    header.Rect(Bounds()).Rect(Frame());
    header.U32(ENHMETA_SIGNATURE).U32(ENHMETA_VERSION).U32(total).U32(m_recordCount + 2);
    header.U16(m_handles.Size()).U16(0);
    header.U32(descriptionChars).U32(described ? EMF_HEADER_SIZE : 0).U32(0);
    header.Size(SIZE{m_reference.Get(HORZRES), m_reference.Get(VERTRES)}).Size(millimetres);
    header.U32(0).U32(0).U32(0);
    // Micrometres keep the resolution that whole millimetres round away.
    header.Size(
        SIZE{static_cast<LONG>(std::lround(m_reference.Width() * 25400.0 / m_reference.DpiX())),
             static_cast<LONG>(std::lround(m_reference.Height() * 25400.0 / m_reference.DpiY()))});
    if (described)
        header.Utf16(m_description);

    std::vector<BYTE> file = header.Bytes();
    file.insert(file.end(), m_records.begin(), m_records.end());
    file.insert(file.end(), endBytes.begin(), endBytes.end());
    return file;
}
