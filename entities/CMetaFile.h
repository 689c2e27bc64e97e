#pragma once
// One enhanced metafile kept as its bytes in a global-memory block, played
// into a rectangle of any device context. It loads enhanced metafiles,
// Windows metafiles and placeable Windows metafiles (converted to the
// enhanced form on loading). Records of OpenGL pictures are passed over
// when playing.

#include "platform/gdi/CEmfHeader.h"
#include "platform/mfc/CObject.h"

#include <optional>
#include <vector>

class CArchive;
class CDC;

class CMetaFile : public CObject {
    DECLARE_SERIAL(CMetaFile)

public:
    CMetaFile() = default;
    ~CMetaFile() override;
    CMetaFile(const CMetaFile&) = delete;
    CMetaFile& operator=(const CMetaFile&) = delete;

    // 1 when loaded; 0 with the object empty otherwise.
    int LoadFile(const char* path);
    // Takes enhanced-metafile bytes; false (and empty) when they are not one.
    bool SetBits(const std::vector<BYTE>& bytes);
    // The frame in screen pixels (96 dots per inch); (0, 0) when empty.
    SIZE GetSizePixels() const;
    // Plays into the rectangle (logical units of the context); 1 also when
    // empty, without drawing.
    int Draw(CDC* dc, int x, int y, int width, int height);
    void Free();
    void Serialize(CArchive& ar) override;

    bool IsEmpty() const { return m_bits == nullptr; }
    const std::optional<CEmfHeader>& GetHeader() const { return m_header; }
    std::vector<BYTE> GetBits() const;

private:
    HGLOBAL m_bits = nullptr;
    std::optional<CEmfHeader> m_header;
};
