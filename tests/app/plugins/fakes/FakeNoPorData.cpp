// A library that describes a file type but cannot read it. Its bare star
// names no extension.

#include "tests/app/plugins/fakes/FakeExport.h"

FAKE_EXPORT const char* VP_GetFilterComment();
FAKE_EXPORT const char* VP_GetFilterExt();

const char* VP_GetFilterComment() {
    return "No data";
}

const char* VP_GetFilterExt() {
    return "*.nop;*";
}
