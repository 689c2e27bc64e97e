#pragma once
// Numbers in DXF group lines, read as the C library's atoi and atof read them
// (leading blanks skipped, the longest numeric prefix used, anything after it
// ignored, no number at all giving 0) but independent of the process locale.

#include <string_view>

// An integer beyond the int range saturates at its end.
int DxfToInt(std::string_view text);
// A magnitude beyond the double range gives an infinity, one below it zero.
double DxfToDouble(std::string_view text);
