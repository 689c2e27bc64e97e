#pragma once
// A private temporary folder for the length of one task: made empty when the
// object is made, deleted with its files when it goes.

#include "app/CTempFolder.h"

class CScratchFolder {
public:
    CScratchFolder() : m_path(CTempFolder::Create()) {}
    ~CScratchFolder() {
        if (!m_path.IsEmpty())
            CTempFolder::DeleteFolder(m_path);
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // The folder, ending in '/'; empty when it could not be made.
    const CString& Path() const { return m_path; }

private:
    CString m_path;
};
