#include "platform/win/CNumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

locale_t CNumberFormat::CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

CNumberFormat::CLocaleScope::CLocaleScope() : m_previous(uselocale(CLocale())) {}

CNumberFormat::CLocaleScope::~CLocaleScope() {
    uselocale(m_previous);
}

double CNumberFormat::Atof(const char* text) {
    if (!text)
        return 0.0;
    return strtod_l(text, nullptr, CLocale());
}

std::string CNumberFormat::Fixed(double value, int digits) {
    digits = std::clamp(digits, 0, 340);
    // A double in fixed notation needs at most 309 integer digits.
    std::string out(330 + static_cast<std::size_t>(digits), '\0');
    auto [end, ec] =
        std::to_chars(out.data(), out.data() + out.size(), value, std::chars_format::fixed, digits);
    if (ec != std::errc())
        return std::string();
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}
