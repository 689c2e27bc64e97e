#include "platform/mfc/CFileException.h"

#include "platform/win/PathFunctions.h"

#include <cerrno>
#include <cstring>

namespace {

const char* CauseText(int cause) {
    switch (cause) {
    case CFileException::none:
        return "no error";
    case CFileException::genericException:
        return "unspecified error";
    case CFileException::fileNotFound:
        return "file not found";
    case CFileException::badPath:
        return "bad path";
    case CFileException::tooManyOpenFiles:
        return "too many open files";
    case CFileException::accessDenied:
        return "access denied";
    case CFileException::invalidFile:
        return "invalid file";
    case CFileException::removeCurrentDir:
        return "cannot remove the current folder";
    case CFileException::directoryFull:
        return "folder full";
    case CFileException::badSeek:
        return "bad seek";
    case CFileException::hardIO:
        return "hardware I/O error";
    case CFileException::sharingViolation:
        return "sharing violation";
    case CFileException::lockViolation:
        return "lock violation";
    case CFileException::diskFull:
        return "disk full";
    case CFileException::endOfFile:
        return "end of file";
    default:
        return "unknown cause";
    }
}

std::string Describe(int cause, LONG osError, const char* fileName) {
    std::string text = std::string("file error ") + std::to_string(cause) + ": " + CauseText(cause);
    if (osError > 0)
        text += std::string(" [") + std::strerror(osError) + "]";
    if (fileName && *fileName)
        // The text is shown in a message box, which reads CP932.
        text += " (" + PathForDisplay(fileName).str() + ")";
    return text;
}

} // namespace

CFileException::CFileException(int cause, LONG osError, const char* fileName)
    : CException(Describe(cause, osError, fileName)), m_cause(cause), m_lOsError(osError),
      m_strFileName(fileName) {}

int CFileException::OsErrorToException(LONG osError) {
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    case EIO:
        return hardIO;
    case ESPIPE:
        return badSeek;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(LONG osError, const char* fileName) {
    throw CFileException(OsErrorToException(osError), osError, fileName);
}

void AfxThrowFileException(int cause, LONG osError, const char* fileName) {
    throw CFileException(cause, osError, fileName);
}
