#pragma once
// Outside programs: the CreateProcess-and-wait pair over QProcess. The
// program is started without a window, with the arguments as a list (no
// shell parses them), and waited for without a time limit while the user
// interface keeps painting.

#include "platform/mfc/CString.h"

#include <QStringList>

struct ProcessOutcome {
    // False when the program could not be started at all.
    bool started = false;
    // True when it ran to its end by itself with exit status 0.
    bool succeeded = false;
};

// Runs the program (a path, or a name looked up on PATH) in the folder and
// waits for it to end.
ProcessOutcome RunProcessAndWait(const CString& program, const QStringList& arguments,
                                 const CString& workingFolder);

// The program's full path: a path with a folder as it is when that file is
// executable, a bare name looked up on PATH; empty when there is none.
CString FindProgram(const CString& program);
