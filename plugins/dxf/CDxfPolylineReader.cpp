#include "plugins/dxf/CDxfPolylineReader.h"

#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/DxfFieldTable.h"
#include "plugins/dxf/DxfGeometry.h"
#include "plugins/dxf/DxfNumber.h"

namespace {

constexpr int ClosedFlag = 1;
// POLYLINE flags whose vertices include points that are not on the line.
constexpr int SplineFitFlag = 4;
constexpr int PolyfaceFlag = 64;
constexpr int FrameVertex = 16;
constexpr int FaceRecord = 128;

struct Vertex {
    double x = 0.0;
    double y = 0.0;
    double bulge = 0.0;
    int flags = 0;
};

constexpr DxfField<Vertex> VertexFields[] = {
    {10, &Vertex::x},
    {20, &Vertex::y},
    {42, &Vertex::bulge},
    {70, &Vertex::flags},
};

Vertex ReadVertex(CDxfFile& file, const CDxfTextDecoder& decoder) {
    Vertex vertex;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        TakeField<Vertex>(VertexFields, group, decoder, vertex);
    }
    return vertex;
}

bool Skipped(int polylineFlags, int vertexFlags) {
    if (polylineFlags & SplineFitFlag) {
        return vertexFlags == FrameVertex;
    }
    return (polylineFlags & PolyfaceFlag) && vertexFlags == FaceRecord;
}

} // namespace

void CDxfPolylineReader::AddVertex(std::vector<DPOINT>& points, const DPOINT& point,
                                   double& pendingBulge) {
    if (pendingBulge != 0.0 && !points.empty()) {
        BulgeArcPoints(points, points.back(), point, pendingBulge, BulgeStep);
    }
    points.push_back(point);
    pendingBulge = 0.0;
}

void CDxfPolylineReader::CloseArc(std::vector<DPOINT>& points, int flags, double pendingBulge) {
    if ((flags & ClosedFlag) && pendingBulge != 0.0 && !points.empty()) {
        BulgeArcPoints(points, points.back(), points.front(), pendingBulge, BulgeStep);
    }
}

void CDxfPolylineReader::Write(const std::vector<DPOINT>& points, int closedFlag,
                               const CDxfEntityGroups& groups, CPorStream& target) {
    m_emitter.WritePolyline(points, closedFlag, m_style.Pen(groups), {groups.handle, groups.layer},
                            false, target, 0);
}

void CDxfPolylineReader::Polyline(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    groups.Read(file, m_decoder);
    std::vector<DPOINT> points;
    double pendingBulge = 0.0;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code != 0) {
            continue;
        }
        if (group.value != "VERTEX") {
            // SEQEND ends the polyline; any other entity means it was lost
            // and belongs to the caller.
            if (group.value != "SEQEND") {
                file.UngetGroup();
            }
            break;
        }
        const Vertex vertex = ReadVertex(file, m_decoder);
        if (Skipped(groups.flags, vertex.flags)) {
            continue;
        }
        AddVertex(points, {vertex.x - base.x, vertex.y - base.y}, pendingBulge);
        pendingBulge = vertex.bulge;
    }
    CloseArc(points, groups.flags, pendingBulge);
    Write(points, groups.flags, groups, target);
}

void CDxfPolylineReader::LwPolyline(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    // Raw vertices: the mirror of a downward extrusion is known only at the
    // end and applies before the base point is subtracted.
    std::vector<DPOINT> raw;
    std::vector<double> bulges;
    double x = 0.0;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (group.code == 10) {
            x = DxfToDouble(group.value);
        } else if (group.code == 20) {
            raw.push_back({x, DxfToDouble(group.value)});
            bulges.push_back(0.0);
        } else if (group.code == 42) {
            if (!bulges.empty()) {
                bulges.back() = DxfToDouble(group.value);
            }
        } else {
            groups.Take(group, m_decoder);
        }
    }
    const double mirror = groups.extrusion.z < 0 ? -1.0 : 1.0;
    std::vector<DPOINT> points;
    double pendingBulge = 0.0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        AddVertex(points, {mirror * raw[i].x - base.x, raw[i].y - base.y}, pendingBulge);
        pendingBulge = mirror * bulges[i];
    }
    CloseArc(points, groups.flags, pendingBulge);
    Write(points, groups.flags, groups, target);
}

void CDxfPolylineReader::MLine(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    std::vector<DPOINT> points;
    int closedFlag = 0;
    double x = 0.0;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (group.code == 11) {
            x = DxfToDouble(group.value);
        } else if (group.code == 21) {
            points.push_back({x - base.x, DxfToDouble(group.value) - base.y});
        } else if (group.code == 71) {
            const int flags = DxfToInt(group.value);
            closedFlag = flags == 3 ? ClosedFlag : flags == 1 ? 0 : closedFlag;
        } else {
            groups.Take(group, m_decoder);
        }
    }
    Write(points, closedFlag, groups, target);
}
