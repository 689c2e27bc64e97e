// The exports the program binds by name: the SXF import as a POR block.
// Nothing thrown leaves them, and the conversion shows nothing: what it
// leaves out is counted in the block's header for the program to tell.

#include "platform/mfc/CString.h"
#include "platform/win/CDialogService.h"
#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/CSxfSettings.h"
#include "plugins/sxf/SxfInputFolder.h"
#include "por/PorPlugInExports.h"

#include <dlfcn.h>
#include <string>

namespace {

// The settings file lies beside this module, named after it.
std::string SettingsPath() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&VP_GetPORData), &info) || !info.dli_fname) {
        return {};
    }
    return CSxfSettings::IniPathBeside(info.dli_fname);
}

} // namespace

HGLOBAL VP_GetPORData(const char* path, HWND progressWindow) {
    if (!path) {
        return nullptr;
    }
    try {
        CSxfReader reader(progressWindow, CSxfSettings::Read(SettingsPath()));
        SxfInputFolder::SetFrom(path);
        return reader.MakePORData(path);
    } catch (...) {
        // Out of memory or worse: the program reports a drawing it could not read.
        return nullptr;
    }
}

// The plug-in keeps no settings of its own to edit: the box only says so.
int VP_Config() {
    // "RukJWC.DLL の設定ダイアログ" and "***設定内容等はレジストリやINIに保存***".
    const CString text =
        "RukJWC.DLL \x82\xCC\x90\xDD\x92\xE8\x83_\x83\x43\x83\x41\x83\x8D\x83O\n"
        "***\x90\xDD\x92\xE8\x93\xE0\x97\x65\x93\x99\x82\xCD\x83\x8C\x83W\x83X\x83g"
        "\x83\x8A\x82\xE2INI\x82\xC9\x95\xDB\x91\xB6***";
    // "設定ダイアログ"
    const CString caption = "\x90\xDD\x92\xE8\x83_\x83\x43\x83\x41\x83\x8D\x83O";
    CDialogService::Current().MessageBox(text, caption, MB_OKCANCEL);
    return 0;
}

// "Zumeo SXF(sfc/p21) 取り込みDLL version 3.0" in CP932.
const char* VP_GetVersion() {
    return "Zumeo SXF(sfc/p21) \x8E\xE6\x82\xE8\x8D\x9E\x82\xDD"
           "DLL version 3.0";
}

const char* VP_GetFilterExt() {
    return "*.sfc;*.p21";
}

// "SXF ファイル" in CP932.
const char* VP_GetFilterComment() {
    return "SXF \x83t\x83@\x83\x43\x83\x8B";
}
