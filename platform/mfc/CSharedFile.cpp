#include "platform/mfc/CSharedFile.h"

#include <stdexcept>

CSharedFile::CSharedFile(UINT allocFlags, UINT growBytes)
    : CMemFile(growBytes), m_nAllocFlags(allocFlags) {}

CSharedFile::~CSharedFile() {
    CSharedFile::Close();
}

void CSharedFile::SetHandle(HGLOBAL block, BOOL allowGrow) {
    if (!block || (GlobalFlags(block) & GMEM_INVALID_HANDLE))
        throw std::invalid_argument("CSharedFile::SetHandle: not a global memory block");
    if (block != m_hGlobalMemory)
        Close();
    else if (m_lpBuffer)
        GlobalUnlock(m_hGlobalMemory);
    m_hGlobalMemory = block;
    m_lpBuffer = static_cast<BYTE*>(GlobalLock(block));
    m_nBufferSize = m_lpBuffer ? GlobalSize(block) : 0;
    m_nFileSize = m_nBufferSize;
    m_nPosition = 0;
    m_bAllowGrow = allowGrow;
    m_bAutoDelete = TRUE;
}

HGLOBAL CSharedFile::Detach() {
    HGLOBAL block = m_hGlobalMemory;
    if (!block) {
        block = GlobalAlloc(m_nAllocFlags, 0);
    } else if (GlobalSize(block) != m_nFileSize) {
        // Trim to the data: unlock, reallocate, lock again (the lock goes to the caller).
        if (m_lpBuffer)
            GlobalUnlock(block);
        GlobalReAlloc(block, m_nFileSize, m_nAllocFlags);
        GlobalLock(block);
    }
    m_hGlobalMemory = nullptr;
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAllowGrow = TRUE;
    return block;
}

BYTE* CSharedFile::Alloc(SIZE_T bytes) {
    if (m_hGlobalMemory) // an attached block of zero bytes: grow it
        return Realloc(nullptr, bytes);
    HGLOBAL block = GlobalAlloc(m_nAllocFlags, bytes);
    if (!block)
        return nullptr;
    m_hGlobalMemory = block;
    return static_cast<BYTE*>(GlobalLock(block));
}

BYTE* CSharedFile::Realloc(BYTE* /*block*/, SIZE_T bytes) {
    if (!m_bAllowGrow || !m_hGlobalMemory)
        return nullptr;
    if (m_lpBuffer)
        GlobalUnlock(m_hGlobalMemory);
    if (!GlobalReAlloc(m_hGlobalMemory, bytes, m_nAllocFlags)) {
        // The block is unchanged (same data): lock it again as before and fail.
        if (m_lpBuffer)
            GlobalLock(m_hGlobalMemory);
        return nullptr;
    }
    return static_cast<BYTE*>(GlobalLock(m_hGlobalMemory));
}

void CSharedFile::Free(BYTE* /*block*/) {
    if (!m_hGlobalMemory)
        return;
    GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}

void CSharedFile::Close() {
    if (m_hGlobalMemory)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    CMemFile::Close();
}
