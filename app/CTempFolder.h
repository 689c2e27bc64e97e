#pragma once
// Private scratch folders of the program in the temporary folder, named
// "zumeo-" and six random characters. Only such a folder can be deleted
// with its files: a path that names anything else is refused, so a wrong
// argument can never empty a user's folder.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CTempFolder {
public:
    // A new empty folder readable by this user only, ending in '/'; empty
    // when it cannot be made.
    static CString Create();
    // Deletes the files (not subfolders) of a folder that Create made, then
    // the folder; TRUE when the folder is gone.
    static BOOL DeleteFolder(const CString& path);
};
