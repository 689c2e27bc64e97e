// libFuzzer target: an input is a picture file, its first byte choosing the
// name it is read under (BMP by content, JPEG and TIFF by name), the rest
// its bytes, loaded by the raster image.
#include "FuzzEnvironment.h"
#include "image/CRasterImage.h"
#include "platform/mfc/CFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzEnvironment::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr std::array<const char*, 3> kNames{"picture.bmp", "picture.jpg", "picture.tif"};
    if (size == 0)
        return 0;
    const CString path = FuzzEnvironment::PathOf(kNames[data[0] % kNames.size()]);
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data + 1, 1, size - 1, file);
        std::fclose(file);
    }
    CFile file;
    if (file.Open(path.c_str(), CFile::modeRead)) {
        CRasterImage image;
        image.LoadFile(file, 1);
    }
    return 0;
}
