#include "app/CWorkFile.h"

#include "platform/mfc/Cp932.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A holder that removes the file between our open and our lock makes us
// retry; more rounds than this mean the folder is contended and we give up.
constexpr int kLockAttempts = 8;

} // namespace

CWorkFile::~CWorkFile() {
    Remove();
}

BOOL CWorkFile::Create(const CString& path) {
    Remove();
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        if (!m_file.Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite |
                                   CFile::shareExclusive))
            return FALSE;
        if (::flock(m_file.m_hFile, LOCK_EX | LOCK_NB) != 0) {
            m_file.Abort();
            return FALSE;
        }
        if (IsStillAtPath())
            return TRUE;
        m_file.Abort();
    }
    return FALSE;
}

void CWorkFile::Remove() {
    if (!m_file.IsOpen())
        return;
    ::unlink(Cp932::ToUtf8(m_file.GetFilePath().view()).c_str());
    m_file.Abort();
}

bool CWorkFile::IsStillAtPath() const {
    struct stat held {};
    struct stat named {};
    if (::fstat(m_file.m_hFile, &held) != 0 ||
        ::stat(Cp932::ToUtf8(m_file.GetFilePath().view()).c_str(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}
