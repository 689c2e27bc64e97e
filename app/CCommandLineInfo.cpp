#include "app/CCommandLineInfo.h"

#include <QFileInfo>

namespace {

// Windows switches start with '/', as absolute paths do here: a slash
// argument that names a path of more than one part, or a file in the root
// folder, is a file.
bool IsSwitch(const QString& argument) {
    if (argument.startsWith(QLatin1Char('-')))
        return true;
    return argument.startsWith(QLatin1Char('/')) && argument.indexOf(QLatin1Char('/'), 1) < 0 &&
           !QFileInfo::exists(argument);
}

} // namespace

void CCommandLineInfo::ParseCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (IsSwitch(argument)) {
            const QString name = argument.mid(1).toLower();
            if (name == QLatin1String("p")) {
                m_nShellCommand = FilePrint;
            } else if (name == QLatin1String("pt")) {
                m_nShellCommand = FilePrintTo;
            } else if (name == QLatin1String("dde")) {
                m_bShowSplash = false;
                m_nShellCommand = FileDDE;
            } else if (name == QLatin1String("embedding")) {
                m_bShowSplash = false;
                m_bRunEmbedded = true;
            } else if (name == QLatin1String("automation")) {
                m_bShowSplash = false;
                m_bRunAutomated = true;
            } else if (name == QLatin1String("unregister") ||
                       name == QLatin1String("unregserver")) {
                m_nShellCommand = AppUnregister;
            }
            continue;
        }
        if (m_strFileName.isEmpty()) {
            m_strFileName = argument;
            if (m_nShellCommand == FileNew)
                m_nShellCommand = FileOpen;
        }
    }
}
