#include "plugins/dxf/CDxfTextDecoder.h"

#include "platform/mfc/Cp932.h"
#include "plugins/dxf/DxfSpecialChars.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>

namespace {

constexpr std::string_view EscapeStart = "\\U+";
constexpr std::size_t EscapeLength = 7; // \U+ and four hex digits

// The code point of a \U+XXXX escape at the start of text.
std::optional<char32_t> EscapeAt(std::string_view text) {
    if (text.size() < EscapeLength || !text.starts_with(EscapeStart)) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(EscapeStart.size(), 4);
    if (!std::ranges::all_of(digits,
                             [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
        return std::nullopt;
    }
    unsigned value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return static_cast<char32_t>(value);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Cp932OfCodePoint(char32_t c) {
    std::string utf8;
    AppendUtf8(utf8, c);
    return Cp932::FromUtf8(utf8);
}

bool IsPlainAscii(std::string_view value) {
    return std::ranges::none_of(value,
                                [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) &&
           value.find(EscapeStart) == std::string_view::npos;
}

} // namespace

CString CDxfTextDecoder::Decode(std::string_view value) const {
    if (IsPlainAscii(value)) {
        return CString(value);
    }
    if (m_utf8) {
        return DecodeUtf8(value);
    }
    return m_page ? DecodeSingleByte(value) : DecodeCp932(value);
}

CString CDxfTextDecoder::DecodeText(std::string_view raw) const {
    std::string text(Decode(SpellSignsAsCodes(raw)).view());
    ReplaceSpecialChars(text);
    return CString(std::move(text));
}

CString CDxfTextDecoder::DecodeUtf8(std::string_view value) const {
    std::string utf8;
    utf8.reserve(value.size());
    for (std::size_t i = 0; i < value.size();) {
        if (const auto escaped = EscapeAt(value.substr(i))) {
            AppendUtf8(utf8, *escaped);
            i += EscapeLength;
        } else {
            utf8 += value[i++];
        }
    }
    return CString(Cp932::FromUtf8(utf8));
}

CString CDxfTextDecoder::DecodeCp932(std::string_view value) const {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size();) {
        // Only a single-byte backslash starts an escape: 0x5C is also a
        // trail byte of two-byte characters.
        if (const auto escaped = EscapeAt(value.substr(i))) {
            out += Cp932OfCodePoint(*escaped);
            i += EscapeLength;
            continue;
        }
        const auto length = static_cast<std::size_t>(Cp932::CharLength(value, i));
        out.append(value.substr(i, length));
        i += length;
    }
    return CString(std::move(out));
}

CString CDxfTextDecoder::DecodeSingleByte(std::string_view value) const {
    std::string out;
    out.reserve(value.size() * 2);
    for (std::size_t i = 0; i < value.size();) {
        if (const auto escaped = EscapeAt(value.substr(i))) {
            out += Cp932OfCodePoint(*escaped);
            i += EscapeLength;
            continue;
        }
        out += m_page->Cp932Of(static_cast<unsigned char>(value[i++]));
    }
    return CString(std::move(out));
}
