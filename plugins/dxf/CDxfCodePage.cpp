#include "plugins/dxf/CDxfCodePage.h"

#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iconv.h>

namespace {

// The prefixes $DWGCODEPAGE spells a page number with, and iconv's.
struct Family {
    std::string_view dxf;
    std::string_view iconv;
};
constexpr Family Families[] = {{"ANSI_", "CP"}, {"DOS", "CP"}, {"ISO8859-", "ISO-8859-"}};

// Pages of two-byte characters, which a byte table cannot decode.
constexpr int DoubleBytePages[] = {932, 936, 949, 950, 1361};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::ranges::equal(text.substr(0, prefix.size()), prefix, [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           });
}

// iconv's name of a single-byte page, or empty.
std::string IconvName(std::string_view name) {
    for (const Family& family : Families) {
        if (!StartsWithNoCase(name, family.dxf)) {
            continue;
        }
        const std::string_view digits = name.substr(family.dxf.size());
        int number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error != std::errc() || end != digits.data() + digits.size() ||
            (family.iconv == "CP" &&
             std::ranges::find(DoubleBytePages, number) != std::end(DoubleBytePages))) {
            return {};
        }
        return std::string(family.iconv) + std::string(digits);
    }
    return {};
}

// The UTF-8 of one byte of the page, empty where the page leaves it unused.
std::string Utf8Of(iconv_t cd, unsigned char byte) {
    char in = static_cast<char>(byte);
    char out[8] = {};
    char* src = &in;
    char* dst = out;
    std::size_t srcLeft = 1;
    std::size_t dstLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
        return {};
    }
    return std::string(out, sizeof out - dstLeft);
}

} // namespace

std::optional<CDxfCodePage> CDxfCodePage::ForName(std::string_view name) {
    const std::string iconvName = IconvName(name);
    if (iconvName.empty()) {
        return std::nullopt;
    }
    const iconv_t cd = iconv_open("UTF-8", iconvName.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    CDxfCodePage page;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string utf8 = Utf8Of(cd, static_cast<unsigned char>(byte));
        page.m_cp932[static_cast<std::size_t>(byte)] = utf8.empty() ? "?" : Cp932::FromUtf8(utf8);
    }
    iconv_close(cd);
    return page;
}
