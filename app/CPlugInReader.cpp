#include "app/CPlugInReader.h"

#include "app/CStatusProgress.h"
#include "platform/win/CDialogService.h"
#include "platform/win/Modules.h"
#include "platform/win/PathFunctions.h"

#include <QStatusBar>

namespace {

using GetPORDataFunction = HGLOBAL (*)(const char* path, HWND progressWindow);

// CP932: "DLL呼び出しエラー", "読み込みエラー", "読み込み中・・・".
constexpr const char* kCallError =
    "\x44\x4C\x4C\x8C\xC4\x82\xD1\x8F\x6F\x82\xB5\x83\x47\x83\x89\x81\x5B";
constexpr const char* kReadError = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";
constexpr const char* kReading = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x92\x86\x81\x45\x81\x45\x81\x45";

} // namespace

CPlugInReader::CPlugInReader(QStatusBar* statusBar) : m_statusBar(statusBar) {}

HGLOBAL CPlugInReader::GetPORData(const CString& libraryName, const CString& drawingPath,
                                  const CString& shownPath) const {
    if (!FileExists(drawingPath))
        return nullptr;
    HMODULE module = LoadLibraryA(libraryName);
    if (!module) {
        AfxMessageBox(kCallError);
        return nullptr;
    }
    auto getPORData = reinterpret_cast<GetPORDataFunction>(GetProcAddress(module, "VP_GetPORData"));
    if (!getPORData) {
        AfxMessageBox(kCallError);
        FreeLibrary(module);
        return nullptr;
    }
    CStatusProgress progress(m_statusBar);
    progress.ShowInPane(0, kReading, 0);
    HGLOBAL block = getPORData(drawingPath, progress.GetSafeHwnd());
    progress.SetPaneText(0, "");
    progress.DestroyWindow();
    FreeLibrary(module);
    // The text stays first; the file follows, so that a user who opened
    // several knows which one failed.
    if (!block)
        AfxMessageBox(kReadError +
                      ("\n" + PathForDisplay(shownPath.IsEmpty() ? drawingPath : shownPath)));
    return block;
}
