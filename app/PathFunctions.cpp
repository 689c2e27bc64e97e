#include "app/PathFunctions.h"

#include "platform/mfc/Cp932.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

// Byte offset just past the last '/', 0 when there is none.
int NameStart(const CString& path) {
    return path.ReverseFind('/') + 1;
}

CString WithSlash(const QString& folder) {
    CString out = CString::FromQString(QDir::cleanPath(folder));
    if (out.IsEmpty() || out[out.GetLength() - 1] != '/')
        out += '/';
    return out;
}

} // namespace

bool FileExists(const CString& path) {
    std::error_code ec;
    return !path.IsEmpty() &&
           std::filesystem::exists(std::filesystem::path(Cp932::ToUtf8(path.view())), ec);
}

CString GetTruePathName(const CString& path) {
    return FileExists(path) ? path : CString();
}

CString ReplaceExtension(const CString& path, const char* extension) {
    int start = NameStart(path);
    int dot = path.Mid(start).ReverseFind('.');
    CString stem = dot < 0 ? path : path.Left(start + dot);
    return stem + extension;
}

CString GetFileTitleExt(const CString& path) {
    return path.Mid(NameStart(path));
}

CString GetFileDir(const CString& path) {
    return path.Left(NameStart(path));
}

CString GetTempDir() {
    return WithSlash(QDir::tempPath());
}

CString GetProgramDir() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return WithSlash(QDir::currentPath());
    return WithSlash(QString::fromStdString(exe.parent_path().string()));
}
