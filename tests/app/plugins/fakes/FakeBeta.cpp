// A plug-in that also claims "*.dxf", with empty items in its list, and reads
// nothing.

#include "platform/win/WinTypes.h"
#include "tests/app/plugins/fakes/FakeExport.h"

FAKE_EXPORT const char* VP_GetFilterComment();
FAKE_EXPORT const char* VP_GetFilterExt();
FAKE_EXPORT HGLOBAL VP_GetPORData(const char* path, HWND progressWindow);

const char* VP_GetFilterComment() {
    return "Beta";
}

const char* VP_GetFilterExt() {
    return "*.dxf;;*.bet;";
}

HGLOBAL VP_GetPORData(const char*, HWND) {
    return nullptr;
}
