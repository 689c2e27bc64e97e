#include "platform/mfc/CFile.h"

#include "platform/win/PathFunctions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::CFile() = default;

CFile::CFile(const char* fileName, UINT openFlags) {
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw error;
}

CFile::~CFile() {
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(const char* fileName, UINT openFlags, CFileException* error) {
    if (m_hFile != hFileNull)
        Abort();
    m_strFileName = fileName;

    int flags = O_CLOEXEC;
    switch (openFlags & 3) {
    case modeRead:
        flags |= O_RDONLY;
        break;
    case modeWrite:
        flags |= O_WRONLY;
        break;
    case modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        if (error)
            *error = CFileException(CFileException::genericException, EINVAL, fileName);
        return FALSE;
    }
    if (openFlags & modeCreate) {
        flags |= O_CREAT;
        if (!(openFlags & modeNoTruncate))
            flags |= O_TRUNC;
    }

    // Without O_NONBLOCK, opening a pipe waits for the other end for ever.
    const std::string path = fileName ? fileName : "";
    int fd = path.empty() ? -1 : ::open(path.c_str(), flags | O_NONBLOCK, 0666);
    int err = path.empty() ? ENOENT : errno;
    struct stat opened {};
    if (fd >= 0) {
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            err = S_ISDIR(opened.st_mode) ? EISDIR : EACCES;
            ::close(fd);
            fd = -1;
        } else {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        }
    }
    if (fd < 0) {
        int cause = CFileException::OsErrorToException(err);
        if (err == ENOENT && !path.empty()) {
            // As on Windows: a missing folder is a bad path, a missing file is not found.
            const std::string named = GetFileDir(CString(path)).str();
            const std::string folder = named.empty() ? std::string(".") : named;
            struct stat st;
            if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
                cause = CFileException::badPath;
        }
        if (error)
            *error = CFileException(cause, err, fileName);
        return FALSE;
    }
    m_readLimit =
        (openFlags & 3) == modeRead ? static_cast<ULONGLONG>(opened.st_size) : kNoReadLimit;
    m_hFile = fd;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::ThrowLastError() const {
    CFileException::ThrowOsError(errno, m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count) {
    if (m_hFile == hFileNull)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    if (m_readLimit != kNoReadLimit) {
        const ULONGLONG position = GetPosition();
        const ULONGLONG left = position < m_readLimit ? m_readLimit - position : 0;
        count = static_cast<UINT>(std::min<ULONGLONG>(count, left));
    }
    auto* p = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::read(m_hFile, p + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError();
        }
        if (n == 0)
            break;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, UINT count) {
    if (m_hFile == hFileNull)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    const auto* p = static_cast<const char*>(buffer);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::write(m_hFile, p + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError();
        }
        if (n == 0)
            CFileException::ThrowOsError(ENOSPC, m_strFileName);
        done += static_cast<UINT>(n);
    }
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
    if (m_hFile == hFileNull)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    int whence = from == current ? SEEK_CUR : from == end ? SEEK_END : SEEK_SET;
    off_t pos = ::lseek(m_hFile, static_cast<off_t>(offset), whence);
    if (pos < 0)
        throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const {
    if (m_hFile == hFileNull)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    struct stat st;
    if (::fstat(m_hFile, &st) != 0)
        ThrowLastError();
    return static_cast<ULONGLONG>(st.st_size);
}

void CFile::SetLength(ULONGLONG newLength) {
    if (m_hFile == hFileNull)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    if (::ftruncate(m_hFile, static_cast<off_t>(newLength)) != 0)
        ThrowLastError();
}

ULONGLONG CFile::GetPosition() const {
    if (m_hFile == hFileNull)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0)
        ThrowLastError();
    return static_cast<ULONGLONG>(pos);
}

void CFile::Flush() {
    if (m_hFile == hFileNull)
        return;
    if (::fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS)
        ThrowLastError();
}

void CFile::Close() {
    if (m_hFile == hFileNull)
        return;
    int fd = m_hFile;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (::close(fd) != 0 && errno != EINTR)
        ThrowLastError();
}

void CFile::Abort() {
    if (m_hFile == hFileNull)
        return;
    ::close(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

CString CFile::GetFileName() const {
    return GetFileTitleExt(m_strFileName);
}

void CFile::Rename(const char* oldName, const char* newName) {
    if (::rename(oldName ? oldName : "", newName ? newName : "") != 0)
        CFileException::ThrowOsError(errno, oldName);
}

void CFile::Remove(const char* fileName) {
    if (::unlink(fileName ? fileName : "") != 0)
        CFileException::ThrowOsError(errno, fileName);
}
