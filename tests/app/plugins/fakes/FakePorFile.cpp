// A plug-in whose drawings are POR data already: it hands over the file's
// bytes as they are, so a test writes the block it wants the program to
// get. An empty or unreadable file gives no block.

#include "platform/win/GlobalMemory.h"
#include "tests/app/plugins/fakes/FakeExport.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

FAKE_EXPORT const char* VP_GetFilterComment();
FAKE_EXPORT const char* VP_GetFilterExt();
FAKE_EXPORT HGLOBAL VP_GetPORData(const char* path, HWND progressWindow);

const char* VP_GetFilterComment() {
    return "POR data";
}

const char* VP_GetFilterExt() {
    return "*.por";
}

HGLOBAL VP_GetPORData(const char* path, HWND) {
    // The tests name their files in ASCII: the CP932 path is the file name.
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    if (bytes.empty())
        return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, bytes.size());
    if (void* data = GlobalLock(block)) {
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    return block;
}
