#pragma once
// Errors of reading or writing an archive (CArchive), with the class
// library's causes and values.

#include "platform/mfc/CException.h"
#include "platform/mfc/CString.h"

class CArchiveException : public CException {
public:
    enum {
        none = 0,
        genericException = 1,
        generic = 1,
        readOnly = 2,  // writing to a loading archive
        endOfFile = 3, // the data ended before what was to be read
        writeOnly = 4, // reading from a storing archive
        badIndex = 5,  // an object or class index that refers to nothing, or to the wrong kind
        badClass = 6,  // an unknown class, or one not derived from the class expected
        badSchema = 7, // a stored schema the class cannot read
        bufferFull = 8,
    };

    explicit CArchiveException(int cause = none, const char* fileName = nullptr);

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, const char* fileName = nullptr);
