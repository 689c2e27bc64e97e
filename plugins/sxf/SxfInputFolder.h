#pragma once
// The folder of the file being converted, where the raster images a drawing
// names are looked for. Process-wide: set by each conversion.

#include "platform/win/PathFunctions.h"

#include <string>

class SxfInputFolder {
public:
    // The path cut after its last "/"; a bare file name gives the current
    // folder (empty).
    static void SetFrom(const std::string& path) { Folder() = GetFileDir(CString(path)).str(); }
    static const std::string& Get() { return Folder(); }

private:
    static std::string& Folder() {
        static std::string folder;
        return folder;
    }
};
