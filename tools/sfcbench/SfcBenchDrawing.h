#pragma once
// Writes a ".sfc" drawing the way the SXF library lays one out: the Part 21
// frame with CR LF line ends, the tables, composite curves, sub-figure
// definitions, a sheet holding every common feature kind again and again,
// and the layers after the sheet. Names are Shift-JIS, several of them with
// 0x5C as a second byte. The same size always gives the same bytes.

#include <cstddef>
#include <string>

class SfcBenchDrawing {
public:
    // The text of a drawing of at least `bytes` bytes.
    static std::string Text(std::size_t bytes);
};
