#include "app/CTempFolder.h"

#include "platform/win/PathFunctions.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kPrefix = "zumeo-";
constexpr std::string_view kRandomPart = "XXXXXX";

std::string TempDirUtf8() {
    return GetTempDir().str();
}

// The folder's name when the path is "<temp dir>/zumeo-XXXXXX" (with or
// without a trailing '/'); empty otherwise.
std::string OwnFolderName(const CString& path) {
    std::string full = path.str();
    while (full.size() > 1 && full.back() == '/')
        full.pop_back();
    const std::string dir = TempDirUtf8();
    if (full.size() <= dir.size() || full.compare(0, dir.size(), dir) != 0)
        return {};
    const std::string name = full.substr(dir.size());
    if (name.size() != kPrefix.size() + kRandomPart.size() ||
        name.compare(0, kPrefix.size(), kPrefix) != 0 || name.find('/') != std::string::npos ||
        name.find('.') != std::string::npos)
        return {};
    return name;
}

} // namespace

CString CTempFolder::Create() {
    std::string templ = TempDirUtf8() + std::string(kPrefix) + std::string(kRandomPart);
    if (!::mkdtemp(templ.data()))
        return {};
    return CString(templ) + '/';
}

BOOL CTempFolder::DeleteFolder(const CString& path) {
    const std::string name = OwnFolderName(path);
    if (name.empty())
        return FALSE;
    const int parent = ::open(TempDirUtf8().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return FALSE;
    // Opened without following a link, so the check and the deletion see
    // the same folder.
    const int folder =
        ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    if (folder < 0 || ::fstat(folder, &info) != 0 || info.st_uid != ::geteuid()) {
        if (folder >= 0)
            ::close(folder);
        ::close(parent);
        return FALSE;
    }
    DIR* entries = ::fdopendir(folder);
    if (entries) {
        while (const dirent* entry = ::readdir(entries)) {
            struct stat child {};
            if (::fstatat(folder, entry->d_name, &child, AT_SYMLINK_NOFOLLOW) == 0 &&
                !S_ISDIR(child.st_mode))
                ::unlinkat(folder, entry->d_name, 0);
        }
        ::closedir(entries);
    } else {
        ::close(folder);
    }
    const BOOL removed = ::unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0;
    ::close(parent);
    return removed;
}
