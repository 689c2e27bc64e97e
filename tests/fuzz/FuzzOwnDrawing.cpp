// libFuzzer target: an input is a drawing file ".zmd".
#include "FuzzEnvironment.h"
#include "tests/support/ReaderFeeds.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzEnvironment::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CZumeoDoc document;
    ReaderFeeds::OwnDrawing(document, {data, size});
    return 0;
}
