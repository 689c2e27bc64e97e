#include "platform/win/PathFunctions.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

// Byte offset just past the last '/', 0 when there is none.
std::size_t NameStart(const CString& path) {
    const std::size_t slash = path.str().rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// Byte offset of the file name's last '.', the path's length when the name
// has none.
std::size_t ExtensionStart(const CString& path) {
    const std::size_t dot = path.str().rfind('.');
    return dot != std::string::npos && dot >= NameStart(path) ? dot : path.str().size();
}

// Only ASCII letters fold: every other byte may be part of a longer
// character and stays as it is.
char FoldAscii(unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
}

bool EqualFoldingAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldAscii(static_cast<unsigned char>(x)) ==
                      FoldAscii(static_cast<unsigned char>(y));
           });
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
    return CString(path.str().substr(0, ExtensionStart(path))) + extension;
}

CString GetFileExt(const CString& path) {
    return CString(path.str().substr(ExtensionStart(path)));
}

bool HasExtension(const CString& path, const char* extension) {
    return EqualFoldingAscii(GetFileExt(path).str(), extension);
}

bool HasFileName(const CString& path, const char* name) {
    return EqualFoldingAscii(std::string_view(path.str()).substr(NameStart(path)), name);
}

CString GetAbsolutePath(const CString& path) {
    if (path.IsEmpty())
        return path;
    std::error_code ec;
    const std::filesystem::path absolute =
        std::filesystem::absolute(std::filesystem::path(path.str()), ec);
    return ec ? path : CString(absolute.string());
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

CString StoredFileName(const CString& path) {
    return PathForDisplay(GetFileTitleExt(path));
}

CString FileNameFromStored(const CString& stored) {
    // The stored text is CP932, where a trail byte can be '\\': it is cut
    // as CP932.
    const int slash = std::max(stored.ReverseFind('/'), stored.ReverseFind('\\'));
    return CString::FromFilePath(stored.Mid(slash + 1).ToQString());
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
