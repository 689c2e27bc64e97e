#pragma once
// The 16-byte header of the program's own files: four magic characters, the
// version and two zero words. Files from before the header begin directly
// with their lists; they read as version 0.

#include "platform/win/WinTypes.h"

class CArchive;

class CDocFileHeader {
public:
    static constexpr const char* kOwnDrawingMagic = "RukD";
    static constexpr const char* kControlMagic = "RukC";
    // The versions this program writes.
    static constexpr UINT kOwnDrawingVersion = 0x10010;
    static constexpr UINT kControlVersion = 0x10014;
    // The first version with a header.
    static constexpr UINT kFirstVersion = 0x10000;
    static constexpr UINT kSize = 16;

    static void Write(CArchive& ar, const char* magic, UINT version);
    // The version of a header with that magic at the start of the archive's
    // file; 0, with the archive back at the file's start, for a file too
    // short, with another magic or a version below kFirstVersion.
    static UINT Read(CArchive& ar, const char* magic);
};
