#pragma once
// The files of one folder that the folder dialogs offer: the names that
// match the pattern of the chosen kind and, where the pattern takes every
// name, only those whose extension names the kind (or any known kind).
// Only files are listed, never folders, sorted by name.

#include "platform/mfc/CString.h"

#include <QStringList>
#include <span>

// One entry of a kind combo: its text, the kind (its item data) and the
// pattern searched. Kind 0 stands for every known kind.
struct CFileKindEntry {
    const char* text;
    int kind;
    const char* pattern;
    // Shown only when the DWG converter is there.
    bool needsConverter = false;
};

// The kind of a file by its extension, regardless of case, when the
// entries offer it; 0 otherwise.
int FileKindOf(const QString& name, std::span<const CFileKindEntry> entries);

QStringList ListFolderFiles(const CString& folder, const CFileKindEntry& entry,
                            std::span<const CFileKindEntry> entries);

// The folder and the file name joined by exactly one separator.
CString JoinFolderPath(const CString& folder, const QString& name);

// The entry of the kind, or the first entry for a kind the table lacks.
const CFileKindEntry& KindEntryOf(std::span<const CFileKindEntry> entries, int kind);
