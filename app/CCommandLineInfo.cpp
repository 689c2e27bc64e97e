#include "app/CCommandLineInfo.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace {

// The switches of the class library and what each sets.
struct Switch {
    const char* name;
    CCommandLineInfo::ShellCommand command; // FileNew: the command stays
    bool hidesSplash;
    bool embedded;
    bool automated;
};

constexpr std::array<Switch, 8> kSwitches{{
    {"p", CCommandLineInfo::FilePrint, false, false, false},
    {"pt", CCommandLineInfo::FilePrintTo, false, false, false},
    {"dde", CCommandLineInfo::FileDDE, true, false, false},
    {"embedding", CCommandLineInfo::FileNew, true, true, false},
    {"automation", CCommandLineInfo::FileNew, true, false, true},
    {"unregister", CCommandLineInfo::AppUnregister, false, false, false},
    {"unregserver", CCommandLineInfo::AppUnregister, false, false, false},
    // Handled by the start-up on the whole line; alone it is no file.
    {"regserver", CCommandLineInfo::FileNew, false, false, false},
}};

} // namespace

bool CCommandLineInfo::ParseSwitch(const QByteArray& argument) {
    if (!argument.startsWith('/') && !argument.startsWith('-'))
        return false;
    // A file of that name wins: "/p" in the root folder, "-plan.dxf" here.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::path(argument.toStdString()), ec))
        return false;
    const QByteArray name = argument.mid(1).toLower();
    for (const Switch& entry : kSwitches) {
        if (name != entry.name)
            continue;
        if (entry.command != FileNew)
            m_nShellCommand = entry.command;
        m_bShowSplash = m_bShowSplash && !entry.hidesSplash;
        m_bRunEmbedded = m_bRunEmbedded || entry.embedded;
        m_bRunAutomated = m_bRunAutomated || entry.automated;
        return true;
    }
    return false;
}

void CCommandLineInfo::ParseCommandLine(const QByteArrayList& arguments) {
    bool switchesEnded = false;
    for (const QByteArray& argument : arguments) {
        if (!switchesEnded && argument == "--") {
            switchesEnded = true;
            continue;
        }
        if (!switchesEnded && ParseSwitch(argument))
            continue;
        if (m_strFileName.IsEmpty()) {
            m_strFileName = CString(argument.toStdString());
            if (m_nShellCommand == FileNew)
                m_nShellCommand = FileOpen;
        }
    }
}
