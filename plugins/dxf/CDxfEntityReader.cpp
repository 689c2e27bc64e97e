#include "plugins/dxf/CDxfEntityReader.h"

#include "plugins/dxf/CDxfEntityGroups.h"

namespace {

enum class Kind { Line, Point, Circle, Arc, Trace, Solid, Ellipse, XLine, Ray, Face };

struct Entry {
    std::string_view name;
    Kind kind;
};

// Exact, case-sensitive names.
constexpr Entry Readers[] = {
    {"LINE", Kind::Line},       {"POINT", Kind::Point}, {"CIRCLE", Kind::Circle},
    {"ARC", Kind::Arc},         {"TRACE", Kind::Trace}, {"SOLID", Kind::Solid},
    {"ELLIPSE", Kind::Ellipse}, {"XLINE", Kind::XLine}, {"RAY", Kind::Ray},
    {"3DFACE", Kind::Face},
};

} // namespace

bool CDxfEntityReader::Read(std::string_view name, CDxfFile& file, CPorStream& target,
                            const DPOINT& base) {
    const Entry* entry = nullptr;
    for (const Entry& candidate : Readers) {
        if (candidate.name == name) {
            entry = &candidate;
            break;
        }
    }
    if (!entry) {
        return false;
    }
    CDxfEntityGroups groups;
    groups.Read(file, m_decoder);
    switch (entry->kind) {
    case Kind::Line:
        m_simple.Line(groups, target, base);
        break;
    case Kind::Point:
        m_simple.Point(groups, target, base);
        break;
    case Kind::Circle:
        m_simple.Circle(groups, target, base);
        break;
    case Kind::Arc:
        m_simple.Arc(groups, target, base);
        break;
    case Kind::Trace:
        m_simple.Trace(groups, target, base);
        break;
    case Kind::Solid:
        m_simple.Solid(groups, target, base);
        break;
    case Kind::Ellipse:
        m_simple.Ellipse(groups, target, base);
        break;
    case Kind::XLine:
        m_simple.InfiniteLine(groups, CDxfInfiniteLine::XLine, target);
        break;
    case Kind::Ray:
        m_simple.InfiniteLine(groups, CDxfInfiniteLine::Ray, target);
        break;
    case Kind::Face:
        m_simple.Face(groups, target, base);
        break;
    }
    return true;
}
