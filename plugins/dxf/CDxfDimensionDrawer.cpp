#include "plugins/dxf/CDxfDimensionDrawer.h"

#include "plugins/dxf/CDxfDimStyle.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CDxfText.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/CDxfTextEmitter.h"
#include "plugins/dxf/DxfGeometry.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace {

// DXF's own text height and arrow size (DIMTXT, DIMASZ) where no style
// gives them.
constexpr double DefaultTextHeight = 0.18;
constexpr double DefaultArrowSize = 0.18;
// Decimal places of a measurement (DIMDEC), trailing zeros dropped.
constexpr int MeasurementDecimals = 4;
constexpr std::string_view MeasurementMark = "<>";
// Group 1 of a single space hides the text.
constexpr std::string_view Hidden = " ";

constexpr int MiddleAlign = 2;
constexpr int CentreAlign = 1;

double Dot(const DPOINT& a, const DPOINT& b) {
    return a.x * b.x + a.y * b.y;
}

DPOINT Along(const DPOINT& from, const DPOINT& direction, double length) {
    return {from.x + direction.x * length, from.y + direction.y * length};
}

DPOINT Minus(const DPOINT& a, const DPOINT& b) {
    return {a.x - b.x, a.y - b.y};
}

bool Differ(const DPOINT& a, const DPOINT& b) {
    return a.x != b.x || a.y != b.y;
}

std::string Formatted(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::fixed, MeasurementDecimals);
    if (error != std::errc()) {
        return {};
    }
    std::string text(buffer, end);
    while (text.ends_with('0')) {
        text.pop_back();
    }
    if (text.ends_with('.')) {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

// The measurement as the dimension shows it: radii after "R", diameters
// after the diameter code, ordinates without their sign.
std::string MeasurementText(const CDxfDimension& dimension) {
    const int kind = dimension.type & CDxfDimension::KindMask;
    const double value = *dimension.measurement;
    if (kind == CDxfDimension::Radius) {
        return "R" + Formatted(value);
    }
    if (kind == CDxfDimension::Diameter) {
        return "%%c" + Formatted(value);
    }
    return Formatted(kind == CDxfDimension::Ordinate ? std::fabs(value) : value);
}

// The direction of the dimension line of a linear or aligned dimension, of
// unit length; none where the extension-line origins coincide.
std::optional<DPOINT> LineDirection(const CDxfDimension& dimension) {
    const int kind = dimension.type & CDxfDimension::KindMask;
    if (kind == CDxfDimension::Linear) {
        const double radians = dimension.rotation * std::numbers::pi / 180.0;
        return DPOINT{std::cos(radians), std::sin(radians)};
    }
    const DPOINT span = Minus(dimension.points[4], dimension.points[3]);
    const double length = std::hypot(span.x, span.y);
    if (!(length > 0.0) || !std::isfinite(length)) {
        return std::nullopt;
    }
    return DPOINT{span.x / length, span.y / length};
}

// A text along the line reads from the left or from below.
double ReadableDegrees(const DPOINT& direction) {
    double degrees = DirectionDegrees(direction.x, direction.y);
    if (degrees > 90.0 && degrees <= 270.0) {
        degrees -= 180.0;
    }
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

} // namespace

std::string CDxfDimensionDrawer::ShownText(const CDxfDimension& dimension) {
    if (dimension.text == Hidden) {
        return {};
    }
    const std::size_t mark = dimension.text.find(MeasurementMark);
    if (!dimension.text.empty() && mark == std::string::npos) {
        return dimension.text;
    }
    if (!dimension.measurement) {
        return {};
    }
    if (dimension.text.empty()) {
        return MeasurementText(dimension);
    }
    std::string text = dimension.text;
    return text.replace(mark, MeasurementMark.size(), MeasurementText(dimension));
}

void CDxfDimensionDrawer::Draw(const CDxfDimension& dimension, const CDxfDimStyle* style,
                               const CDxfPen& pen, const CDxfEntityTag& tag,
                               CPorStream& target) const {
    // A style scale of 0 fits the dimension to its viewport, which a
    // conversion has none of.
    const double scale = style && style->overallScale != 0.0 ? style->overallScale : 1.0;
    DrawLines(dimension, (style ? style->arrowSize : DefaultArrowSize) * scale, pen, tag, target);
    DrawText(dimension, (style ? style->textHeight : DefaultTextHeight) * scale, pen.color, tag,
             target);
}

void CDxfDimensionDrawer::DrawLines(const CDxfDimension& dimension, double arrowSize,
                                    const CDxfPen& pen, const CDxfEntityTag& tag,
                                    CPorStream& target) const {
    const int kind = dimension.type & CDxfDimension::KindMask;
    const DPOINT& first = dimension.points[3];
    const DPOINT& second = dimension.points[4];
    if (kind == CDxfDimension::Ordinate) {
        // From the feature to the end of the leader.
        if (Differ(first, second)) {
            m_emitter.WriteLine(first, second, pen, tag, target);
        }
        return;
    }
    if (kind != CDxfDimension::Linear && kind != CDxfDimension::Aligned) {
        return;
    }
    const auto direction = LineDirection(dimension);
    if (!direction) {
        return;
    }
    // The dimension line runs through the definition point; each extension
    // line meets it square.
    const DPOINT& onLine = dimension.points[0];
    const DPOINT a = Along(onLine, *direction, Dot(Minus(first, onLine), *direction));
    const DPOINT b = Along(onLine, *direction, Dot(Minus(second, onLine), *direction));
    for (const auto& [origin, end] : {std::pair{first, a}, std::pair{second, b}}) {
        if (Differ(origin, end)) {
            m_emitter.WriteLine(origin, end, pen, tag, target);
        }
    }
    if (!Differ(a, b)) {
        return;
    }
    m_emitter.WriteLine(a, b, pen, tag, target);
    if (arrowSize > 0.0) {
        const CDxfPen arrowPen{CDxfLineTypeTable::Solid, 1.0, 0, pen.color};
        m_emitter.WriteSolid(ArrowHead(a, b, arrowSize), arrowPen, tag, target);
        m_emitter.WriteSolid(ArrowHead(b, a, arrowSize), arrowPen, tag, target);
    }
}

void CDxfDimensionDrawer::DrawText(const CDxfDimension& dimension, double height, COLORREF color,
                                   const CDxfEntityTag& tag, CPorStream& target) const {
    const std::string shown = ShownText(dimension);
    if (shown.empty()) {
        return;
    }
    CDxfText text;
    text.x = dimension.points[1].x;
    text.y = dimension.points[1].y;
    text.height = height;
    const int kind = dimension.type & CDxfDimension::KindMask;
    if (kind == CDxfDimension::Linear || kind == CDxfDimension::Aligned) {
        if (const auto direction = LineDirection(dimension)) {
            text.rotation = ReadableDegrees(*direction);
        }
    }
    text.verticalAlign = MiddleAlign;
    text.horizontalAlign = CentreAlign;
    text.color = color;
    text.layer = tag.layer;
    text.id = tag.handle;
    text.text = m_decoder.DecodeText(shown);
    m_texts.WriteText(text, target);
}
