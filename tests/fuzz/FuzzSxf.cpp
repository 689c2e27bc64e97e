// libFuzzer target: an input is an SXF drawing (".sfc" or ".p21" as the
// target is built), converted through the plug-in's export as the program
// calls it.
#include "FuzzEnvironment.h"
#include "platform/win/GlobalMemory.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" HGLOBAL VP_GetPORData(const char* path, HWND progressWindow);

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzEnvironment::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CString path = FuzzEnvironment::PathOf("plan" ZUMEO_SXF_EXTENSION);
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    if (HGLOBAL block = VP_GetPORData(path.c_str(), nullptr))
        GlobalFree(block);
    return 0;
}
