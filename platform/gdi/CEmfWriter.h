#pragma once
// Collects the records of an enhanced metafile and, when closed, puts the
// header in front (bounds, frame, counts, reference device, description)
// and the end-of-file record behind. Bounds are device pixels of the
// reference device, both edges inside; the frame is in 0.01 mm and, when
// none is given, follows from the bounds. The description goes into the
// header as given, terminators included.

#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CEmfHandleTable.h"

#include <QRect>

#include <optional>
#include <string>
#include <vector>

class CEmfRecord;

class CEmfWriter {
public:
    CEmfWriter(const CDeviceCaps& reference, std::optional<RECT> frame, std::u16string description);

    void Write(const CEmfRecord& record);
    void AddBounds(const QRect& device);
    CEmfHandleTable& Handles() { return m_handles; }

    // The whole file.
    std::vector<BYTE> Close() const;

private:
    RECT Bounds() const;
    RECT Frame() const;

    CDeviceCaps m_reference;
    std::optional<RECT> m_frame;
    std::u16string m_description;
    std::vector<BYTE> m_records;
    DWORD m_recordCount = 0;
    QRect m_bounds;
    CEmfHandleTable m_handles;
};
