// libFuzzer target: an input is a metafile (enhanced, Windows or placeable
// Windows), loaded and played into a small picture.
#include "FuzzEnvironment.h"
#include "entities/CMetaFile.h"
#include "platform/gdi/CImageDC.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzEnvironment::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CString path = FuzzEnvironment::PathOf("drawing.wmf");
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    CMetaFile metafile;
    if (metafile.LoadFile(path.c_str())) {
        QImage surface(64, 48, QImage::Format_RGB32);
        CImageDC dc(surface);
        metafile.Draw(&dc, 0, 0, 64, 48);
    }
    return 0;
}
