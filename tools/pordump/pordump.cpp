// pordump [--summary] <plug-in library> <drawing>: prints the POR block that
// an import plug-in makes of a drawing, or "null" (exit status 1) when it
// makes none.

#include "platform/mfc/Cp932.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/WinTypes.h"
#include "tools/pordump/PorDumper.h"

#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <string_view>

namespace {

using GetPORData = HGLOBAL (*)(const char* path, HWND progressWindow);

int Usage() {
    std::fputs("usage: pordump [--summary] <plug-in library> <drawing>\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int first = 1;
    const bool summary = argc > 1 && std::string_view(argv[1]) == "--summary";
    if (summary) {
        ++first;
    }
    if (argc - first != 2) {
        return Usage();
    }
    void* library = dlopen(argv[first], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "pordump: %s\n", dlerror());
        return 2;
    }
    const auto getPorData = reinterpret_cast<GetPORData>(dlsym(library, "VP_GetPORData"));
    if (!getPorData) {
        std::fprintf(stderr, "pordump: %s has no VP_GetPORData\n", argv[first]);
        dlclose(library);
        return 2;
    }
    // The plug-ins take CP932 paths, as the program hands them over.
    const std::string path = Cp932::FromUtf8(argv[first + 1]);
    HGLOBAL block = getPorData(path.c_str(), nullptr);
    if (!block) {
        std::puts("null");
        dlclose(library);
        return 1;
    }
    const std::string text = summary ? PorDumper::Summary(block) : PorDumper::Dump(block);
    GlobalFree(block);
    dlclose(library);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
