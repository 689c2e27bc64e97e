#include "plugins/dxf/CDxfEntityReader.h"

#include "plugins/dxf/CDxfEntityGroups.h"

#include <algorithm>

namespace {

enum Kind {
    Line,
    Point,
    Circle,
    Arc,
    Trace,
    Solid,
    Ellipse,
    XLine,
    Ray,
    Face,
    Polyline,
    LwPolyline,
    MLine,
    Insert,
    Dimension,
    Leader,
    Text,
    MText,
    Hatch,
    Spline,
    Image,
    Tolerance,
};

struct Entry {
    std::string_view name;
    Kind kind;
};

// Exact, case-sensitive names.
constexpr Entry Readers[] = {
    {"LINE", Line},
    {"POINT", Point},
    {"CIRCLE", Circle},
    {"ARC", Arc},
    {"TRACE", Trace},
    {"SOLID", Solid},
    {"ELLIPSE", Ellipse},
    {"XLINE", XLine},
    {"RAY", Ray},
    {"3DFACE", Face},
    {"POLYLINE", Polyline},
    {"LWPOLYLINE", LwPolyline},
    {"MLINE", MLine},
    {"INSERT", Insert},
    {"DIMENSION", Dimension},
    {"LEADER", Leader},
    {"TEXT", Text},
    {"MTEXT", MText},
    {"HATCH", Hatch},
    {"SPLINE", Spline},
    {"IMAGE", Image},
    {"TOLERANCE", Tolerance},
};

} // namespace

bool CDxfEntityReader::Read(std::string_view name, CDxfFile& file, CPorStream& target,
                            const DPOINT& base) {
    const auto entry = std::ranges::find(Readers, name, &Entry::name);
    if (entry == std::end(Readers)) {
        return false;
    }
    switch (entry->kind) {
    case Polyline:
        m_polylines.Polyline(file, target, base);
        break;
    case LwPolyline:
        m_polylines.LwPolyline(file, target, base);
        break;
    case MLine:
        m_polylines.MLine(file, target, base);
        break;
    case Insert:
        m_inserts.Insert(file, target, base);
        break;
    case Dimension:
        m_inserts.Dimension(file, target, base);
        break;
    case Leader:
        m_inserts.Leader(file, target, base);
        break;
    case Text:
        m_texts.Text(file, target, base);
        break;
    case MText:
        m_texts.MText(file, target, base);
        break;
    case Hatch:
        m_hatches.Hatch(file, target, base);
        break;
    case Spline:
        m_splines.Spline(file, target, base);
        break;
    case Image:
        m_images.Image(file, target, base);
        break;
    case Tolerance:
        m_texts.Tolerance(file, target, base);
        break;
    default:
        ReadSimple(entry->kind, file, target, base);
        break;
    }
    return true;
}

void CDxfEntityReader::ReadSimple(int kind, CDxfFile& file, CPorStream& target,
                                  const DPOINT& base) {
    CDxfEntityGroups groups;
    groups.Read(file, m_decoder);
    switch (kind) {
    case Line:
        m_simple.Line(groups, target, base);
        break;
    case Point:
        m_simple.Point(groups, target, base);
        break;
    case Circle:
        m_simple.Circle(groups, target, base);
        break;
    case Arc:
        m_simple.Arc(groups, target, base);
        break;
    case Trace:
        m_simple.Trace(groups, target, base);
        break;
    case Solid:
        m_simple.Solid(groups, target, base);
        break;
    case Ellipse:
        m_simple.Ellipse(groups, target, base);
        break;
    case XLine:
        m_simple.InfiniteLine(groups, CDxfInfiniteLine::XLine, target);
        break;
    case Ray:
        m_simple.InfiniteLine(groups, CDxfInfiniteLine::Ray, target);
        break;
    case Face:
        m_simple.Face(groups, target, base);
        break;
    default:
        break;
    }
}
