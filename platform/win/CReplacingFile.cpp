#include "platform/win/CReplacingFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

CReplacingFile::CReplacingFile(const char* path) : m_target(path ? path : "") {
    if (m_target.empty())
        return;
    std::string name = m_target + ".XXXXXX";
    m_descriptor = mkstemp(name.data());
    if (m_descriptor < 0)
        return;
    m_temporary = name;
    // The permissions a new file would get, not mkstemp's private ones.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(m_descriptor, 0666 & ~mask);
}

CReplacingFile::~CReplacingFile() {
    if (m_descriptor >= 0)
        close(m_descriptor);
    if (!m_temporary.empty())
        std::remove(m_temporary.c_str());
}

bool CReplacingFile::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (m_descriptor >= 0 && !m_failed && size > 0) {
        const ssize_t written = ::write(m_descriptor, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_failed = true;
            break;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return m_descriptor >= 0 && !m_failed;
}

bool CReplacingFile::Commit() {
    if (m_descriptor < 0)
        return false;
    const bool synced = fsync(m_descriptor) == 0;
    const bool closed = close(m_descriptor) == 0;
    m_descriptor = -1;
    if (m_failed || !synced || !closed)
        return false;
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return false;
    m_temporary.clear();
    return true;
}
