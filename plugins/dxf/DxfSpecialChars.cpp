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
    // A replacement is made of bytes no code contains, so it never forms a
    // new code with its neighbours: replacing all of one code, then all of
    // the next, gives what replacing the first code of the table that
    // occurs, one at a time, would give, in linear time.
    for (const Code& code : Codes) {
        std::string out;
        std::size_t from = 0;
        for (auto at = text.find(code.code); at != std::string::npos;
             at = text.find(code.code, from)) {
            out.append(text, from, at - from);
            out += code.replacement;
            from = at + code.code.size();
        }
        if (from != 0) {
            out.append(text, from);
            text = std::move(out);
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
