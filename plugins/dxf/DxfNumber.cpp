#include "plugins/dxf/DxfNumber.h"

#include "platform/win/CNumberFormat.h"

#include <charconv>
#include <climits>
#include <string>
#include <system_error>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return text.substr(i);
}

// from_chars takes a minus sign but no plus sign.
std::string_view SkipPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+' && (text.size() < 2 || text[1] != '-')) {
        return text.substr(1);
    }
    return text;
}

} // namespace

int DxfToInt(std::string_view text) {
    text = SkipPlus(SkipBlanks(text));
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        return text.front() == '-' ? INT_MIN : INT_MAX;
    }
    if (ec != std::errc()) {
        return 0;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

double DxfToDouble(std::string_view text) {
    text = SkipPlus(SkipBlanks(text));
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here; strtod tells overflow from underflow.
        return CNumberFormat::Atof(std::string(text).c_str());
    }
    return ec == std::errc() ? value : 0.0;
}
