#include "platform/gdi/CPenConverter.h"

#include "platform/gdi/CBrushConverter.h"

#include <algorithm>
#include <cmath>

namespace {

struct Run {
    bool on;
    qreal length;
};

// GDI's dash styles: pixels for thin pens, pen widths for geometric ones.
std::vector<qreal> PixelStyle(DWORD style) {
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE:
        return {1, 1};
    default:
        return {};
    }
}

std::vector<qreal> GeometricStyle(DWORD style) {
    switch (style) {
    case PS_DASH:
        return {3, 1};
    case PS_DOT:
        return {1, 1};
    case PS_DASHDOT:
        return {3, 1, 1, 1};
    case PS_DASHDOTDOT:
        return {3, 1, 1, 1, 1, 1};
    default:
        return {};
    }
}

Qt::PenCapStyle CapOf(DWORD endCap) {
    switch (endCap) {
    case PS_ENDCAP_SQUARE:
        return Qt::SquareCap;
    case PS_ENDCAP_FLAT:
        return Qt::FlatCap;
    default:
        return Qt::RoundCap;
    }
}

Qt::PenJoinStyle JoinOf(DWORD join) {
    switch (join) {
    case PS_JOIN_BEVEL:
        return Qt::BevelJoin;
    case PS_JOIN_MITER:
        return Qt::MiterJoin;
    default:
        return Qt::RoundJoin;
    }
}

} // namespace

std::optional<CPenConverter::Dashes> CPenConverter::ToDashes(const std::vector<qreal>& lengths) {
    std::vector<qreal> entries = lengths;
    if (entries.size() % 2 == 1)
        entries.insert(entries.end(), lengths.begin(), lengths.end());

    std::vector<Run> runs;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const bool on = i % 2 == 0;
        if (entries[i] <= 0)
            continue;
        if (!runs.empty() && runs.back().on == on)
            runs.back().length += entries[i];
        else
            runs.push_back(Run{on, entries[i]});
    }
    if (std::all_of(runs.begin(), runs.end(), [](const Run& run) { return run.on; })) {
        if (!runs.empty())
            return std::nullopt;
        return Dashes{};
    }
    if (std::none_of(runs.begin(), runs.end(), [](const Run& run) { return run.on; }))
        return Dashes{};

    // The pattern repeats: a last run of the same kind as the first is one run
    // with it, and the line starts that far into the joined run.
    qreal start = 0;
    if (runs.size() > 1 && runs.front().on == runs.back().on) {
        start = runs.back().length;
        runs.front().length += runs.back().length;
        runs.pop_back();
    }
    // Qt patterns begin with a dash.
    qreal total = 0;
    for (const Run& run : runs)
        total += run.length;
    if (!runs.front().on) {
        start = std::fmod(start - runs.front().length + total, total);
        std::rotate(runs.begin(), runs.begin() + 1, runs.end());
    }
    Dashes dashes;
    for (const Run& run : runs)
        dashes.pattern.append(run.length);
    dashes.offset = start;
    return dashes;
}

QPen CPenConverter::ToQPen(const ExtLogPen& pen, double scale) {
    if (pen.Style() == PS_NULL || pen.brushStyle == BS_NULL)
        return QPen(Qt::NoPen);
    const bool cosmetic = pen.extended && pen.Type() == PS_COSMETIC;
    const bool geometric = pen.extended && pen.Type() == PS_GEOMETRIC;
    const int width = cosmetic || StrokesOnePixel(pen.width, scale)
                          ? 1
                          : static_cast<int>(std::lround(pen.width * scale));
    const LOGBRUSH brush{pen.brushStyle, pen.color, pen.hatch};
    QPen qpen(CBrushConverter::ToQBrush(brush), width > 1 ? width : 0);
    if (geometric) {
        qpen.setCapStyle(CapOf(pen.EndCap()));
        qpen.setJoinStyle(JoinOf(pen.Join()));
    } else if (width > 1) {
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    } else {
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setJoinStyle(Qt::MiterJoin);
    }

    std::vector<qreal> lengths;
    if (pen.Style() == PS_USERSTYLE && pen.extended) {
        const qreal unit = geometric ? scale / width : 1.0;
        for (DWORD length : pen.userStyle)
            lengths.push_back(length * unit);
    } else if (geometric) {
        lengths = GeometricStyle(pen.Style());
    } else if (width == 1) {
        // A CreatePen dash style holds only for pens one pixel wide.
        lengths = PixelStyle(pen.Style());
    }
    if (lengths.empty())
        return qpen;
    const std::optional<Dashes> dashes = ToDashes(lengths);
    if (!dashes)
        return qpen;
    if (dashes->pattern.isEmpty())
        return QPen(Qt::NoPen);
    qpen.setDashPattern(dashes->pattern);
    qpen.setDashOffset(dashes->offset);
    return qpen;
}
