#pragma once
// Reads one line of a text with the MTEXT formatting codes: font codes set
// the face of the current format level, braces push and pop levels, a caret
// steps the pen down, the other codes are dropped, and the SHX fonts are
// drawn in their Windows faces. Each line starts again from the first level.

#include "plugins/dxf/CDxfText.h"

#include <string>
#include <string_view>
#include <vector>

// The output of one line.
struct CDxfLaidLine {
    std::string text;
    CString face;
    bool underline = false;
    bool overline = false;
};

class CDxfTextLineReader {
public:
    // Nesting of "{" beyond this many levels is ignored.
    static constexpr int MaxLevels = 9;

    // The height, line spacing and face of the source are used; y is the
    // pen's y, which every caret steps down.
    CDxfTextLineReader(const CDxfText& source, double& y);

    CDxfLaidLine Read(std::string_view line);

private:
    // The code at i (a backslash); the index after it. Every scan stops at
    // the end of the line.
    std::size_t ReadCode(std::string_view line, std::size_t i, std::string& out);
    void Step();
    void Output(std::string_view character, std::string& out);
    // The line as output, its layout marks taken out of the text.
    CDxfLaidLine Finish(std::string out);

    const CDxfText& m_source;
    double& m_y;
    CString m_face;
    std::vector<CString> m_levels;
};
