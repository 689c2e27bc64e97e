#pragma once
// Path helpers used across the program. Paths are CP932 like every other
// text of the program (UTF-8 only at the file system); folders end in '/'.

#include "platform/mfc/CString.h"

bool FileExists(const CString& path);
// The path of an existing file as the file system spells it; empty for a
// missing file. Names are case-sensitive here, so a path that exists comes
// back as given.
CString GetTruePathName(const CString& path);
// The path with the extension of its file name replaced by extension (which
// brings its own dot); a name without one gets the extension appended.
CString ReplaceExtension(const CString& path, const char* extension);
// File name and extension.
CString GetFileTitleExt(const CString& path);
// The folder of the path, ending in '/'; empty when the path names no folder.
CString GetFileDir(const CString& path);
// The temporary folder, ending in '/'.
CString GetTempDir();
// The folder of the running program, ending in '/'.
CString GetProgramDir();
