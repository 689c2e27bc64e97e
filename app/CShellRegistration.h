#pragma once
// Makes the desktop know the program: a desktop entry that opens files with
// it and the MIME types of its file types, written into the user's data
// folder ($XDG_DATA_HOME, else ~/.local/share).
#include <QString>

class CShellRegistration {
public:
    // The data folder the entries go to.
    static QString DataFolder();
    // Writes the MIME types and the desktop entry; false when a file cannot
    // be written, and, writing nothing, for a program path with a control
    // character (a line break in a folder name would add lines to the entry).
    static bool Register(const QString& dataFolder, const QString& programPath);
    // Removes both files; false when one stays.
    static bool Unregister(const QString& dataFolder);
    static QString DesktopEntryPath(const QString& dataFolder);
    static QString MimePackagePath(const QString& dataFolder);
};
