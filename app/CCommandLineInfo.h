#pragma once
// What the command line asks for. Switches start with '/' or '-' and are
// matched ignoring case; the first other argument names the file.
#include <QString>
#include <QStringList>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister };

    // The arguments without the program name.
    void ParseCommandLine(const QStringList& arguments);

    bool m_bShowSplash = true;
    // The automation switches: the program is started as a server, which it
    // is not on this system; it starts nothing.
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    ShellCommand m_nShellCommand = FileNew;
    // Only the first file counts; a printer named after it is not used.
    QString m_strFileName;
};
