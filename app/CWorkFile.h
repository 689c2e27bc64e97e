#pragma once
// The work file "<name>.$$$" beside an open drawing. Holding it open under
// an advisory lock marks the drawing as being edited: a second opener, in
// this process or another, cannot take the lock and works read-only. The
// lock dies with the process, so a file left by a killed program is taken
// over: an empty regular file that nobody holds. Anything else of that name
// (a file with content, a link, a folder, a pipe) is the user's: it is
// neither opened for writing nor removed, and the drawing stays read-only.

#include "platform/mfc/CFile.h"
#include "platform/mfc/CString.h"

class CWorkFile {
public:
    CWorkFile() = default;
    ~CWorkFile();
    CWorkFile(const CWorkFile&) = delete;
    CWorkFile& operator=(const CWorkFile&) = delete;

    // Creates the file or takes over a left-over one and holds it; FALSE
    // when another opener holds it, the name is taken by something else
    // (IsNameTaken) or the folder is not writable. A file held before is
    // released first.
    BOOL Create(const CString& path);
    // Removes the file while still holding it, then closes it; errors are
    // ignored. Nothing happens when no file is held, and nothing is removed
    // when the path no longer names the file held.
    void Remove();

    bool IsOpen() const { return m_file.IsOpen(); }
    // True after a Create that failed because the name belongs to something
    // this program did not make.
    bool IsNameTaken() const { return m_nameTaken; }

private:
    enum class Attempt { Held, Retry, Refused };
    Attempt CreateNew(const CString& path);
    Attempt TakeOver(const CString& path);
    // Holds the descriptor when it is locked and still the file at the path.
    Attempt Hold(int fd, const CString& path);
    // True when the locked descriptor is still the file at the path, not
    // one that its previous holder removed meanwhile.
    bool IsStillAtPath() const;

    CFile m_file;
    bool m_nameTaken = false;
};
