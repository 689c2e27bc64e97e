// A complete plug-in whose POR data reports what the program gave it: the
// answers of the progress window to the messages a plug-in sends, then the
// drawing path.

#include "platform/win/GlobalMemory.h"
#include "platform/win/PlatformWindow.h"
#include "tests/app/plugins/fakes/FakeExport.h"
#include "tests/app/plugins/fakes/FakeReport.h"

#include <cstring>

FAKE_EXPORT const char* VP_GetFilterComment();
FAKE_EXPORT const char* VP_GetFilterExt();
FAKE_EXPORT HGLOBAL VP_GetPORData(const char* path, HWND progressWindow);

// CP932 "ポリライン図面": the trail byte of "ポ" is 0x7C, the filter's bar.
const char* VP_GetFilterComment() {
    return "\x83\x7C\x83\x8A\x83\x89\x83\x43\x83\x93\x90\x7D\x96\xCA";
}

const char* VP_GetFilterExt() {
    return "*.PLN;*.dxf";
}

HGLOBAL VP_GetPORData(const char* path, HWND progressWindow) {
    FakeReport report{};
    report.hadWindow = progressWindow != nullptr;
    SendMessage(progressWindow, PBM_SETRANGE32, 0, 200);
    report.rangeHigh = SendMessage(progressWindow, PBM_GETRANGE, FALSE, 0);
    SendMessage(progressWindow, PBM_SETPOS, 50, 0);
    report.position = SendMessage(progressWindow, PBM_GETPOS, 0, 0);
    SendMessage(progressWindow, PBM_SETPOS, 500, 0);
    report.clampedPosition = SendMessage(progressWindow, PBM_GETPOS, 0, 0);
    std::strncpy(report.path, path, sizeof report.path - 1);

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, sizeof report);
    if (void* data = GlobalLock(block)) {
        std::memcpy(data, &report, sizeof report);
        GlobalUnlock(block);
    }
    return block;
}
