#include "entities/CMetaFile.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CEnhMetaFilePlayer.h"
#include "platform/gdi/CWinMetaFileConverter.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CFile.h"
#include "platform/win/GlobalMemory.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

IMPLEMENT_SERIAL(CMetaFile, CObject, 1)

namespace {

constexpr DWORD kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeader = 22;
// A Windows metafile without a placeable header is taken as 10 x 10 mm.
constexpr LONG kPlainExtent = 1000;
constexpr std::size_t kMaxFileSize = std::size_t{1} << 30;
constexpr int kScreenDpi = 96;
constexpr double kInchesPerHundredthMm = 0.0003937007874015748;

template <class T> T ReadAt(const std::vector<BYTE>& bytes, std::size_t offset) {
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

} // namespace

CMetaFile::~CMetaFile() {
    Free();
}

void CMetaFile::Free() {
    GlobalFree(m_bits);
    m_bits = nullptr;
    m_header.reset();
}

bool CMetaFile::SetBits(const std::vector<BYTE>& bytes) {
    Free();
    std::optional<CEmfHeader> header = CEmfHeader::Read(bytes.data(), bytes.size());
    if (!header)
        return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, header->fileSize);
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(data, bytes.data(), header->fileSize);
    GlobalUnlock(block);
    m_bits = block;
    m_header = std::move(header);
    return true;
}

std::vector<BYTE> CMetaFile::GetBits() const {
    const auto* data = static_cast<const BYTE*>(GlobalLock(m_bits));
    if (!data)
        return {};
    std::vector<BYTE> bytes(data, data + GlobalSize(m_bits));
    GlobalUnlock(m_bits);
    return bytes;
}

int CMetaFile::LoadFile(const char* path) {
    Free();
    std::vector<BYTE> bytes;
    {
        CFile file;
        if (!path || !file.Open(path, CFile::modeRead | CFile::shareDenyNone))
            return 0;
        const ULONGLONG length = file.GetLength();
        if (length > kMaxFileSize)
            return 0;
        bytes.resize(static_cast<std::size_t>(length));
        if (file.Read(bytes.data(), static_cast<UINT>(length)) != length)
            return 0;
    }
    if (CEmfHeader::Read(bytes.data(), bytes.size()))
        return SetBits(bytes) ? 1 : 0;
    if (bytes.size() >= kPlaceableHeader && ReadAt<DWORD>(bytes, 0) == kPlaceableKey) {
        const auto left = ReadAt<std::int16_t>(bytes, 6);
        const auto top = ReadAt<std::int16_t>(bytes, 8);
        const auto right = ReadAt<std::int16_t>(bytes, 10);
        const auto bottom = ReadAt<std::int16_t>(bytes, 12);
        const WORD inch = ReadAt<WORD>(bytes, 14);
        // A header without units per inch gives no size: the file is refused.
        if (inch == 0)
            return 0;
        const LONG width = std::abs(right - left) * 2540 / inch;
        const LONG height = std::abs(bottom - top) * 2540 / inch;
        return SetBits(CWinMetaFileConverter::Convert(
                   bytes.data() + kPlaceableHeader, bytes.size() - kPlaceableHeader, width, height))
                   ? 1
                   : 0;
    }
    return SetBits(CWinMetaFileConverter::Convert(bytes.data(), bytes.size(), kPlainExtent,
                                                  kPlainExtent))
               ? 1
               : 0;
}

SIZE CMetaFile::GetSizePixels() const {
    if (!m_header)
        return SIZE{0, 0};
    const RECT& frame = m_header->frame;
    const auto pixels = [](double hundredths) {
        return static_cast<LONG>(std::trunc(hundredths * kScreenDpi * kInchesPerHundredthMm));
    };
    return SIZE{pixels(std::fabs(static_cast<double>(frame.right) - frame.left)) + 1,
                pixels(std::fabs(static_cast<double>(frame.bottom) - frame.top)) + 1};
}

int CMetaFile::Draw(CDC* dc, int x, int y, int width, int height) {
    if (!m_bits || !dc)
        return 1;
    const std::vector<BYTE> bytes = GetBits();
    POINT corners[2] = {{x, y}, {x + width, y + height}};
    dc->LPtoDP(corners, 2);
    const RECT target{std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                      std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    const int oldMode = dc->SetStretchBltMode(COLORONCOLOR);
    CEnhMetaFilePlayer player(bytes.data(), bytes.size());
    player.Play(*dc, target);
    dc->SetStretchBltMode(oldMode);
    return 1;
}

void CMetaFile::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        const std::vector<BYTE> bytes = GetBits();
        ar << static_cast<LONG>(bytes.size());
        if (!bytes.empty())
            ar.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        return;
    }
    Free();
    LONG count = 0;
    ar >> count;
    if (count == 0)
        return;
    if (count < 0 || static_cast<std::size_t>(count) > kMaxFileSize)
        AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<BYTE> bytes(static_cast<std::size_t>(count));
    if (ar.Read(bytes.data(), static_cast<UINT>(count)) != static_cast<UINT>(count))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    // The count must be the metafile's own size: anything else means the
    // reader is no longer where the writer was.
    const std::optional<CEmfHeader> header = CEmfHeader::Read(bytes.data(), bytes.size());
    if (!header || header->fileSize != bytes.size() || !SetBits(bytes))
        AfxThrowArchiveException(CArchiveException::badIndex);
}
