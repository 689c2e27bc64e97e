#include "plugins/dxf/CDxfTextEmitter.h"

#include "geometry/Geometry.h"
#include "platform/mfc/Cp932.h"
#include "plugins/dxf/CDxfHeader.h"
#include "plugins/dxf/CDxfTextLineReader.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/CPorTransform.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"

#include <algorithm>
#include <cctype>

namespace {

// The text sub-kind of a text record written by the DXF plug-in.
constexpr LONG DxfTextKind = 23;

std::size_t CharAt(std::string_view text, std::size_t i) {
    return static_cast<std::size_t>(Cp932::CharLength(text, i));
}

bool IsOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

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

PorRecordBuilder CDxfTextEmitter::LineRecord(const CDxfText& text, const CDxfLaidLine& line,
                                             POINT first, POINT second, unsigned scale) {
    PorRecordBuilder record(PorText::Type);
    record.Set(PorText::First, first);
    record.Set(PorText::Second, second);
    record.Set(PorText::VerticalAlign, text.verticalAlign);
    record.Set(PorText::HorizontalAlign, text.horizontalAlign);
    record.Set(PorText::TextKind, DxfTextKind);
    record.Set(PorText::TextLengthPlus88, static_cast<LONG>(line.text.size()) + 88);
    record.Set(PorText::Height, TruncInt(scale * text.height));
    record.Set(PorText::Color, text.color);
    record.Set(PorText::Underline, line.underline ? 1 : 0);
    record.Set(PorText::Overline, line.overline ? 1 : 0);
    record.Set(PorText::Slant, TruncInt(text.obliqueAngle * 1000.0));
    record.Set(PorText::WidthFactor, TruncInt(text.widthFactor * 1000.0));
    record.Set(PorText::Vertical, text.vertical);
    record.Set(PorText::Text, CString(line.text));
    record.Set(PorText::FaceName, line.face);
    record.Set(PorText::Id, text.id);
    record.Set(PorText::Layer, text.layer);
    record.PadTo((record.Size() + 3) / 4 * 4);
    return record;
}

void CDxfTextEmitter::WriteText(const CDxfText& text, CPorStream& target) const {
    if (text.text.IsEmpty()) {
        return;
    }
    const double s = m_header.scale;
    CPorStream local;
    double y = 0.0;
    CDxfTextLineReader reader(text, y);
    for (const std::string& line : BreakLines(text.text.view())) {
        const CDxfLaidLine laid = reader.Read(line);
        if (laid.text.empty()) {
            continue;
        }
        const double t = static_cast<double>(laid.text.size());
        const POINT first{TruncInt(s * 0.0), TruncInt(s * (y + text.height))};
        const POINT second{TruncInt(s * (t * text.height * 0.5)), TruncInt(s * y)};
        const PorRecordBuilder record = LineRecord(text, laid, first, second, m_header.scale);
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
    target.ExtendBounds(bounds, place);
}
