#pragma once
// The SXF plug-in's settings file, named after the plug-in with ".ini" and
// lying beside it, section "PARAM". It is only read; what is missing keeps
// its default.

#include <string>

struct CSxfSettings {
    int penWidthRate = 100;   // pen width = trunc(width in mm x rate)
    int dashPichRate = 28000; // POR dash length = trunc(rate x dash in mm)
    double textRate = 0.7;    // text height factor ("TextRate" hundredths)

    static CSxfSettings Read(const std::string& iniPath);
    // The module's path with its extension replaced by ".ini".
    static std::string IniPathBeside(const std::string& modulePath);
};
