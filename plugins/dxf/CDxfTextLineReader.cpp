#include "plugins/dxf/CDxfTextLineReader.h"

#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <cctype>

namespace {

// "ＭＳ Ｐゴシック" in CP932: the face of every text that names no other.
const CString DefaultFace("\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
// "ＭＳ Ｐ明朝"
constexpr std::string_view MinchoFace = "\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9";

// An SHX font and the Windows face drawn for it; a row with a flag character
// applies to that character only, which it replaces.
struct ShxFont {
    std::string_view name;
    char flag;
    std::string_view face;
    char substitute;
};

constexpr ShxFont ShxFonts[] = {
    {"syastro", 'y', "Symbol", '\xD2'}, {"txt", 0, MinchoFace, 0},
    {"romans", 0, MinchoFace, 0},       {"romant", 0, MinchoFace, 0},
    {"romand", 0, MinchoFace, 0},       {"times", 0, "Times New Roman", 0},
    {"gdt", 0, "CSC Tolerance", 0},
};

// A line step is this many text heights times the line-spacing factor.
constexpr double LineStepFactor = 1.67;

std::size_t CharAt(std::string_view text, std::size_t i) {
    return static_cast<std::size_t>(Cp932::CharLength(text, i));
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

bool IsOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

// A font name of a "\F" code without folder, options and extension.
CString FontFace(std::string_view name) {
    if (const auto slash = name.rfind('\\'); slash != std::string_view::npos) {
        name.remove_prefix(slash + 1);
    }
    name = name.substr(0, name.find('|'));
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos) {
        name = name.substr(0, dot);
    }
    return CString(name);
}

// Removes every occurrence of the mark; true when there was one.
bool RemoveAll(std::string& text, std::string_view mark) {
    std::string kept;
    std::size_t from = 0;
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, from)) {
        kept.append(text, from, at - from);
        from = at + mark.size();
    }
    if (from == 0) {
        return false;
    }
    kept.append(text, from);
    text = std::move(kept);
    return true;
}

} // namespace

CDxfTextLineReader::CDxfTextLineReader(const CDxfText& source, double& y)
    : m_source(source), m_y(y), m_face(source.face) {}

CDxfLaidLine CDxfTextLineReader::Read(std::string_view line) {
    m_levels.assign(1, DefaultFace);
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c == '\\') {
            i = ReadCode(line, i, out);
        } else if (c == '^') {
            Step();
            ++i;
        } else if (c == '{') {
            if (m_levels.size() < static_cast<std::size_t>(MaxLevels)) {
                m_levels.push_back(m_levels.back());
            }
            ++i;
        } else if (c == '}') {
            if (m_levels.size() > 1) {
                m_levels.pop_back();
            }
            ++i;
        } else {
            const std::size_t length = CharAt(line, i);
            Output(line.substr(i, length), out);
            i += length;
        }
    }
    return Finish(std::move(out));
}

std::size_t CDxfTextLineReader::ReadCode(std::string_view line, std::size_t i, std::string& out) {
    if (i + 1 >= line.size()) {
        return line.size();
    }
    const char code = line[i + 1];
    const auto argumentEnd = [&] {
        const auto semicolon = line.find(';', i + 2);
        return semicolon == std::string_view::npos ? line.size() : semicolon;
    };
    if (IsOneOf(code, "AaCcHhQqTtWw")) {
        return std::min(line.size(), argumentEnd() + 1);
    }
    if (code == 'F' || code == 'f') {
        const std::size_t end = argumentEnd();
        m_levels.back() = FontFace(line.substr(i + 2, end - (i + 2)));
        return std::min(line.size(), end + 1);
    }
    if (code == '~') {
        Output(" ", out);
    } else if (IsOneOf(code, "\\{}")) {
        Output(line.substr(i + 1, 1), out);
    } else if (Cp932::IsLeadByte(static_cast<unsigned char>(code))) {
        // A backslash before a two-byte character drops both, whole.
        return i + 1 + CharAt(line, i + 1);
    }
    return i + 2;
}

void CDxfTextLineReader::Step() {
    const double height = m_source.height;
    double step = height * m_source.lineSpacing * LineStepFactor;
    if (m_source.lineSpacingStyle == 1) {
        step = std::max(step, height);
    }
    m_y -= step;
}

void CDxfTextLineReader::Output(std::string_view character, std::string& out) {
    const bool vertical = m_face.view().starts_with("@");
    m_face = vertical ? CString("@") + m_levels.back() : m_levels.back();
    const std::string key = Lower(m_face.view());
    for (const ShxFont& font : ShxFonts) {
        if (font.name != key) {
            continue;
        }
        if (font.flag != 0 && (character.size() != 1 || character[0] != font.flag)) {
            continue;
        }
        m_face = CString(font.face);
        if (font.flag != 0) {
            out += font.substitute;
            return;
        }
        break;
    }
    out += character;
}

CDxfLaidLine CDxfTextLineReader::Finish(std::string out) {
    CDxfLaidLine laid;
    laid.face = m_face;
    laid.underline = RemoveAll(out, "%%u") | RemoveAll(out, "%%U");
    laid.overline = RemoveAll(out, "%%o") | RemoveAll(out, "%%O");
    laid.text = std::move(out);
    return laid;
}
