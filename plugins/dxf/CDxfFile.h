#pragma once
// The groups of an ASCII DXF file. The whole file is read into memory at
// once, so lines of any length come back as views of it without a system
// call or an allocation per line. Each line ends at CR LF, LF or CR, which is
// not part of it; a last line may lack its terminator. A file whose first
// line ends in LF CR ends every line in those two bytes.

#include "plugins/dxf/CDxfGroup.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class CDxfFile {
public:
    explicit CDxfFile(std::string bytes) : m_bytes(std::move(bytes)) {}

    // The file at a CP932 path; nothing when it cannot be opened or read.
    static std::optional<CDxfFile> Load(const char* path);

    // The file starts with the sentinel of binary DXF, which is not read.
    bool IsBinary() const;

    std::size_t GetPosition() const { return m_position; }
    // Goes back to a position GetPosition gave.
    void SetPosition(std::size_t position) { m_position = m_groupStart = position; }
    std::size_t GetLength() const { return m_bytes.size(); }

    // False at the end of the file.
    bool ReadLine(std::string_view& line);
    // The code (as atoi reads it) and the value; false when either line is
    // missing.
    bool ReadGroup(CDxfGroup& group);
    // The next ReadGroup returns the last group read again.
    void UngetGroup() { m_position = m_groupStart; }

private:
    static bool IsLineEnd(char c);
    // Takes LF CR after the first line as the terminator of every line.
    void LearnTerminator(std::string::const_iterator end);

    std::string m_bytes;
    std::size_t m_position = 0;
    std::size_t m_groupStart = 0;
    bool m_terminatorLearned = false;
    // 0 while lines end at CR LF, LF or CR; else the bytes after a line.
    std::size_t m_terminatorLength = 0;
};
