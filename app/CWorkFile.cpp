#include "app/CWorkFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A holder that removes the file between our open and our lock makes us
// retry; more rounds than this mean the folder is contended and we give up.
constexpr int kLockAttempts = 8;

// Never through a link, and never waiting on a pipe.
constexpr int kOpenFlags = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

} // namespace

CWorkFile::~CWorkFile() {
    Remove();
}

BOOL CWorkFile::Create(const CString& path) {
    Remove();
    m_nameTaken = false;
    if (path.IsEmpty())
        return FALSE;
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        Attempt result = CreateNew(path);
        if (result == Attempt::Retry)
            result = TakeOver(path);
        if (result == Attempt::Held)
            return TRUE;
        if (result == Attempt::Refused)
            return FALSE;
    }
    return FALSE;
}

CWorkFile::Attempt CWorkFile::CreateNew(const CString& path) {
    // Exclusive creation also refuses a dangling link of that name, which
    // would otherwise create the link's target.
    const int fd = ::open(path.c_str(), kOpenFlags | O_CREAT | O_EXCL, 0666);
    if (fd >= 0)
        return Hold(fd, path);
    return errno == EEXIST ? Attempt::Retry : Attempt::Refused;
}

CWorkFile::Attempt CWorkFile::TakeOver(const CString& path) {
    const int fd = ::open(path.c_str(), kOpenFlags);
    if (fd < 0) {
        if (errno == ENOENT)
            return Attempt::Retry; // removed meanwhile: create it again
        m_nameTaken = errno == ELOOP || errno == ENXIO || errno == EISDIR;
        return Attempt::Refused;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != 0) {
        ::close(fd);
        m_nameTaken = true;
        return Attempt::Refused;
    }
    return Hold(fd, path);
}

CWorkFile::Attempt CWorkFile::Hold(int fd, const CString& path) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return Attempt::Refused;
    }
    m_file.m_hFile = fd;
    m_file.m_bCloseOnDelete = TRUE;
    m_file.SetFilePath(path);
    if (IsStillAtPath())
        return Attempt::Held;
    m_file.Abort();
    return Attempt::Retry;
}

void CWorkFile::Remove() {
    if (!m_file.IsOpen())
        return;
    if (IsStillAtPath())
        ::unlink(m_file.GetFilePath().c_str());
    m_file.Abort();
}

bool CWorkFile::IsStillAtPath() const {
    struct stat held {};
    struct stat named {};
    if (::fstat(m_file.m_hFile, &held) != 0 || ::lstat(m_file.GetFilePath().c_str(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}
