#include "platform/sxf/CP21String.h"

#include "platform/mfc/Cp932.h"
#include "platform/sxf/CSfcParameters.h"

#include <charconv>

namespace {

class Decoder {
public:
    explicit Decoder(std::string_view written) : m_in(written) {}

    std::string Run() {
        while (m_pos < m_in.size()) {
            const unsigned char c = static_cast<unsigned char>(m_in[m_pos]);
            if (c == '\\') {
                Escape();
            } else if (c == '\'') {
                // The file doubles an apostrophe inside a string.
                m_pending.push_back(u'\'');
                m_pos += m_in.substr(m_pos).starts_with("''") ? 2 : 1;
            } else if (c >= 0x80) {
                Flush();
                const std::size_t length = static_cast<std::size_t>(Cp932::CharLength(m_in, m_pos));
                m_out.append(m_in.substr(m_pos, length));
                m_pos += length;
            } else {
                m_pending.push_back(static_cast<char16_t>(c));
                ++m_pos;
            }
        }
        Flush();
        return m_out;
    }

private:
    [[noreturn]] void Fail() const {
        throw CSfcError("broken escape in a string at \"" + std::string(m_in.substr(m_pos, 8)) +
                        "\"");
    }

    bool Take(std::string_view text) {
        if (!m_in.substr(m_pos).starts_with(text)) {
            return false;
        }
        m_pos += text.size();
        return true;
    }

    unsigned long Hex(std::size_t digits) {
        if (m_pos + digits > m_in.size()) {
            Fail();
        }
        unsigned long value = 0;
        const char* first = m_in.data() + m_pos;
        const auto [end, error] = std::from_chars(first, first + digits, value, 16);
        if (error != std::errc() || end != first + digits) {
            Fail();
        }
        m_pos += digits;
        return value;
    }

    void Push(unsigned long code) {
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            m_pending.push_back(u'?');
        } else if (code >= 0x10000) {
            code -= 0x10000;
            m_pending.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            m_pending.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            m_pending.push_back(static_cast<char16_t>(code));
        }
    }

    // Hexadecimal characters of the given width up to "\X0\".
    void Run(std::size_t digits) {
        while (!Take("\\X0\\")) {
            Push(Hex(digits));
        }
    }

    void Escape() {
        if (Take("\\\\")) {
            m_pending.push_back(u'\\');
        } else if (Take("\\X\\")) {
            Push(Hex(2));
        } else if (Take("\\X2\\")) {
            Run(4);
        } else if (Take("\\X4\\")) {
            Run(8);
        } else if (Take("\\S\\")) {
            if (m_pos >= m_in.size()) {
                Fail();
            }
            Push(static_cast<unsigned char>(m_in[m_pos++]) + 0x80u);
        } else if (m_in.substr(m_pos).starts_with("\\P") && m_pos + 3 < m_in.size() &&
                   m_in[m_pos + 3] == '\\') {
            m_pos += 4;
        } else {
            Fail();
        }
    }

    void Flush() {
        if (!m_pending.empty()) {
            m_out += Cp932::FromUtf16(m_pending);
            m_pending.clear();
        }
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    std::u16string m_pending;
    std::string m_out;
};

} // namespace

std::string CP21String::Decode(std::string_view written) {
    return Decoder(written).Run();
}
