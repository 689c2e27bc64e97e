#include "platform/win/PrivateProfile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <string>
#include <string_view>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

UINT LeadingInteger(std::string_view text) {
    long long value = 0;
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) {
        return 0;
    }
    return static_cast<UINT>(negative ? -value : value);
}

} // namespace

UINT GetPrivateProfileIntA(const char* section, const char* key, int defaultValue,
                           const char* fileName) {
    std::ifstream file(fileName ? fileName : "");
    if (!section || !key || !file) {
        return static_cast<UINT>(defaultValue);
    }
    bool inSection = false;
    std::string line;
    while (std::getline(file, line)) {
        const std::string_view text = Trimmed(line);
        if (text.starts_with('[')) {
            const std::size_t close = text.find(']');
            inSection = close != std::string_view::npos &&
                        SameNoCase(Trimmed(text.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = text.find('=');
        if (inSection && equals != std::string_view::npos &&
            SameNoCase(Trimmed(text.substr(0, equals)), key)) {
            return LeadingInteger(Trimmed(text.substr(equals + 1)));
        }
    }
    return static_cast<UINT>(defaultValue);
}
