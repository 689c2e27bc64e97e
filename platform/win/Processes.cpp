#include "platform/win/Processes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

ProcessOutcome RunProcessAndWait(const CString& program, const QStringList& arguments,
                                 const CString& workingFolder) {
    ProcessOutcome outcome;
    QProcess process;
    process.setProgram(program.ToFilePath());
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder.ToFilePath());
    // The outside program's chatter is of no use to the user.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop,
                     [&loop, &process](QProcess::ProcessError) {
                         if (process.state() == QProcess::NotRunning)
                             loop.quit();
                     });
    process.start();
    if (!process.waitForStarted(-1))
        return outcome;
    outcome.started = true;
    if (process.state() != QProcess::NotRunning) {
        if (QCoreApplication::instance())
            // The window repaints meanwhile; clicks and keys wait, so no
            // command runs into the half-opened drawing.
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        else
            process.waitForFinished(-1);
    }
    outcome.succeeded = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return outcome;
}

CString FindProgram(const CString& program) {
    if (program.IsEmpty())
        return {};
    const QString name = program.ToFilePath();
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo info(name);
        return info.isFile() && info.isExecutable() ? program : CString();
    }
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? CString() : CString::FromFilePath(found);
}
