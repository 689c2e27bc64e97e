#pragma once
// Reads one drawing through an import plug-in: loads the library, asks it
// for the drawing's POR data with a progress bar in the status bar, and
// unloads it again before anything else happens.

#include "platform/mfc/CString.h"
#include "platform/win/GlobalMemory.h"

#include <QPointer>

class QStatusBar;

class CPlugInReader {
public:
    // The progress goes to the status bar; without one the plug-in gets no
    // progress window and reads all the same.
    explicit CPlugInReader(QStatusBar* statusBar);

    // The unlocked POR block the library (a name such as "RukDXF.DLL" from
    // the program's folder, or a path) makes of the drawing; the caller owns
    // it. Null when the drawing does not exist, without a message, or after
    // telling the user that the library could not be called or read nothing.
    // That message names shownPath, the file the user chose, when the
    // drawing read is a conversion of it.
    HGLOBAL GetPORData(const CString& libraryName, const CString& drawingPath,
                       const CString& shownPath = CString()) const;

private:
    QPointer<QStatusBar> m_statusBar;
};
