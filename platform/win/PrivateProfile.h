#pragma once
// Reading an INI file of one's own, as a plug-in reads the settings file
// beside itself: sections and keys compared without regard to case.

#include "platform/win/WinTypes.h"

// The value's leading integer (an optional sign, then digits; 0 when it has
// none); the default when the file, the section or the key is missing.
UINT GetPrivateProfileIntA(const char* section, const char* key, int defaultValue,
                           const char* fileName);
