#pragma once
// A CObject owning one heap buffer of points and two further
// words, the number of points allocated and the number in use. The
// constructor sets all three to null/0; the destructor frees the buffer when
// present.

#include <memory>

#include "platform/mfc/CObject.h"
#include "platform/win/WinTypes.h"

class CPtBuffer : public CObject {
    DECLARE_DYNAMIC(CPtBuffer)

public:
    // Largest number of points one buffer holds (a guard against sizes taken
    // from outside data).
    static constexpr int kMaxPoints = 64 * 1024 * 1024;

    CPtBuffer() = default;
    ~CPtBuffer() override = default;
    CPtBuffer(const CPtBuffer&) = delete;
    CPtBuffer& operator=(const CPtBuffer&) = delete;

    // Frees the old buffer and allocates count zeroed points, all in use.
    // Returns the buffer, or null (and an empty buffer) for count <= 0 or
    // count > kMaxPoints.
    POINT* Allocate(int count);
    // Appends a point, growing the buffer; 0 when it is full at kMaxPoints.
    int Add(LONG x, LONG y);
    // Frees the buffer; all three members are null/0 again.
    void Free();

    POINT* GetData() { return m_pBuffer.get(); }
    const POINT* GetData() const { return m_pBuffer.get(); }
    int GetCount() const { return m_nCount; }
    int GetAllocated() const { return m_nAllocated; }
    // The point at index; index must be below GetCount().
    const POINT& operator[](int index) const { return m_pBuffer[static_cast<std::size_t>(index)]; }
    POINT& operator[](int index) { return m_pBuffer[static_cast<std::size_t>(index)]; }

private:
    bool Reserve(int count);

    std::unique_ptr<POINT[]> m_pBuffer;
    int m_nAllocated = 0;
    int m_nCount = 0;
};
