#include "platform/mfc/CArchiveException.h"

namespace {

const char* CauseText(int cause) {
    switch (cause) {
    case CArchiveException::none:
        return "no error";
    case CArchiveException::genericException:
        return "unspecified error";
    case CArchiveException::readOnly:
        return "archive is loading, cannot write";
    case CArchiveException::endOfFile:
        return "unexpected end of file";
    case CArchiveException::writeOnly:
        return "archive is storing, cannot read";
    case CArchiveException::badIndex:
        return "bad object or class index";
    case CArchiveException::badClass:
        return "unknown or unexpected class";
    case CArchiveException::badSchema:
        return "unsupported class schema";
    case CArchiveException::bufferFull:
        return "buffer full";
    default:
        return "unknown cause";
    }
}

std::string Describe(int cause, const char* fileName) {
    std::string text =
        std::string("archive error ") + std::to_string(cause) + ": " + CauseText(cause);
    if (fileName && *fileName)
        text += " (" + std::string(fileName) + ")";
    return text;
}

} // namespace

CArchiveException::CArchiveException(int cause, const char* fileName)
    : CException(Describe(cause, fileName)), m_cause(cause), m_strFileName(fileName) {}

void AfxThrowArchiveException(int cause, const char* fileName) {
    throw CArchiveException(cause, fileName);
}
