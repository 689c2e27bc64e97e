#include "plugins/dxf/DxfSpecialChars.h"

namespace {

constexpr std::string_view Diameter = "\x83\xB3";  // Φ
constexpr std::string_view Degree = "\x81\x8B";    // °
constexpr std::string_view PlusMinus = "\x81\x7D"; // ±
constexpr std::string_view Percent = "\x81\x93";   // ％

struct Code {
    std::string_view code;
    std::string_view replacement;
};

// In this order: "%%%d" is a percent sign and a degree sign.
constexpr Code Codes[] = {
    {"\\U+2205", Diameter}, {"\\U+00B0", Degree}, {"\\U+00B1", PlusMinus}, {"%%127", Degree},
    {"%%d", Degree},        {"%%D", Degree},      {"%%128", PlusMinus},    {"%%p", PlusMinus},
    {"%%P", PlusMinus},     {"%%129", Diameter},  {"%%c", Diameter},       {"%%C", Diameter},
    {"%%%", Percent},
};

constexpr Code Signs[] = {
    {"\\U+2205", "%%c"},
    {"\\U+00B0", "%%d"},
    {"\\U+00B1", "%%p"},
};

} // namespace

void ReplaceSpecialChars(std::string& text) {
    // Each replacement is shorter than its code, so this ends.
    for (bool replaced = true; replaced;) {
        replaced = false;
        for (const Code& code : Codes) {
            const auto at = text.find(code.code);
            if (at != std::string::npos) {
                text.replace(at, code.code.size(), code.replacement);
                replaced = true;
                break;
            }
        }
    }
}

std::string SpellSignsAsCodes(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        bool spelt = false;
        for (const Code& sign : Signs) {
            if (raw.substr(i).starts_with(sign.code)) {
                out += sign.replacement;
                i += sign.code.size();
                spelt = true;
                break;
            }
        }
        if (!spelt) {
            out += raw[i++];
        }
    }
    return out;
}
