// libFuzzer target: an input is a drawing (named as the target is built:
// ".dxf", ".sfc" or ".p21"), converted through the export of the plug-in
// linked in, as the program calls it.
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
    const CString path = FuzzEnvironment::PathOf("plan" ZUMEO_FUZZ_EXTENSION);
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    if (HGLOBAL block = VP_GetPORData(path.c_str(), nullptr))
        GlobalFree(block);
    return 0;
}
