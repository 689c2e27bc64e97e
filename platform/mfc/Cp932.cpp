#include "platform/mfc/Cp932.h"

#include <QString>

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One converter per direction and thread: opening iconv costs more than most
// conversions it does.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in; at a sequence the target lacks, appends the replacement and
    // skips `unit` input bytes (the width of the smallest input character).
    std::string Convert(const char* in, std::size_t inLen, std::string_view replacement,
                        std::size_t unit, bool skipSurrogatePair) {
        std::string out;
        out.resize(inLen * 2 + 16);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        std::size_t srcLeft = inLen;
        std::size_t used = 0;
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            std::size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (rc != static_cast<std::size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ or EINVAL: an unconvertible or incomplete character.
            std::size_t skip = std::min(unit, srcLeft);
            if (skipSurrogatePair && srcLeft >= 4) {
                auto lo = static_cast<unsigned char>(src[0]);
                auto hi = static_cast<unsigned char>(src[1]);
                unsigned code = lo | (hi << 8);
                if (code >= 0xD800 && code <= 0xDBFF)
                    skip = 4;
            }
            if (used + replacement.size() > out.size())
                out.resize(out.size() * 2 + replacement.size());
            out.replace(used, replacement.size(), replacement);
            used += replacement.size();
            src += skip;
            srcLeft -= skip;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t m_cd;
};

Converter& Cp932ToUtf16() {
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}
Converter& Utf16ToCp932() {
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}
Converter& Cp932ToUtf8() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

constexpr std::string_view kUtf16Replacement("\xFD\xFF", 2);

} // namespace

namespace Cp932 {

int CharCount(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        ++n;
    return n;
}

int CharLength(std::string_view text, std::size_t i) {
    if (i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])))
        return 2;
    return 1;
}

std::u16string ToUtf16(std::string_view text) {
    std::string bytes =
        Cp932ToUtf16().Convert(text.data(), text.size(), kUtf16Replacement, 1, false);
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

std::string FromUtf16(std::u16string_view text) {
    std::string bytes(text.size() * 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return Utf16ToCp932().Convert(bytes.data(), bytes.size(), "?", 2, true);
}

std::string FromUtf8(std::string_view text) {
    // Invalid UTF-8 becomes U+FFFD on the way, which CP932 lacks: '?'.
    return FromQString(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToUtf8(std::string_view text) {
    return Cp932ToUtf8().Convert(text.data(), text.size(), "\xEF\xBF\xBD", 1, false);
}

QString ToQString(std::string_view text) {
    std::u16string u = ToUtf16(text);
    return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string FromQString(const QString& text) {
    return FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
}

} // namespace Cp932
