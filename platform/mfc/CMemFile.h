#pragma once
// A file in a growable memory block.
//
// Ownership (all blocks come from std::malloc and go back with std::free):
// - Memory the file allocates itself is its own; Close and the destructor
//   free it.
// - Attach(buffer, size, 0): the buffer stays the caller's. The file's length
//   is `size`, it never grows past it (a write beyond throws diskFull), and
//   the file never frees it.
// - Attach(buffer, size, growBytes > 0): the buffer is handed over. It must
//   come from std::malloc; the file may std::realloc it, and frees it on
//   Close unless it was detached. As in the class library the file starts
//   empty (length 0) and writes into the buffer.
// - Detach() gives up the buffer: the caller owns what it returns (std::free
//   it, unless it is a buffer it attached with growBytes 0). Read GetLength()
//   first: afterwards the file is empty and owns nothing.
// Reading never goes past the length; a write past the length (after a
// Seek) fills the gap with zeros.

#include "platform/mfc/CFile.h"

class CMemFile : public CFile {
public:
    explicit CMemFile(UINT growBytes = 1024);
    CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    BYTE* Detach();

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetLength() const override { return m_nFileSize; }
    void SetLength(ULONGLONG newLength) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

    // The current block (null when none); valid until the file grows.
    const BYTE* GetBuffer() const { return m_lpBuffer; }
    SIZE_T GetBufferSize() const { return m_nBufferSize; }

protected:
    // Memory management of the block; a derived file may keep it elsewhere.
    // Alloc and Realloc return null when they cannot.
    virtual BYTE* Alloc(SIZE_T bytes);
    virtual BYTE* Realloc(BYTE* block, SIZE_T bytes);
    virtual void Free(BYTE* block);
    // Makes the block at least newLength bytes, in steps of the grow-by size;
    // throws CFileException(diskFull) when it cannot.
    virtual void GrowFile(SIZE_T newLength);

    UINT m_nGrowBytes;
    SIZE_T m_nPosition = 0;
    SIZE_T m_nBufferSize = 0;
    SIZE_T m_nFileSize = 0;
    BYTE* m_lpBuffer = nullptr;
    BOOL m_bAutoDelete = TRUE; // the file frees m_lpBuffer
};
