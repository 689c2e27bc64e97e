#pragma once
// What every fuzz target needs before its first input: a Qt application on
// the offscreen platform, and a folder for the files an input becomes.

#include "platform/mfc/CString.h"

#include <QApplication>
#include <QTemporaryDir>

namespace FuzzEnvironment {

inline void Start(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer ends the process with exit(), and by the
    // time a static application would be destroyed, the Qt objects its
    // destructor tears down (fonts, the platform plug-in) may be gone.
    static auto* application = new QApplication(*argc, *argv);
    (void)application;
}

// "<a folder of this run>/<name>".
inline CString PathOf(const char* name) {
    static QTemporaryDir folder;
    return CString::FromFilePath(folder.path()) + "/" + name;
}

} // namespace FuzzEnvironment
