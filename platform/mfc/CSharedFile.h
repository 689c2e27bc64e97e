#pragma once
// A memory file over a global memory block (HGLOBAL), as the undo records
// and the clipboard use it.
//
// - The block is allocated with the file's flags (default GMEM_MOVEABLE |
//   GMEM_SHARE) and grows in steps of the grow-by size (default 4096), so
//   while the file holds it, GlobalSize is the capacity, not the data length.
// - Detach() gives the block to the caller, first trimmed to the file's
//   length: GlobalSize of a detached block is exactly the data written. As in
//   the class library the block comes back locked once (GlobalLock has been
//   called for it; a zero-byte block is not locked); the caller unlocks it.
//   A file that holds no block gives a new zero-byte block.
// - SetHandle(block) takes the block over: the file's length becomes
//   GlobalSize(block), its position 0. With allowGrow FALSE a write past the
//   block's size throws CFileException(diskFull).
// - The file owns the block it holds: Close and the destructor free it with
//   GlobalFree, unless it was detached.

#include "platform/mfc/CMemFile.h"
#include "platform/win/GlobalMemory.h"

class CSharedFile : public CMemFile {
public:
    explicit CSharedFile(UINT allocFlags = GMEM_MOVEABLE | GMEM_SHARE, UINT growBytes = 4096);
    ~CSharedFile() override;

    // Throws std::invalid_argument for a null or dead handle. A block the file
    // held before is freed.
    void SetHandle(HGLOBAL block, BOOL allowGrow = TRUE);
    HGLOBAL Detach();

    void Close() override;

protected:
    BYTE* Alloc(SIZE_T bytes) override;
    BYTE* Realloc(BYTE* block, SIZE_T bytes) override;
    void Free(BYTE* block) override;

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory = nullptr;
    BOOL m_bAllowGrow = TRUE;
};
