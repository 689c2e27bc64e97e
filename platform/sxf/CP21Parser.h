#pragma once
// Reads the bytes of a ".p21" file one instance at a time, in one pass: the
// header is checked and skipped, then every instance of the data section is
// handed out. Anything malformed, a truncated file included, throws
// CSfcError naming the line.

#include "platform/sxf/CP21Instance.h"

#include <cstddef>
#include <string>
#include <string_view>

class CP21Parser {
public:
    // Lists nest no deeper than this, so a corrupt file cannot exhaust the stack.
    static constexpr int MaxDepth = 64;

    // Throws CSfcError when the bytes are no Part 21 file.
    explicit CP21Parser(std::string_view bytes);

    // The next instance of the data section; false once the file has ended
    // properly.
    bool Next(CP21Instance& instance);

private:
    [[noreturn]] void Fail(const std::string& reason) const;
    void Advance(std::size_t count);
    void SkipSpace();
    bool Peek(char c);
    void Expect(char c, const char* what);
    bool TakeKeyword(std::string_view keyword);
    std::string Name();
    long long Id();
    void Record(CP21Record& record);
    void Parameters(std::vector<CP21Value>& values, int depth);
    CP21Value Value(int depth);
    CP21Value Number();
    std::string String();
    std::string Delimited(char close, const char* what);
    void SkipHeader();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    int m_line = 1;
    bool m_ended = false;
};
