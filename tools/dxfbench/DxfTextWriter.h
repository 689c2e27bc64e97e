#pragma once
// Group codes and values of an ASCII DXF file, as a text in memory; numbers
// in the C locale, group codes right-aligned in three columns.

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

class DxfTextWriter {
public:
    void Group(int code, std::string_view value) {
        Code(code);
        m_text += value;
        m_text += '\n';
    }
    void Group(int code, double value) {
        Code(code);
        char digits[32];
        const auto result =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 4);
        Append(digits, result.ptr);
        m_text += '\n';
    }
    void Group(int code, int value) {
        Code(code);
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        Append(digits, result.ptr);
        m_text += '\n';
    }
    void Handle(std::size_t handle) {
        Code(5);
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, handle, 16);
        Append(digits, result.ptr);
        m_text += '\n';
    }
    const std::string& Text() const { return m_text; }
    // Hands the text written so far over and starts again empty.
    std::string Take() { return std::exchange(m_text, std::string()); }

private:
    // By length: GCC 12 sees an overlap that cannot be in the iterator form.
    void Append(const char* from, const char* to) {
        m_text.append(from, static_cast<std::size_t>(to - from));
    }

    void Code(int code) {
        char digits[8];
        const auto result = std::to_chars(digits, digits + sizeof digits, code);
        const auto length = static_cast<std::size_t>(result.ptr - digits);
        m_text.append(length < 3 ? 3 - length : 0, ' ');
        Append(digits, result.ptr);
        m_text += '\n';
    }

    std::string m_text;
};
