#include "plugins/sxf/CSxfSettings.h"

#include "platform/win/PathFunctions.h"
#include "platform/win/PrivateProfile.h"

namespace {

constexpr const char* Section = "PARAM";
constexpr int DefaultTextRate = 70;

} // namespace

CSxfSettings CSxfSettings::Read(const std::string& iniPath) {
    CSxfSettings settings;
    const char* file = iniPath.c_str();
    settings.penWidthRate = static_cast<int>(
        GetPrivateProfileIntA(Section, "PenWidthRate", settings.penWidthRate, file));
    settings.dashPichRate = static_cast<int>(
        GetPrivateProfileIntA(Section, "DashPichRate", settings.dashPichRate, file));
    settings.textRate =
        static_cast<int>(GetPrivateProfileIntA(Section, "TextRate", DefaultTextRate, file)) * 0.01;
    return settings;
}

std::string CSxfSettings::IniPathBeside(const std::string& modulePath) {
    return ReplaceExtension(CString(modulePath), ".ini").str();
}
