#include "plugins/dxf/CDxfFile.h"

#include "platform/mfc/CFile.h"
#include "platform/mfc/CFileException.h"
#include "plugins/dxf/DxfNumber.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view BinarySentinel("AutoCAD Binary DXF\r\n\x1A\0", 22);
constexpr UINT ReadChunk = 1u << 24;

// A drawing's file runs to a hundred megabytes: the huge pages inside its
// buffer are offered to the system, as faulting it in page by page costs
// more than reading it.
void AdviseHugePages(char* data, std::size_t bytes) {
    constexpr std::uintptr_t HugePage = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(HugePage - 1);
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

} // namespace

std::optional<CDxfFile> CDxfFile::Load(const char* path) {
    CFile file;
    if (!path || !file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) {
        return std::nullopt;
    }
    try {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(file.GetLength()) + ReadChunk);
        AdviseHugePages(bytes.data(), bytes.capacity());
        std::size_t used = 0;
        for (;;) {
            bytes.resize(used + ReadChunk);
            const UINT got = file.Read(bytes.data() + used, ReadChunk);
            used += got;
            if (got < ReadChunk) {
                break;
            }
        }
        bytes.resize(used);
        return CDxfFile(std::move(bytes));
    } catch (const CFileException&) {
        return std::nullopt;
    }
}

bool CDxfFile::IsBinary() const {
    return std::string_view(m_bytes).starts_with(BinarySentinel);
}

bool CDxfFile::ReadLine(std::string_view& line) {
    if (m_position >= m_bytes.size()) {
        return false;
    }
    const auto begin = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position);
    const auto end = std::find_if(begin, m_bytes.end(), IsLineEnd);
    line = std::string_view(&*begin, static_cast<std::size_t>(end - begin));
    m_position += line.size();
    if (end == m_bytes.end()) {
        return true;
    }
    if (!m_terminatorLearned) {
        LearnTerminator(end);
    }
    if (m_terminatorLength > 0) {
        m_position = std::min(m_position + m_terminatorLength, m_bytes.size());
    } else {
        const bool crLf = *end == '\r' && end + 1 != m_bytes.end() && end[1] == '\n';
        m_position += crLf ? 2 : 1;
    }
    return true;
}

bool CDxfFile::IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

void CDxfFile::LearnTerminator(std::string::const_iterator end) {
    m_terminatorLearned = true;
    // A lone CR after LF would otherwise read as an empty line and shift
    // every group.
    if (std::string_view(&*end, static_cast<std::size_t>(m_bytes.cend() - end)).starts_with("\n\r"))
        m_terminatorLength = 2;
}

bool CDxfFile::ReadGroup(CDxfGroup& group) {
    m_groupStart = m_position;
    std::string_view code;
    std::string_view value;
    if (!ReadLine(code) || !ReadLine(value)) {
        return false;
    }
    group.code = DxfToInt(code);
    group.value = value;
    return true;
}
