#pragma once
// Errors of file operations (CFile and the memory files), with the class
// library's causes. m_lOsError holds the errno value (-1 when none).

#include "platform/mfc/CException.h"
#include "platform/mfc/CString.h"

class CFileException : public CException {
public:
    enum {
        none = 0,
        genericException = 1,
        generic = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    explicit CFileException(int cause = none, LONG osError = -1, const char* fileName = nullptr);

    // The cause for an errno value (on this platform the OS error is errno).
    static int OsErrorToException(LONG osError);
    static int ErrnoToException(int error) { return OsErrorToException(error); }
    [[noreturn]] static void ThrowOsError(LONG osError, const char* fileName = nullptr);
    [[noreturn]] static void ThrowErrno(int error, const char* fileName = nullptr) {
        ThrowOsError(error, fileName);
    }

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1,
                                        const char* fileName = nullptr);
