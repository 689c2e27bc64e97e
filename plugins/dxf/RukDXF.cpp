// The exports the program binds by name: the DXF import as a POR block.
// Nothing thrown leaves them, and they show nothing: what a conversion
// leaves out is counted in the block's header for the program to tell.

#include "plugins/dxf/CDxfReader.h"
#include "por/PorPlugInExports.h"

HGLOBAL VP_GetPORData(const char* path, HWND progressWindow) {
    try {
        return CDxfReader(progressWindow).GetPORData(path);
    } catch (...) {
        // Out of memory or worse: the program reports a drawing it could not read.
        return nullptr;
    }
}

int VP_Config() {
    return 0;
}

// CP932, as every text the program stores: "Zumeo DXF 取り込みDLL version 3.0".
const char* VP_GetVersion() {
    return "Zumeo DXF \x8E\xE6\x82\xE8\x8D\x9E\x82\xDD"
           "DLL version 3.0";
}

const char* VP_GetFilterExt() {
    return "*.dxf";
}

// "DXF ファイル" in CP932.
const char* VP_GetFilterComment() {
    return "DXF \x83\x74\x83\x40\x83\x43\x83\x8B";
}
