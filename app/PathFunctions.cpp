#include "app/PathFunctions.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

// Byte offset just past the last '/', 0 when there is none.
std::size_t NameStart(const CString& path) {
    const std::size_t slash = path.str().rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

CString WithSlash(const QString& folder) {
    CString out = CString::FromFilePath(QDir::cleanPath(folder));
    if (out.IsEmpty() || out[out.GetLength() - 1] != '/')
        out += '/';
    return out;
}

} // namespace

bool FileExists(const CString& path) {
    std::error_code ec;
    return !path.IsEmpty() && std::filesystem::exists(std::filesystem::path(path.str()), ec);
}

CString GetTruePathName(const CString& path) {
    return FileExists(path) ? path : CString();
}

CString ReplaceExtension(const CString& path, const char* extension) {
    const std::string& bytes = path.str();
    const std::size_t dot = bytes.rfind('.');
    const bool hasDot = dot != std::string::npos && dot >= NameStart(path);
    return CString(hasDot ? bytes.substr(0, dot) : bytes) + extension;
}

CString GetFileTitleExt(const CString& path) {
    return CString(path.str().substr(NameStart(path)));
}

CString GetFileDir(const CString& path) {
    return CString(path.str().substr(0, NameStart(path)));
}

CString PathForDisplay(const CString& path) {
    return CString::FromQString(path.ToFilePath());
}

CString GetTempDir() {
    return WithSlash(QDir::tempPath());
}

CString GetProgramDir() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return WithSlash(QDir::currentPath());
    // The link's own bytes: a folder name need not be valid UTF-8.
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return CString(std::move(folder));
}

QString QtNameFilter(const QString& caption, const QString& patterns) {
    const QString spaced = QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
    if (caption.endsWith(shown))
        return caption.chopped(shown.size()) + QLatin1Char('(') + spaced + QLatin1Char(')');
    return caption + QStringLiteral(" (") + spaced + QLatin1Char(')');
}
