#pragma once
// The application profile: the program's settings in sections and keys, kept
// in an INI file under the user's config folder (organisation "Pelcorp,inc.",
// application "Zumeo"). Text values are CP932 in the program and UTF-8 in
// the file.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class QString;

class CProfile {
public:
    // A missing key, or one whose value is not a whole number, gives the default.
    static UINT GetProfileInt(const char* section, const char* key, int defaultValue);
    static CString GetProfileString(const char* section, const char* key,
                                    const char* defaultValue = "");
    static BOOL WriteProfileInt(const char* section, const char* key, int value);
    static BOOL WriteProfileString(const char* section, const char* key, const char* value);
    // A file path, as the file system's bytes (not CP932): kept as text when
    // the bytes are text, else as the bytes themselves, so that every name
    // comes back as it went in. Empty for a missing key.
    static CString GetProfilePath(const char* section, const char* key);
    static BOOL WriteProfilePath(const char* section, const char* key, const CString& path);

    // Writes pending changes to the file.
    static void Flush();
    // Keeps the profile in another folder from now on (the tests use a temporary one).
    static void SetFolder(const QString& folder);
};
