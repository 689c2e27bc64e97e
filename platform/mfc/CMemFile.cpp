#include "platform/mfc/CMemFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// A memory file holds at most this much, like a 32-bit block.
constexpr SIZE_T kMaxMemFileSize = 0x7FFFFFFF;

} // namespace

CMemFile::CMemFile(UINT growBytes) : m_nGrowBytes(growBytes) {}

CMemFile::CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes) : m_nGrowBytes(growBytes) {
    Attach(buffer, bufferSize, growBytes);
}

CMemFile::~CMemFile() {
    // Free is virtual: a derived file closes itself in its own destructor.
    CMemFile::Close();
}

void CMemFile::Attach(BYTE* buffer, UINT bufferSize, UINT growBytes) {
    Close();
    if (!buffer)
        bufferSize = 0;
    m_nGrowBytes = growBytes;
    m_nPosition = 0;
    m_nBufferSize = bufferSize;
    m_nFileSize = growBytes == 0 ? bufferSize : 0;
    m_lpBuffer = buffer;
    m_bAutoDelete = growBytes != 0 ? TRUE : FALSE;
}

BYTE* CMemFile::Detach() {
    BYTE* buffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return buffer;
}

BYTE* CMemFile::Alloc(SIZE_T bytes) {
    return static_cast<BYTE*>(std::malloc(bytes));
}

BYTE* CMemFile::Realloc(BYTE* block, SIZE_T bytes) {
    if (!m_bAutoDelete)
        return nullptr; // the caller's fixed buffer
    return static_cast<BYTE*>(std::realloc(block, bytes));
}

void CMemFile::Free(BYTE* block) {
    std::free(block);
}

void CMemFile::GrowFile(SIZE_T newLength) {
    if (newLength <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0 || newLength > kMaxMemFileSize)
        throw CFileException(CFileException::diskFull, ENOSPC, m_strFileName);
    SIZE_T steps = (newLength - m_nBufferSize + m_nGrowBytes - 1) / m_nGrowBytes;
    SIZE_T newSize = m_nBufferSize + steps * m_nGrowBytes;
    BYTE* block = m_lpBuffer ? Realloc(m_lpBuffer, newSize) : Alloc(newSize);
    if (!block)
        throw CFileException(CFileException::diskFull, ENOMEM, m_strFileName);
    m_lpBuffer = block;
    m_nBufferSize = newSize;
}

UINT CMemFile::Read(void* buffer, UINT count) {
    if (count == 0 || m_nPosition >= m_nFileSize)
        return 0;
    SIZE_T n = std::min<SIZE_T>(count, m_nFileSize - m_nPosition);
    std::memcpy(buffer, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count) {
    if (count == 0)
        return;
    if (m_nPosition > kMaxMemFileSize || count > kMaxMemFileSize - m_nPosition)
        throw CFileException(CFileException::diskFull, ENOSPC, m_strFileName);
    SIZE_T end = m_nPosition + count;
    GrowFile(end);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memmove(m_lpBuffer + m_nPosition, buffer, count);
    m_nPosition = end;
    if (end > m_nFileSize)
        m_nFileSize = end;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from) {
    LONGLONG base = from == current ? static_cast<LONGLONG>(m_nPosition)
                    : from == end   ? static_cast<LONGLONG>(m_nFileSize)
                                    : 0;
    if ((offset < 0 && base + offset < 0) ||
        (offset > 0 && offset > static_cast<LONGLONG>(kMaxMemFileSize) - base))
        throw CFileException(CFileException::badSeek, EINVAL, m_strFileName);
    m_nPosition = static_cast<SIZE_T>(base + offset);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG newLength) {
    if (newLength > kMaxMemFileSize)
        throw CFileException(CFileException::diskFull, ENOSPC, m_strFileName);
    auto length = static_cast<SIZE_T>(newLength);
    GrowFile(length);
    if (length > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, length - m_nFileSize);
    if (m_nPosition > length)
        m_nPosition = length;
    m_nFileSize = length;
}

void CMemFile::Close() {
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
}
