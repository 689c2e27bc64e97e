#pragma once
// Plays an enhanced metafile onto a device context: the records are read
// one by one, every size, count, offset and handle index checked before it
// is used, and replayed as the matching calls. The picture frame is
// stretched onto a target rectangle in the context's device pixels; the
// context's own state is saved before and restored after. A malformed
// record stops playing (what came before stays drawn); records of kinds
// the player does not know are skipped.

#include "platform/gdi/CEmfHeader.h"
#include "platform/gdi/CMapping.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CDC;
class CEmfBitmapRecord;
class CEmfReader;
class CEnhMetaFile;
class CGdiObject;
class QRegion;

class CEnhMetaFilePlayer {
public:
    // The bytes must outlive the player.
    CEnhMetaFilePlayer(const BYTE* data, std::size_t size);
    explicit CEnhMetaFilePlayer(const CEnhMetaFile& metafile);
    ~CEnhMetaFilePlayer();
    CEnhMetaFilePlayer(const CEnhMetaFilePlayer&) = delete;
    CEnhMetaFilePlayer& operator=(const CEnhMetaFilePlayer&) = delete;

    // Null when the bytes do not start with a sound header.
    const std::optional<CEmfHeader>& Header() const { return m_header; }
    // The frame in the reference device's pixels.
    RECT FramePixels() const;

    // False for a malformed file, or one without an end-of-file record.
    bool Play(CDC& dc, const RECT& target);

private:
    // A scale from reference pixels to target pixels on one axis.
    struct Axis {
        std::int64_t numerator = 1;
        std::int64_t denominator = 1;
        LONG from = 0;
        LONG to = 0;
        LONG Map(LONG value) const;
    };

    // False when the record is malformed.
    bool PlayRecord(DWORD type, CEmfReader& record);
    bool PlayMapping(DWORD type, CEmfReader& record);
    bool PlayObject(DWORD type, CEmfReader& record);
    bool PlayPoints(DWORD type, CEmfReader& record);
    bool PlayWorld(DWORD type, CEmfReader& record);
    bool PlayPolyPolygon(DWORD type, CEmfReader& record);
    bool PlayClipRegion(CEmfReader& record);
    bool PlayText(CEmfReader& record);
    // Pattern transfers, and bitmaps given with the record.
    bool PlayBlt(DWORD type, CEmfReader& record);
    bool PlayStretchDIBits(CEmfReader& record);
    void DrawBitmap(const CEmfBitmapRecord& bitmap);
    bool Store(DWORD index, std::unique_ptr<CGdiObject> object);
    void ApplyMapping();
    void ResetState();
    QRegion TargetRegion() const;

    const BYTE* m_data;
    std::size_t m_size;
    std::optional<CEmfHeader> m_header;

    // The state of one play.
    CDC* m_dc = nullptr;
    // The record being played, head included.
    const BYTE* m_record = nullptr;
    std::size_t m_recordSize = 0;
    RECT m_target{};
    Axis m_x;
    Axis m_y;
    std::optional<CMapping> m_mapping;
    std::vector<CMapping> m_savedMappings;
    std::vector<std::unique_ptr<CGdiObject>> m_objects;
    // Deleted objects stay alive until the play ends: the context may still
    // refer to them in a saved state.
    std::vector<std::unique_ptr<CGdiObject>> m_deleted;
};
