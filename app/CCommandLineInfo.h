#pragma once
// What the command line asks for. The class library's switches start with
// '/' or '-' and are matched ignoring case; every other argument, one that
// names an existing file, and every argument after "--" is a file, and the
// first file counts. Arguments are the file system's bytes, as the system
// handed them over, so any name opens as itself.
#include "platform/mfc/CString.h"

#include <QByteArrayList>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister };

    // The arguments without the program name.
    void ParseCommandLine(const QByteArrayList& arguments);

    bool m_bShowSplash = true;
    // The automation switches: the program is started as a server, which it
    // is not on this system; it starts nothing.
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    ShellCommand m_nShellCommand = FileNew;
    // Only the first file counts; a printer named after it is not used.
    CString m_strFileName;

private:
    // Applies the switch; false when the argument is no switch.
    bool ParseSwitch(const QByteArray& argument);
};
