#include "platform/win/Modules.h"

#include <dlfcn.h>
#include <strings.h>

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path ProgramFolder() {
    std::error_code ec;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : program.parent_path();
}

std::filesystem::path LibraryPath(const char* fileName) {
    std::filesystem::path path(fileName);
    if (strcasecmp(path.extension().c_str(), ".dll") == 0)
        path.replace_extension(".so");
    // dlopen would search the system's folders for a bare name.
    if (!path.has_parent_path())
        path = ProgramFolder() / path;
    return path;
}

} // namespace

HMODULE LoadLibraryA(const char* fileName) {
    if (!fileName || !*fileName)
        return nullptr;
    // Binding every symbol now makes a library with unresolved references
    // fail here, as a DLL does, instead of at its first call.
    void* library = dlopen(LibraryPath(fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    return static_cast<HMODULE>(library);
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
    if (!module || !procName)
        return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(module, procName));
}

BOOL FreeLibrary(HMODULE module) {
    return module && dlclose(module) == 0 ? TRUE : FALSE;
}
