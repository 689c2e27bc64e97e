#pragma once
// A file of the class library on a POSIX file descriptor. Paths are the
// file system's own bytes, passed to the system as they are: a name is never
// converted, so every name the file system allows opens as itself.
//
// Differences from Windows: the share modes are accepted and not enforced
// (Linux has no mandatory sharing); only regular files open: a folder fails
// with accessDenied, and a pipe, socket or device with accessDenied too,
// without waiting for a writer or reader at the other end. A file opened for
// reading only reads as far as the size it had when it was opened, so a
// file that grows meanwhile cannot make a reader run on without end.
// Every operation is virtual so that the memory files derive from it.

#include "platform/mfc/CFileException.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0x0, current = 0x1, end = 0x2 };

    static constexpr int hFileNull = -1;

    CFile();
    // Opens the file; throws CFileException when it cannot.
    CFile(const char* fileName, UINT openFlags);
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE with *error filled when the file cannot be opened. An open file is
    // closed first.
    virtual BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr);

    // Reads up to count bytes; returns how many were read (fewer only at the
    // end, or at the size a file opened for reading only had when opened).
    virtual UINT Read(void* buffer, UINT count);
    // Writes all count bytes or throws CFileException.
    virtual void Write(const void* buffer, UINT count);

    // The new position from the start; throws badSeek for a position before the start.
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }

    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG newLength);
    virtual ULONGLONG GetPosition() const;

    // Commits written data to the disk.
    virtual void Flush();
    // Closes the file; throws when the system reports an error (the file is closed anyway).
    virtual void Close();
    // Closes without reporting errors.
    virtual void Abort();

    virtual CString GetFilePath() const { return m_strFileName; }
    // The name after the last '/'.
    virtual CString GetFileName() const;
    virtual void SetFilePath(const char* path) { m_strFileName = path; }

    bool IsOpen() const { return m_hFile != hFileNull; }

    // Renames a file, replacing a file of the new name; throws CFileException.
    static void Rename(const char* oldName, const char* newName);
    // Removes a file; throws CFileException.
    static void Remove(const char* fileName);

    int m_hFile = hFileNull; // the descriptor
    BOOL m_bCloseOnDelete = FALSE;

protected:
    void ThrowLastError() const;

    CString m_strFileName;

private:
    // Where reading stops in a file opened for reading only; none for others.
    static constexpr ULONGLONG kNoReadLimit = ~0ULL;
    ULONGLONG m_readLimit = kNoReadLimit;
};
