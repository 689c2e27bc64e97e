// A library with a pattern list but no caption.

#include "tests/app/plugins/fakes/FakeExport.h"

FAKE_EXPORT const char* VP_GetFilterExt();

const char* VP_GetFilterExt() {
    return "*.ext";
}
