#pragma once
// The work file "<name>.$$$" beside an open drawing. Holding it open under
// an advisory lock marks the drawing as being edited: a second opener, in
// this process or another, cannot take the lock and works read-only. The
// lock dies with the process, so a file left by a killed program is simply
// taken over.

#include "platform/mfc/CFile.h"
#include "platform/mfc/CString.h"

class CWorkFile {
public:
    CWorkFile() = default;
    ~CWorkFile();
    CWorkFile(const CWorkFile&) = delete;
    CWorkFile& operator=(const CWorkFile&) = delete;

    // Creates the file or takes over an unlocked one and holds it; FALSE
    // when another opener holds it or the folder is not writable. A file
    // held before is released first.
    BOOL Create(const CString& path);
    // Removes the file while still holding it, then closes it; errors are
    // ignored. Nothing happens when no file is held.
    void Remove();

    bool IsOpen() const { return m_file.IsOpen(); }

private:
    // True when the locked descriptor is still the file at the path, not
    // one that its previous holder removed meanwhile.
    bool IsStillAtPath() const;

    CFile m_file;
};
