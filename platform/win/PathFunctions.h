#pragma once
// Path helpers used across the program. Paths are the file system's own
// bytes, never converted (CP932 is for the texts of drawings); folders end
// in '/'. The helpers look at bytes: '/' and '.' never stand inside another
// character of a file system name.

#include "platform/mfc/CString.h"

#include <QString>

bool FileExists(const CString& path);
// The path of an existing file as the file system spells it; empty for a
// missing file. Names are case-sensitive here, so a path that exists comes
// back as given.
CString GetTruePathName(const CString& path);
// The path with the extension of its file name replaced by extension (which
// brings its own dot); a name without one gets the extension appended. An
// empty extension gives the path without its extension.
CString ReplaceExtension(const CString& path, const char* extension);
// The extension of the file name with its dot, as spelt; empty without one.
CString GetFileExt(const CString& path);
// Whether the file name's extension is extension (".dxf"), ignoring the
// case of ASCII letters.
bool HasExtension(const CString& path, const char* extension);
// Whether the path's file name is name, ignoring the case of ASCII letters.
bool HasFileName(const CString& path, const char* name);
// The path made absolute against the current folder, so that it names the
// same file from any other folder.
CString GetAbsolutePath(const CString& path);
// File name and extension.
CString GetFileTitleExt(const CString& path);
// The folder of the path, ending in '/'; empty when the path names no folder.
CString GetFileDir(const CString& path);
// The temporary folder, ending in '/'.
CString GetTempDir();
// The folder of the running program, ending in '/'.
CString GetProgramDir();
// The path as a message shows it: CP932, with what CP932 cannot show
// replaced. For messages only; never to open a file by.
CString PathForDisplay(const CString& path);
// The file name of the path as a drawing stores it: CP932, with what CP932
// cannot hold replaced.
CString StoredFileName(const CString& path);
// The last part of a name a drawing stored (CP932, perhaps with folders of
// either separator) as the file system's bytes.
CString FileNameFromStored(const CString& stored);
// A filter as the Qt file dialog reads it: a caption that already ends in
// its patterns keeps them once, and the patterns are separated by spaces.
QString QtNameFilter(const QString& caption, const QString& patterns);
