#include "plugins/dxf/CDxfTextEmitter.h"

#include "geometry/Geometry.h"
#include "platform/mfc/Cp932.h"
#include "plugins/dxf/CDxfHeader.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/CPorTransform.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"

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

// The text sub-kind of a text record written by the DXF plug-in.
constexpr LONG DxfTextKind = 23;
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

struct Level {
    CString face;
};

// The output of one line of the second pass.
struct LaidLine {
    std::string text;
    CString face;
    bool underline = false;
    bool overline = false;
};

class LineReader {
public:
    LineReader(const CDxfText& source, double& y) : m_source(source), m_y(y) {
        m_face = source.face;
    }

    LaidLine Read(std::string_view line) {
        m_levels.assign(1, Level{DefaultFace});
        std::string out;
        for (std::size_t i = 0; i < line.size();) {
            const char c = line[i];
            if (c == '\\') {
                i = ReadCode(line, i, out);
            } else if (c == '^') {
                Step();
                ++i;
            } else if (c == '{') {
                if (m_levels.size() < static_cast<std::size_t>(CDxfTextEmitter::MaxLevels)) {
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

private:
    // The code at i (a backslash); the index after it. Every scan stops at
    // the end of the line.
    std::size_t ReadCode(std::string_view line, std::size_t i, std::string& out) {
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
            m_levels.back().face = FontFace(line.substr(i + 2, end - (i + 2)));
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

    void Step() {
        const double height = m_source.height;
        double step = height * m_source.lineSpacing * LineStepFactor;
        if (m_source.lineSpacingStyle == 1) {
            step = std::max(step, height);
        }
        m_y -= step;
    }

    void Output(std::string_view character, std::string& out) {
        const bool vertical = m_face.view().starts_with("@");
        m_face = vertical ? CString("@") + m_levels.back().face : m_levels.back().face;
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

    LaidLine Finish(std::string out) {
        LaidLine laid;
        laid.face = m_face;
        laid.underline = RemoveAll(out, "%%u") | RemoveAll(out, "%%U");
        laid.overline = RemoveAll(out, "%%o") | RemoveAll(out, "%%O");
        laid.text = std::move(out);
        return laid;
    }

    const CDxfText& m_source;
    double& m_y;
    CString m_face;
    std::vector<Level> m_levels;
};

} // namespace

std::vector<std::string> CDxfTextEmitter::BreakLines(std::string_view text) {
    std::vector<std::string> lines(1);
    bool inFont = false;
    const auto breakLine = [&lines](std::string_view next) { lines.emplace_back(next); };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = CharAt(text, i);
        if (length > 1) {
            lines.back().append(text.substr(i, length));
            i += length;
        } else if (c == '\\' && i + 1 < text.size()) {
            const char code = text[i + 1];
            if (!inFont && IsOneOf(code, "PpSs")) {
                breakLine("^ ");
            } else {
                inFont = inFont || code == 'F' || code == 'f';
                // A code and its letter travel together, so an escaped
                // brace does not end the line.
                lines.back().append(text.substr(i, 1 + CharAt(text, i + 1)));
            }
            i += 1 + CharAt(text, i + 1);
        } else if (c == '^') {
            breakLine("^ ");
            i += i + 1 < text.size() ? 1 + CharAt(text, i + 1) : 1;
        } else if (c == '}') {
            lines.back() += c;
            breakLine("");
            ++i;
        } else {
            if (c == ';') {
                inFont = false;
            }
            lines.back() += c;
            ++i;
        }
    }
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

void CDxfTextEmitter::WriteText(const CDxfText& text, CPorStream& target) const {
    if (text.text.IsEmpty()) {
        return;
    }
    const double s = m_header.scale;
    CPorStream local;
    double y = 0.0;
    LineReader reader(text, y);
    for (const std::string& line : BreakLines(text.text.view())) {
        const LaidLine laid = reader.Read(line);
        if (laid.text.empty()) {
            continue;
        }
        const double t = static_cast<double>(laid.text.size());
        const POINT first{TruncInt(s * 0.0), TruncInt(s * (y + text.height))};
        const POINT second{TruncInt(s * (t * text.height * 0.5)), TruncInt(s * y)};
        PorRecordBuilder record(PorText::Type);
        record.Set(PorText::First, first);
        record.Set(PorText::Second, second);
        record.Set(PorText::VerticalAlign, text.verticalAlign);
        record.Set(PorText::HorizontalAlign, text.horizontalAlign);
        record.Set(PorText::TextKind, DxfTextKind);
        record.Set(PorText::TextLengthPlus88, static_cast<LONG>(laid.text.size()) + 88);
        record.Set(PorText::Height, TruncInt(s * text.height));
        record.Set(PorText::Color, text.color);
        record.Set(PorText::Underline, laid.underline ? 1 : 0);
        record.Set(PorText::Overline, laid.overline ? 1 : 0);
        record.Set(PorText::Slant, TruncInt(text.obliqueAngle * 1000.0));
        record.Set(PorText::WidthFactor, TruncInt(text.widthFactor * 1000.0));
        record.Set(PorText::Vertical, text.vertical);
        record.Set(PorText::Text, CString(laid.text));
        record.Set(PorText::FaceName, laid.face);
        record.Set(PorText::Id, text.id);
        record.Set(PorText::Layer, text.layer);
        record.PadTo((record.Size() + 3) / 4 * 4);
        local.AppendRecord(record);
        local.ExtendBounds(first.x, first.y);
        local.ExtendBounds(second.x, second.y);
    }
    if (local.RecordCount() == 0) {
        return;
    }

    CPorBounds bounds = local.Bounds();
    std::vector<BYTE> records(local.Data().begin(), local.Data().end());
    if (local.RecordCount() > 1 && text.verticalAlign == 2) {
        // A middle-aligned block of lines is centred on its insertion point.
        const LONG shift = (bounds.maxY - bounds.minY) / 2 - TruncInt(s * text.height) / 2;
        records = local.Transform(CPorTransform(0.0, shift, 1.0, 1.0, 0.0, m_header.scale));
        bounds.minY += shift;
        bounds.maxY += shift;
    }
    const CPorTransform place(s * text.x, s * text.y, 1.0, 1.0, text.rotation, m_header.scale);
    std::span<BYTE> rest(records);
    while (const auto record = PorRecord::Frame(rest)) {
        place.Apply(rest.first(record->Size()));
        rest = rest.subspan(record->Size());
    }

    if (local.RecordCount() == 1) {
        target.AppendRecordBytes(records);
    } else {
        PorRecordBuilder insert(PorInsert::Type);
        insert.Append(PorInsert::Children, records);
        insert.Set(PorInsert::Id, text.id);
        insert.Set(PorInsert::Layer, text.layer);
        target.AppendRecord(insert);
    }
    for (POINT corner : {POINT{bounds.minX, bounds.minY}, POINT{bounds.maxX, bounds.minY},
                         POINT{bounds.maxX, bounds.maxY}, POINT{bounds.minX, bounds.maxY}}) {
        place.Place(corner);
        target.ExtendBounds(corner.x, corner.y);
    }
}
