#include "platform/mfc/CFileReplacer.h"

CFileReplacer::CFileReplacer(const CString& target)
    : m_target(target), m_tempPath(target + ".tmp") {}

CFileReplacer::~CFileReplacer() {
    if (m_committed)
        return;
    m_file.Abort();
    if (!m_created)
        return;
    try {
        CFile::Remove(m_tempPath.c_str());
    } catch (const CFileException&) {
        // A temporary file that cannot be removed harms no good copy.
    }
}

BOOL CFileReplacer::Open(CFileException* error) {
    m_created = m_file.Open(m_tempPath.c_str(),
                            CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, error);
    return m_created ? TRUE : FALSE;
}

void CFileReplacer::Commit() {
    m_file.Flush();
    m_file.Close();
    CFile::Rename(m_tempPath.c_str(), m_target.c_str());
    m_committed = true;
}
