#pragma once
// Shift-JIS (code page 932) helpers: the lead-byte rule, character counting,
// and conversions to and from Unicode at the widget and file boundaries.

#include <string>
#include <string_view>

class QString;

namespace Cp932 {

// True for the first byte of a two-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Number of characters in the text, a two-byte character counting once. A lead
// byte at the very end counts as one character.
int CharCount(std::string_view text);

// Byte length of the character that starts at offset i (1 or 2, never past the end).
int CharLength(std::string_view text, std::size_t i);

// CP932 bytes to UTF-16; a byte sequence that is not CP932 becomes U+FFFD.
std::u16string ToUtf16(std::string_view text);
// UTF-16 to CP932 bytes; a character that CP932 lacks becomes '?'.
std::string FromUtf16(std::u16string_view text);
// UTF-8 to CP932 bytes; a character that CP932 lacks becomes '?'.
std::string FromUtf8(std::string_view text);
// CP932 bytes to UTF-8.
std::string ToUtf8(std::string_view text);

QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

} // namespace Cp932
