#pragma once
// Writes a file without ever destroying the good copy of it: the data goes
// into "<name>.tmp" beside the target, and only once all of it is on the disk
// does that file take the target's name. A replacer that is not committed
// removes its temporary file and leaves the target as it was.

#include "platform/mfc/CFile.h"
#include "platform/mfc/CString.h"

class CFileReplacer {
public:
    explicit CFileReplacer(const CString& target);
    ~CFileReplacer();
    CFileReplacer(const CFileReplacer&) = delete;
    CFileReplacer& operator=(const CFileReplacer&) = delete;

    // Creates the temporary file; FALSE with *error filled when it cannot.
    BOOL Open(CFileException* error = nullptr);
    // The temporary file to write into.
    CFile& File() { return m_file; }
    // Flushes and closes the temporary file and renames it over the target;
    // throws CFileException, the target untouched, when any step fails.
    void Commit();

    const CString& TempPath() const { return m_tempPath; }

private:
    CString m_target;
    CString m_tempPath;
    CFile m_file;
    bool m_created = false;
    bool m_committed = false;
};
